// SPDX-License-Identifier: MIT
#pragma once

// Opening the help file safely, as each system allows: once, without
// waiting, and only when it is an ordinary file (not a folder, a device or
// a pipe put in its place).

#include <QByteArray>
#include <QFile>
#include <QString>

#include <memory>

namespace kestrin::help {

struct OpenedHelpFile {
    // Why it could not be opened (a sentence ending in a period); empty
    // when it was.
    QString error;
    // The file, open for reading.
    std::unique_ptr<QFile> file;
    // The name under which chmlib opens the very file that is open here.
    QByteArray chmlibName;
};

OpenedHelpFile openOrdinaryFile(const QString &fileName);

// The name under which chmlib, opening by name, finds the very file that is
// open in file (fileName when the system cannot tell).
QByteArray sameFileName(const QFile &file, const QString &fileName);

} // namespace kestrin::help
