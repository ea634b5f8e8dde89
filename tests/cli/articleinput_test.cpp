// SPDX-License-Identifier: MIT
// Article input that is endless, oversized or pathological: it is refused
// or reported within bounded memory and in one pass, and a file of a newer
// format is told apart from other problems.
#include "article.h"
#include "articlereader.h"
#include "clitestsupport.h"
#include "golden.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

using namespace kestrin;

namespace {

struct InputRun {
    QStringList args;
    QString stdinFile = {}; // standard input comes from this file when set
    bool fromYes = false;   // standard input is `yes`, which never ends
};

// Runs kestrin-readme in dir; standard output goes to dir/out.txt.
CliResult runWithInput(const InputRun &run, const QString &dir)
{
    QProcess yes;
    QProcess readme;
    readme.setWorkingDirectory(dir);
    readme.setStandardOutputFile(dir + QStringLiteral("/out.txt"));
    if (!run.stdinFile.isEmpty())
        readme.setStandardInputFile(run.stdinFile);
    if (run.fromYes) {
        yes.setStandardOutputProcess(&readme);
        yes.start(QStringLiteral("yes"), {});
    }
    readme.start(QStringLiteral(KESTRIN_README_EXE), run.args);
    CliResult result;
    // A guard against a hang only: the program ends within a second or two.
    const bool finished = readme.waitForFinished(30000);
    if (!finished)
        readme.kill();
    yes.kill();
    yes.waitForFinished();
    if (!finished)
        return result;
    result.crashed = readme.exitStatus() != QProcess::NormalExit;
    result.exitCode = readme.exitCode();
    result.err = messageLines(readme.readAllStandardError());
    return result;
}

bool makeFileOfSize(const QString &path, qint64 size)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.resize(size);
}

// A valid article of exactly size bytes: a description of that length.
bool makeArticleOfSize(const QString &path, qint64 size)
{
    const QByteArray head = "{\"description\": \"";
    const QByteArray tail = "\"}";
    return writeFileBytes(path, head + QByteArray(size - head.size() - tail.size(), 'a') + tail);
}

} // namespace

TEST(ArticleInput, EndlessOrOversizedInputIsRefusedAtTheLimit)
{
    const QString tooLarge = QStringLiteral("larger than 64 MiB, the most an article file may hold\n");
    struct Row {
        const char *name;
        InputRun run;
        int exit;
        QString message;
    };
    const Row rows[] = {
        {"a device that never ends",
         {{QStringLiteral("/dev/zero")}},
         2,
         QStringLiteral("/dev/zero: cannot read the article file: the file is ") + tooLarge},
        {"a pipe that never ends",
         {{QStringLiteral("-")}, {}, true},
         2,
         QStringLiteral("-: cannot read the article file: the input is ") + tooLarge},
        {"a file one byte over the limit",
         {{QStringLiteral("over.json")}},
         2,
         QStringLiteral("over.json: cannot read the article file: the file is ") + tooLarge},
        {"standard input from that file",
         {{QStringLiteral("-")}, QStringLiteral("over.json")},
         2,
         QStringLiteral("-: cannot read the article file: the input is ") + tooLarge},
        {"a valid file at the limit", {{QStringLiteral("limit.json"), QStringLiteral("--encoding=utf-8")}}, 0, {}},
    };
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ASSERT_TRUE(makeFileOfSize(dir.filePath(QStringLiteral("over.json")), kArticleFileSizeLimit + 1));
    ASSERT_TRUE(makeArticleOfSize(dir.filePath(QStringLiteral("limit.json")), kArticleFileSizeLimit));
    for (Row row : rows) {
        if (!row.run.stdinFile.isEmpty())
            row.run.stdinFile = dir.filePath(row.run.stdinFile);
        const CliResult r = runWithInput(row.run, dir.path());
        EXPECT_FALSE(r.crashed) << row.name;
        EXPECT_EQ(r.exitCode, row.exit) << row.name;
        EXPECT_EQ(r.errText().toStdString(), row.message.toStdString()) << row.name;
        const qint64 written = QFileInfo(dir.filePath(QStringLiteral("out.txt"))).size();
        EXPECT_EQ(written > kArticleFileSizeLimit - 100, row.exit == 0) << row.name << " wrote " << written;
    }
}

