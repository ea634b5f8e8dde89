// SPDX-License-Identifier: MIT
#include "filereading.h"

#include <QFile>
#include <QThread>

namespace kestrin {

WholeFile readWholeFile(const QString &path, qint64 limit)
{
    WholeFile whole;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        whole.error = file.errorString();
        return whole;
    }
    if (!file.isSequential() && file.size() > limit) {
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
