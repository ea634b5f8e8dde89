// SPDX-License-Identifier: MIT
#include "boundedfile.h"

#include "importsource.h"
#include "readopen.h"

namespace kestrin::import {

bool openRegularFile(QFile &file, const QString &path, QString *error)
{
    const fileio::ReadOpening opening = fileio::openForReading(file, path);
    if (opening.opened)
        return true;
    if (error) {
        if (!opening.error.isEmpty())
            *error = opening.error;
        else if (opening.kind == fileio::FileKind::Folder)
            *error = ImportText::tr("it is a folder, not a file");
        else
            *error = ImportText::tr("it is not a regular file (a pipe, a device or a socket)");
    }
    return false;
}

} // namespace kestrin::import
