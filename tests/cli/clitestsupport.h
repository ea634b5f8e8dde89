// SPDX-License-Identifier: MIT
#pragma once

// Running kestrin-readme as a user does, and a window in memory that a test
// fills in by clicks and typing, to compare the program with Create.

#include "memoryharness.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

struct CliRun {
    QStringList args;
    QString workingDirectory;
    QByteArray input;                               // standard input
    QString locale = QStringLiteral("en_US.UTF-8"); // LC_ALL
    QString stdoutFile;                             // standard output goes here when set
    bool unprivileged = false;                      // run as "nobody" when the tests run as root
};

struct CliResult {
    int exitCode = -1;
    bool crashed = false;
    QByteArray out;
    QByteArray err;

    QString errText() const { return QString::fromUtf8(err); }
};

CliResult runCli(const CliRun &run);

class QProcess;
// Makes the process run as an ordinary user where the tests run as root
// (which may read and write anything, so that permissions mean nothing to
// it); per system, clitestplatform_*.cpp.
void runUnprivileged(QProcess &process);
// The program's messages with LF line ends, as the tests compare them
// (Windows programs end their lines with CR LF in a pipe); per system.
QByteArray messageLines(const QByteArray &messages);

// A file of the source tree (examples, docs).
QString sourcePath(const QString &relative);

// Create on a loaded in-memory window, saved in codePage to path; returns
// the bytes written.
QByteArray createFile(MemoryHarness &user, const QString &path, int codePage);
