// SPDX-License-Identifier: MIT
#pragma once

// Reads a whole file, up to a limit, without ever waiting in a way that the
// caller cannot give up: a named pipe or a device is opened without waiting
// for a writer, and its reading waits only as long as the reading thread
// has not been asked to stop (QThread::requestInterruption).

#include <QByteArray>
#include <QString>

namespace kestrin {

struct WholeFile {
    enum class Status { Read, TooLarge, Failed };
    Status status = Status::Failed;
    QByteArray bytes;
    QString error; // the system's reason, when Failed
};

// At most limit bytes are kept; a file longer than that is TooLarge (a
// regular file is refused unread by its size).
WholeFile readWholeFile(const QString &path, qint64 limit);

// The program's standard input, read to its end as readWholeFile reads a
// pipe: at most limit bytes are kept, and longer input is TooLarge.
WholeFile readStandardInput(qint64 limit);

} // namespace kestrin
