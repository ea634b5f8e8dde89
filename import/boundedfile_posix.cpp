// SPDX-License-Identifier: MIT
// POSIX: the file is opened without blocking (so that a FIFO with no writer
// does not hold the call) and its type is read from the open descriptor.
#include "boundedfile.h"

#include "importsource.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kestrin::import {

bool openRegularFile(QFile &file, const QString &path, QString *error)
{
    const QByteArray native = QFile::encodeName(path);
    const int fd = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        if (error)
            *error = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        if (error)
            *error = S_ISDIR(st.st_mode) ? ImportText::tr("it is a folder, not a file")
                                         : ImportText::tr("it is not a regular file (a pipe, a device or a socket)");
        return false;
    }
    // A regular file reads the same with or without O_NONBLOCK; clear it
    // all the same so that the descriptor behaves as any other.
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags >= 0)
        ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    file.setFileName(path);
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

} // namespace kestrin::import
