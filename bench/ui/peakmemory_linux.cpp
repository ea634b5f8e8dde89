// SPDX-License-Identifier: MIT
#include "startup_child.h"

#include <QFile>

#include <ctime>

namespace {

// A "Key: value kB" line of a /proc/self file; -1 when it cannot be read.
long procKb(const char *file, const QByteArray &key)
{
    QFile status{QString::fromLatin1(file)};
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(key))
            return line.mid(key.size()).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

} // namespace

long startupbench::peakMemoryKb()
{
    return procKb("/proc/self/status", "VmHWM:");
}

long startupbench::privateDirtyKb()
{
    return procKb("/proc/self/smaps_rollup", "Private_Dirty:");
}

double startupbench::processorMs()
{
    timespec used{};
    if (clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &used) != 0)
        return -1;
    return double(used.tv_sec) * 1e3 + double(used.tv_nsec) / 1e6;
}
