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

double startupbench::processorMs()
{
    FILETIME created, exited, kernel, user;
    if (!GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user))
        return -1;
    // 100 ns units.
    auto ms = [](const FILETIME &t) { return double((quint64(t.dwHighDateTime) << 32) | t.dwLowDateTime) / 1e4; };
    return ms(kernel) + ms(user);
}
