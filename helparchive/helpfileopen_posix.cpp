// SPDX-License-Identifier: MIT
#include "helpfileopen.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace kestrin::help {

OpenedHelpFile openOrdinaryFile(const QString &fileName)
{
    OpenedHelpFile opened;
    const int fd = ::open(QFile::encodeName(fileName).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        opened.error = QString::fromLocal8Bit(std::strerror(errno)) + QLatin1Char('.');
        return opened;
    }
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        opened.error = QCoreApplication::translate("kestrin::help::ChmArchive", "it is not an ordinary file.");
        return opened;
    }
    opened.file = std::make_unique<QFile>();
    if (!opened.file->open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        opened.error = opened.file->errorString() + QLatin1Char('.');
        opened.file.reset();
        return opened;
    }
    // The open descriptor's name in /proc, where the system has one.
    const QByteArray sameFile = "/proc/self/fd/" + QByteArray::number(fd);
    opened.chmlibName = QFileInfo::exists(QFile::decodeName(sameFile)) ? sameFile : QFile::encodeName(fileName);
    return opened;
}

} // namespace kestrin::help
