// SPDX-License-Identifier: MIT
// kestrin-readme's command line read in-process: each command line gives
// its options, or the help, the version or a usage message with the exit
// status. What the program then does with them is cli_test.cpp's.
#include "commandline.h"

#include <kestrin/version.h>

#include <gtest/gtest.h>

#include <functional>

using namespace kestrin;

namespace {

struct Row {
    const char *name;
    QStringList arguments; // without the program's name
    // Read: the options are checked; otherwise the exit status and the
    // message (error, or the start of the output).
    std::function<void(const CommandLineOptions &)> check;
    int exitStatus = -1;
    QString message;
};

QStringList withProgram(const QStringList &arguments)
{
    return QStringList{QStringLiteral("kestrin-readme")} + arguments;
}

QString usage(const char *message)
{
    return QStringLiteral("kestrin-readme: ") + QString::fromUtf8(message);
}

QList<Row> rows()
{
    return {
        {"article alone: the defaults",
         {"a.json"},
         [](const CommandLineOptions &o) {
             EXPECT_EQ(o.articlePath, QStringLiteral("a.json"));
             EXPECT_TRUE(o.outputPath.isEmpty());
             EXPECT_EQ(o.encoding, QStringLiteral("ansi"));
             EXPECT_FALSE(o.replace);
             EXPECT_EQ(o.format, ReadmeFormat::PlainText);
             EXPECT_TRUE(o.overrides.isEmpty());
             EXPECT_TRUE(o.importPath.isEmpty());
         },
         -1,
         {}},
        {"output, encoding and replace",
         {"-o", "out.txt", "--encoding", "utf-8-bom", "--replace", "a.json"},
         [](const CommandLineOptions &o) {
             EXPECT_EQ(o.outputPath, QStringLiteral("out.txt"));
             EXPECT_EQ(o.encoding, QStringLiteral("utf-8-bom"));
             EXPECT_TRUE(o.replace);
         },
         -1,
         {}},
        {"format in any case",
         {"--format", "MarkDown", "-", "--output=-"},
         [](const CommandLineOptions &o) {
             EXPECT_EQ(o.format, ReadmeFormat::Markdown);
             EXPECT_EQ(o.articlePath, QStringLiteral("-"));
             EXPECT_EQ(o.outputPath, QStringLiteral("-"));
         },
         -1,
         {}},
        {"set and unset in the order given",
         {"--set", "version=1.3", "--unset", "notes", "a.json", "--set", "name=a=b"},
         [](const CommandLineOptions &o) {
             ASSERT_EQ(o.overrides.size(), 3);
             EXPECT_EQ(o.overrides[0].key, QStringLiteral("version"));
             EXPECT_EQ(o.overrides[0].value, QStringLiteral("1.3"));
             EXPECT_EQ(o.overrides[1].key, QStringLiteral("notes"));
             EXPECT_FALSE(o.overrides[1].value.has_value());
             EXPECT_EQ(o.overrides[2].key, QStringLiteral("name"));
             EXPECT_EQ(o.overrides[2].value, QStringLiteral("a=b"));
             EXPECT_EQ(o.overrideOptions, QStringList({"--set", "--unset", "--set"}));
         },
         -1,
         {}},
        {"import without an article",
         {"--import", "co08.pbo", "--import-only", "--game", "/games/arma2"},
         [](const CommandLineOptions &o) {
             EXPECT_TRUE(o.articlePath.isEmpty());
             EXPECT_EQ(o.importPath, QStringLiteral("co08.pbo"));
             EXPECT_TRUE(o.importOnly);
             EXPECT_EQ(o.gamePath, QStringLiteral("/games/arma2"));
         },
         -1,
         {}},

        {"help, before any problem",
         {"a.json", "b.json", "--help"},
         {},
         kExitWritten,
         QStringLiteral("Usage: kestrin-readme [OPTION]... ARTICLE.json\n")},
        {"version", {"-o", "x", "--version"}, {}, kExitWritten, QStringLiteral("kestrin-readme " KESTRIN_VERSION "\n")},

        {"nothing", {}, {}, kExitBadInput, usage("no article file given (see --help)")},
        {"two articles",
         {"a.json", "b.json"},
         {},
         kExitBadInput,
         usage("one article file expected, but 2 were given (see --help)")},
        {"unknown long option",
         {"--bogus", "a.json"},
         {},
         kExitBadInput,
         usage("unknown option \"--bogus\" (see --help)")},
        {"unknown short option", {"-x", "a.json"}, {}, kExitBadInput, usage("unknown option \"-x\" (see --help)")},
        {"value missing at the end",
         {"a.json", "--format"},
         {},
         kExitBadInput,
         usage("option \"--format\" needs a value (see --help)")},
        {"empty output",
         {"a.json", "-o", ""},
         {},
         kExitBadInput,
         usage("option \"--output\" needs a file name (\"-\" for standard output)")},
        {"unknown format",
         {"--format", "pdf", "a.json"},
         {},
         kExitBadInput,
         usage("unknown format \"pdf\"; the formats are text, bbcode and markdown")},
        {"encoding with bbcode",
         {"--format", "bbcode", "--encoding", "utf-8", "a.json"},
         {},
         kExitBadInput,
         usage("option \"--encoding\" applies to --format text only; bbcode is always written in UTF-8")},
        {"replace with markdown",
         {"--replace", "--format", "markdown", "a.json"},
         {},
         kExitBadInput,
         usage("option \"--replace\" applies to --format text only; markdown is always written in UTF-8")},
        {"set without a key",
         {"--set", "=1.3", "a.json"},
         {},
         kExitBadInput,
         usage("--set \"=1.3\" is not of the form KEY=VALUE")},
        {"set without a value",
         {"--set", "version", "a.json"},
         {},
         kExitBadInput,
         usage("--set \"version\" is not of the form KEY=VALUE")},
        {"import with an empty path",
         {"--import", "", "a.json"},
         {},
         kExitBadInput,
         usage("options \"--import\" and \"--game\" need a path")},
        {"game without import",
         {"--game", "/games/arma2", "a.json"},
         {},
         kExitBadInput,
         usage("options \"--import-only\" and \"--game\" need \"--import\"")},
    };
}

} // namespace

