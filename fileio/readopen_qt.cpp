// SPDX-License-Identifier: MIT
// Systems with neither POSIX descriptors nor Windows handles: the path's
// type is looked at before it is opened, the best Qt's files allow.
#include "readopen.h"

#include <QFileInfo>

namespace kestrin::fileio {

ReadOpening openForReading(QFile &file, const QString &path, Streams streams, OthersMay)
{
    const QFileInfo info(path);
    ReadOpening opening;
    opening.kind = info.isDir() ? FileKind::Folder : info.isFile() ? FileKind::Regular : FileKind::Stream;
    if (info.exists()
        && (opening.kind == FileKind::Folder || (opening.kind == FileKind::Stream && streams == Streams::Refuse)))
        return opening;
    file.setFileName(path);
    if (!file.open(QIODevice::ReadOnly)) {
        opening.error = file.errorString();
        return opening;
    }
    opening.size = opening.kind == FileKind::Regular ? file.size() : 0;
    opening.opened = true;
    return opening;
}

} // namespace kestrin::fileio
