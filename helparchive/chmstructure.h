// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class QFile;

namespace kestrin::help {

// Checks the structure of a compiled HTML Help file before chmlib is given
// it: the header against the file's real size, the directory chunks and
// their entries, and the parameters of the compressed section. chmlib
// trusts all of these; a file cut short or damaged on disk could make it
// divide by zero, loop for ever or read past its buffers. Returns what is
// wrong in words for the user, or an empty string for a sound file.
QString checkChmStructure(QFile &file);

} // namespace kestrin::help