TEST(CommandLine, OptionsOrTheMessageAndExitStatus)
{
    for (const Row &row : rows()) {
        SCOPED_TRACE(row.name);
        const CommandLine line = parseCommandLine(withProgram(row.arguments));
        if (row.check) {
            EXPECT_FALSE(line.exitStatus.has_value()) << line.error.toStdString();
            EXPECT_TRUE(line.error.isEmpty());
            EXPECT_TRUE(line.output.isEmpty());
            row.check(line.options);
            continue;
        }
        ASSERT_TRUE(line.exitStatus.has_value());
        EXPECT_EQ(*line.exitStatus, row.exitStatus);
        if (row.exitStatus == kExitWritten) {
            EXPECT_TRUE(line.error.isEmpty());
            EXPECT_TRUE(line.output.startsWith(row.message)) << line.output.toStdString();
        } else {
            EXPECT_TRUE(line.output.isEmpty());
            EXPECT_EQ(line.error.toStdString(), row.message.toStdString());
        }
    }
}

TEST(CommandLine, HelpListsTheKeysAndTheImport)
{
    const CommandLine line = parseCommandLine(withProgram({QStringLiteral("-h")}));
    EXPECT_TRUE(line.output.contains(QStringLiteral("Keys for --set and --unset:\n  kind, name,")));
    EXPECT_TRUE(line.output.contains(QStringLiteral("contacts.skype")));
    EXPECT_FALSE(line.output.contains(QStringLiteral("formatVersion")));
    EXPECT_TRUE(line.output.contains(QStringLiteral("  --import PATH ")));
}
