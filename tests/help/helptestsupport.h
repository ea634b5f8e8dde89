// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <ostream>

class QUrl;

namespace kestrin::help::testing {

// The help file as the build made it.
QString builtHelpFile();
// The English help file and each translated one.
QStringList builtHelpFiles();
// A small help file compiled for the tests ("tocfirst", "bare").
QString fixtureFile(const char *name);

QByteArray readBytes(const QString &path);
void writeBytes(const QString &path, const QByteArray &bytes);

// The pages of the help, in the order of its contents, as archive paths.
QStringList helpTopicsInOrder();

// Ways of spoiling a good help file, for the damaged-file tests. A
// detectable damage makes the file refused or its first page unreadable; the
// others (garbled compressed data: the format has no checksums) must only
// do no harm.
struct Damage {
    const char *name;
    QByteArray (*apply)(const QByteArray &good);
    const char *reason; // what the user is told; null when undetectable
    bool detectable() const { return reason != nullptr; }
};
QList<Damage> damages();

} // namespace kestrin::help::testing

// Readable test failures for Qt types.
QT_BEGIN_NAMESPACE
void PrintTo(const QString &text, std::ostream *os);
void PrintTo(const QUrl &url, std::ostream *os);
QT_END_NAMESPACE
