// SPDX-License-Identifier: MIT
#include "startup_child.h"

#include <windows.h>

#include <psapi.h>

long startupbench::peakMemoryKb()
{
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    if (!GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters))
        return -1;
    return long(counters.PeakWorkingSetSize / 1024);
}

long startupbench::privateDirtyKb()
{
    // Windows counts committed private memory, not what has been written.
    return -1;
}
