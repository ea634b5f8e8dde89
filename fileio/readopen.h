// SPDX-License-Identifier: MIT
#pragma once

// Opening a file the user named for reading, without ever waiting: a named
// pipe with no writer or a device does not hold the call, and what the path
// is (a file, a folder, a pipe) is read from the opened file itself, so that
// nothing swapped in after a check is read in its place.

#include <QFile>
#include <QString>

namespace kestrin::fileio {

// What the opened path turned out to be.
enum class FileKind {
    Regular, // an ordinary file, with a size
    Folder,
    Stream, // a named pipe, a device or a socket
};

// Whether a stream is opened too (for the caller to read as it comes), or
// refused as a folder always is.
enum class Streams { Refuse, Open };

// Whether others may change the file while it is open. Only Windows can
// hold them off; elsewhere both are the same.
enum class OthersMay { ReadAndWrite, OnlyRead };

struct ReadOpening {
    bool opened = false;
    // What the path is, when it could be looked at (opened, or refused for
    // its kind).
    FileKind kind = FileKind::Regular;
    // A regular file's size in bytes.
    qint64 size = 0;
    // Why it could not be opened at all, in the system's words without a
    // final period; empty when it was opened or refused for its kind.
    QString error;
    // The system's error code behind error (errno, or Windows' last error);
    // 0 when there is none.
    int systemError = 0;
};

// Opens path read-only into file when it is a regular file, or a stream and
// streams are asked for; a folder, or a refused stream, is closed again and
// file left closed. The file is opened by its descriptor (its fileName() is
// empty) and closes it when it closes. A stream stays non-blocking where the system has such
// streams (POSIX): its reader waits for data itself.
ReadOpening openForReading(QFile &file, const QString &path, Streams streams = Streams::Refuse,
                           OthersMay others = OthersMay::ReadAndWrite);

} // namespace kestrin::fileio
