// SPDX-License-Identifier: MIT
#pragma once

// kestrin-readme's command line: its options read into CommandLineOptions,
// or the help, the version or a usage message to show instead.

#include "articlereader.h"
#include "readmeformats.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace kestrin {

inline constexpr int kExitWritten = 0;
inline constexpr int kExitNotWritten = 1;
inline constexpr int kExitBadInput = 2;

inline const QString kReadmeProgram = QStringLiteral("kestrin-readme");

struct CommandLineOptions {
    QString articlePath;
    QString outputPath; // empty or "-": standard output
    QString encoding = QStringLiteral("ansi");
    bool replace = false;
    ReadmeFormat format = ReadmeFormat::PlainText;
    QList<ArticleOverride> overrides;
    QStringList overrideOptions; // "--set" or "--unset", one per override
    // --import: the mission, addon or Mod whose proposals are taken on top
    // of the article (the article file may then be left out).
    QString importPath;
    bool importOnly = false; // print the merged article as JSON instead
    QString gamePath;        // --game: the installation whose addons are official
};

struct CommandLine {
    CommandLineOptions options;
    // Set when the program ends here: after the help or the version
    // (output, for standard output) or a usage problem (error, one line for
    // standard error, without its line end).
    std::optional<int> exitStatus;
    QString output;
    QString error;
};

CommandLine parseCommandLine(const QStringList &arguments);

// A text in double quotes, as the messages name files and values.
QString quoted(const QString &text);

} // namespace kestrin
