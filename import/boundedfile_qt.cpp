// SPDX-License-Identifier: MIT
// Systems without POSIX descriptors (Windows): the file's type is checked
// before it is opened; devices such as CON or NUL and pipes are not regular
// files there either.
#include "boundedfile.h"

#include "importsource.h"

#include <QFileInfo>

namespace kestrin::import {

bool openRegularFile(QFile &file, const QString &path, QString *error)
{
    const QFileInfo info(path);
    if (info.isDir() || !info.isFile() || path.startsWith(QLatin1String("\\\\.\\"))) {
        if (error)
            *error = info.isDir() ? ImportText::tr("it is a folder, not a file")
                                  : ImportText::tr("it is not a regular file (a pipe, a device or a socket)");
        return false;
    }
    file.setFileName(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

} // namespace kestrin::import