TEST(ArticleInput, HundredThousandKeysOnOneLineAreReportedInOnePass)
{
    // {"k0": 0, "k1": 0, ...} on one line: every key is unknown.
    constexpr int kKeys = 100000;
    QByteArray json = "{";
    QList<qsizetype> columns;
    for (int i = 0; i < kKeys; ++i) {
        json += i ? ", " : "";
        columns << json.size() + 1;
        json += "\"k" + QByteArray::number(i) + "\": 0";
    }
    json += "}";
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ASSERT_TRUE(writeFileBytes(dir.filePath(QStringLiteral("keys.json")), json));

    const CliResult r = runWithInput({{QStringLiteral("keys.json")}}, dir.path());
    EXPECT_EQ(r.exitCode, 2);
    const QStringList lines = r.errText().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), kArticleProblemListLimit + 1);
    const qsizetype last = kArticleProblemListLimit - 1;
    EXPECT_EQ(lines.first().toStdString(), "keys.json:1:2: unknown key \"k0\"; the closest known key is \"kind\"");
    EXPECT_TRUE(
        lines[last].startsWith(QStringLiteral("keys.json:1:%1: unknown key \"k%2\";").arg(columns[last]).arg(last)))
        << lines[last].toStdString();
    EXPECT_EQ(lines.last().toStdString(),
              "keys.json: and " + std::to_string(kKeys - kArticleProblemListLimit) + " more problems");
}

TEST(ArticleRead, NewerFormatIsToldApartFromOtherProblems)
{
    struct Row {
        const char *json;
        bool newer;
        const char *message; // of the one problem
    };
    const Row rows[] = {
        {R"({"bogus": 1, "formatVersion": 7, "name": 5})", true,
         "the file was written by a newer version of Kestrin Editor (format version 7); this version reads format "
         "version 1"},
        {R"({"formatVersion": 1.5})", false, "\"formatVersion\" must be a whole number such as 1, not 1.5"},
        {R"({"formatVersion": 0})", false, "\"formatVersion\" must be a whole number such as 1, not 0"},
        // Invalid JSON is reported first, whatever the version.
        {R"({"formatVersion": 2, "name": "\x"})", false,
         R"(invalid JSON: unknown escape "\x" in a text; the escapes are \" \\ \/ \b \f \n \r \t and \u followed by )"
         "four hexadecimal digits"},
    };
    for (const Row &row : rows) {
        const ArticleReadResult r = readArticle(row.json);
        ASSERT_EQ(r.problems.size(), 1) << row.json;
        EXPECT_EQ(r.newerFormat, row.newer) << row.json;
        EXPECT_EQ(r.problems.first().message.toStdString(), row.message) << row.json;
    }
}

TEST(ArticleRead, ReadingAFileTellsUnreadableFromInvalid)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ASSERT_TRUE(writeFileBytes(dir.filePath(QStringLiteral("ok.json")), R"({"name": "Harbour Raid"})"));
    ASSERT_TRUE(writeFileBytes(dir.filePath(QStringLiteral("bad.json")), R"({"name": 5})"));
    ASSERT_TRUE(makeFileOfSize(dir.filePath(QStringLiteral("over.json")), kArticleFileSizeLimit + 1));
    struct Row {
        const char *file;
        bool readable;
        bool ok;
        const char *error;
    };
    const Row rows[] = {
        {"ok.json", true, true, ""},
        {"bad.json", true, false, ""},
        {"missing.json", false, false, "No such file or directory"},
        {"over.json", false, false, "the file is larger than 64 MiB, the most an article file may hold"},
    };
    for (const Row &row : rows) {
        const ArticleFileRead read = readArticleFile(dir.filePath(QString::fromUtf8(row.file)));
        EXPECT_EQ(read.readable, row.readable) << row.file;
        EXPECT_EQ(read.ok(), row.ok) << row.file;
        EXPECT_EQ(read.error.toStdString(), row.error) << row.file;
    }
}
