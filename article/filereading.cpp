// SPDX-License-Identifier: MIT
#include "filereading.h"

#include <QFile>

#include <array>
#include <cstdio>

namespace kestrin {

WholeFile readStandardInput(qint64 limit)
{
    WholeFile whole;
    // Through the descriptor, not the C library's buffered stream: on
    // Windows that one takes the end of a pipe for a read error.
    QFile file;
    if (!file.open(fileno(stdin), QIODevice::ReadOnly, QFileDevice::DontCloseHandle)) {
        whole.error = file.errorString();
        return whole;
    }
    // Read up to one byte beyond the limit.
    std::array<char, 1 << 16> chunk;
    while (whole.bytes.size() <= limit) {
        const qint64 got = file.read(chunk.data(), qint64(chunk.size()));
        if (got < 0) {
            whole.error = file.errorString();
            return whole;
        }
        if (got == 0)
            break;
        whole.bytes.append(chunk.data(), qsizetype(got));
    }
    whole.status = whole.bytes.size() > limit ? WholeFile::Status::TooLarge : WholeFile::Status::Read;
    return whole;
}

} // namespace kestrin
