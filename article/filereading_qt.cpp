// SPDX-License-Identifier: MIT
// Systems without poll() (Windows): a stream is read as Qt's files read
// it, and only a stop asked between two pieces is seen.
#include "filereading.h"

#include "readopen.h"

#include <QFile>
#include <QThread>

namespace kestrin {

WholeFile readWholeFile(const QString &path, qint64 limit)
{
    WholeFile whole;
    QFile file;
    const fileio::ReadOpening opening = fileio::openForReading(file, path, fileio::Streams::Open);
    if (opening.kind == fileio::FileKind::Folder && opening.error.isEmpty()) {
        whole.error = QStringLiteral("file to open is a directory"); // as Qt's files say it
        return whole;
    }
    if (!opening.opened) {
        whole.error = opening.systemError != 0 ? qt_error_string(opening.systemError) : opening.error;
        return whole;
    }
    if (opening.kind == fileio::FileKind::Regular && opening.size > limit) {
        whole.status = WholeFile::Status::TooLarge;
        return whole;
    }
    while (whole.bytes.size() <= limit) {
        if (QThread::currentThread()->isInterruptionRequested()) {
            whole.error = QStringLiteral("Operation canceled");
            return whole;
        }
        const QByteArray chunk = file.read(1 << 16);
        if (chunk.isEmpty()) {
            if (file.error() != QFileDevice::NoError) {
                whole.error = file.errorString();
                return whole;
            }
            break;
        }
        whole.bytes.append(chunk);
    }
    whole.status = whole.bytes.size() > limit ? WholeFile::Status::TooLarge : WholeFile::Status::Read;
    return whole;
}

} // namespace kestrin
