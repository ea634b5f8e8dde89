// SPDX-License-Identifier: MIT
#include "pipesanddevices.h"

#include <QDir>
#include <QFile>

#include <sys/stat.h>

namespace kestrin::testing {

QString makeIdlePipe(const QString &folder)
{
    const QString path = QDir(folder).filePath(QStringLiteral("pipe.pbo"));
    return mkfifo(QFile::encodeName(path).constData(), 0600) == 0 ? path : QString();
}

QString endlessDevice()
{
    return QStringLiteral("/dev/zero");
}

} // namespace kestrin::testing
