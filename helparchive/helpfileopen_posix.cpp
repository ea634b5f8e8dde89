// SPDX-License-Identifier: MIT
#include "helpfileopen.h"

#include <QFileInfo>

namespace kestrin::help {

QByteArray sameFileName(const QFile &file, const QString &fileName)
{
    // The open descriptor's name in /proc, where the system has one.
    const QByteArray sameFile = "/proc/self/fd/" + QByteArray::number(file.handle());
    return QFileInfo::exists(QFile::decodeName(sameFile)) ? sameFile : QFile::encodeName(fileName);
}

} // namespace kestrin::help
