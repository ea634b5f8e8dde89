// SPDX-License-Identifier: MIT
// POSIX: the file is opened without blocking (so that a FIFO with no writer
// does not hold the call) and its type is read from the open descriptor.
#include "readopen.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kestrin::fileio {

namespace {

ReadOpening failed(int code)
{
    ReadOpening opening;
    opening.error = QString::fromLocal8Bit(std::strerror(code));
    opening.systemError = code;
    return opening;
}

FileKind kindOf(const struct stat &st)
{
    if (S_ISREG(st.st_mode))
        return FileKind::Regular;
    return S_ISDIR(st.st_mode) ? FileKind::Folder : FileKind::Stream;
}

} // namespace

ReadOpening openForReading(QFile &file, const QString &path, Streams streams, OthersMay)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return failed(errno);
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        const int code = errno;
        ::close(fd);
        return failed(code);
    }
    ReadOpening opening;
    opening.kind = kindOf(st);
    if (opening.kind == FileKind::Folder || (opening.kind == FileKind::Stream && streams == Streams::Refuse)) {
        ::close(fd);
        return opening;
    }
    if (opening.kind == FileKind::Regular) {
        opening.size = qint64(st.st_size);
        // A regular file reads the same with or without O_NONBLOCK; clear
        // it all the same so that the descriptor behaves as any other.
        const int flags = ::fcntl(fd, F_GETFL);
        if (flags >= 0)
            ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    }
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        opening.error = file.errorString();
        return opening;
    }
    opening.opened = true;
    return opening;
}

} // namespace kestrin::fileio
