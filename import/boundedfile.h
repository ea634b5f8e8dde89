// SPDX-License-Identifier: MIT
#pragma once

// Opening a file the user picked for reading, without ever waiting: only a
// regular file is opened. A named pipe, a device or a socket is refused at
// once (a pipe is never waited on for a writer), and the check is made on
// the opened file itself, so that nothing swapped in between is read
// (fileio's openForReading, with the import's own words).

#include <QFile>
#include <QString>

namespace kestrin::import {

// Opens path read-only into file when it is a regular file; otherwise
// false, with why in *error (the system's words where it has them).
bool openRegularFile(QFile &file, const QString &path, QString *error);

} // namespace kestrin::import
