// SPDX-License-Identifier: MIT
#pragma once

// How Windows reads file names, in plain Qt so that it can be checked on any
// system: the reserved device names and the extended-length form of a path.

#include <QString>
#include <QStringView>

namespace kestrin {

// Whether a file name (the last part of a path) names one of the devices
// that every folder holds on Windows: CON, PRN, AUX, NUL, COM1 to COM9, LPT1
// to LPT9 (also with the superscript digits), whatever follows a dot, and
// whatever the letter case. "nul.txt" and "COM1 " are the devices too.
bool isReservedDeviceName(QStringView fileName);

// The extended-length ("\\?\") form of an absolute path, which the file
// functions take beyond 260 characters: separators made backslashes, "."
// and ".." resolved, a UNC path written as \\?\UNC\server\share. A path that
// is already in that form, or names a device ("\\.\"), is kept as it is.
QString extendedLengthPath(const QString &absolutePath);

} // namespace kestrin
