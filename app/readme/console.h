// SPDX-License-Identifier: MIT
#pragma once

// kestrin-readme's standard streams, as each system expects them.

#include <QByteArray>
#include <QString>

#include <cstdio>

namespace kestrin::cli {

// Called once at start: on Windows, standard input and output carry bytes
// as they are (binary mode), so that the ReadMe's CR LF stays CR LF and a
// Ctrl+Z in an article file read from standard input is not taken for its
// end.
void prepareStandardStreams();

// Whether the stream is a console that takes text rather than bytes (on
// Windows; never elsewhere).
bool isConsole(FILE *stream);

// A message or the help text as bytes for a pipe or a file: on Windows
// UTF-8 with CR LF line ends, elsewhere the locale's encoding.
QByteArray streamBytes(const QString &text);

// Writes a message to stream: to a Windows console as UTF-16, so that every
// language shows; otherwise as streamBytes().
void printText(FILE *stream, const QString &text);

} // namespace kestrin::cli
