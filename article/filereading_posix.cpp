// SPDX-License-Identifier: MIT
#include "filereading.h"

#include "readopen.h"

#include <QFile>
#include <QThread>

#include <array>
#include <cerrno>
#include <poll.h>
#include <unistd.h>

namespace kestrin {

namespace {

constexpr int kWaitSliceMs = 50;

bool stopAsked()
{
    const QThread *thread = QThread::currentThread();
    return thread && thread->isInterruptionRequested();
}

WholeFile failed(int code)
{
    WholeFile file;
    file.error = qt_error_string(code);
    return file;
}

} // namespace

WholeFile readWholeFile(const QString &path, qint64 limit)
{
    // Never waits for a pipe's writer in open(); the file closes its
    // descriptor on every way out.
    QFile source;
    const fileio::ReadOpening opening = fileio::openForReading(source, path, fileio::Streams::Open);
    if (opening.systemError != 0)
        return failed(opening.systemError);
    WholeFile file;
    if (opening.kind == fileio::FileKind::Folder) {
        file.error = QStringLiteral("file to open is a directory"); // as Qt's files say it
        return file;
    }
    if (!opening.opened) {
        file.error = opening.error;
        return file;
    }
    const bool regular = opening.kind == fileio::FileKind::Regular;
    if (regular) {
        if (opening.size > limit) {
            file.status = WholeFile::Status::TooLarge;
            return file;
        }
        file.bytes.reserve(qsizetype(opening.size));
    }
    const int fd = source.handle();
    std::array<char, 1 << 16> chunk;
    while (file.bytes.size() <= limit) {
        if (stopAsked())
            return failed(ECANCELED);
        if (!regular) {
            // Data, the writer's end, or a look whether to stop.
            pollfd p{fd, POLLIN, 0};
            const int ready = ::poll(&p, 1, kWaitSliceMs);
            if (ready == 0 || (ready < 0 && errno == EINTR))
                continue;
        }
        const ssize_t got = ::read(fd, chunk.data(), chunk.size());
        if (got < 0) {
            if (errno == EINTR || errno == EAGAIN || errno == EWOULDBLOCK)
                continue;
            return failed(errno);
        }
        if (got == 0)
            break;
        file.bytes.append(chunk.data(), qsizetype(got));
    }
    file.status = file.bytes.size() > limit ? WholeFile::Status::TooLarge : WholeFile::Status::Read;
    return file;
}

} // namespace kestrin
