// SPDX-License-Identifier: MIT
// kestrin-readme writing into POSIX pipes: a reader that goes away early
// (no death by SIGPIPE, one message) and a named pipe whose reader comes
// late (waited for, every byte delivered).
#include "clitestsupport.h"
#include "golden.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

class CliPipes : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }

    QString path(const QString &name) const { return dir.filePath(name); }

    CliResult run(const QStringList &args)
    {
        CliRun r;
        r.args = args;
        r.workingDirectory = dir.path();
        return runCli(r);
    }

    QTemporaryDir dir;
};

} // namespace

TEST_F(CliPipes, BrokenPipeEndsWithStatusOneAndOneMessage)
{
    // Far more than a pipe holds, so that the reader has gone before the end.
    QByteArray big = readFileBytes(sourcePath(QStringLiteral("examples/harbour-raid.json")));
    big.replace("\"Take the harbour before dawn.\"", "\"" + QByteArray(4 << 20, 'x') + "\"");
    ASSERT_TRUE(writeFileBytes(path(QStringLiteral("big.json")), big));
    for (const char *format : {"text", "bbcode", "markdown"}) {
        QProcess sh;
        sh.setWorkingDirectory(dir.path());
        sh.start(QStringLiteral("/bin/bash"),
                 {QStringLiteral("-c"),
                  QStringLiteral("\"$0\" --format %1 big.json 2>err | head -c10 >/dev/null; "
                                 "echo ${PIPESTATUS[0]}")
                      .arg(QLatin1String(format)),
                  QStringLiteral(KESTRIN_README_EXE)});
        ASSERT_TRUE(sh.waitForFinished(30000));
        EXPECT_EQ(sh.readAllStandardOutput(), "1\n") << format; // not 141, death by SIGPIPE
        EXPECT_EQ(readFileBytes(path(QStringLiteral("err"))),
                  "kestrin-readme: cannot write to standard output: Broken pipe\n")
            << format;
    }
}

TEST_F(CliPipes, EveryFormatWaitsForTheReaderOfANamedPipe)
{
    const QString article = sourcePath(QStringLiteral("examples/harbour-raid.json"));
    for (const char *format : {"text", "bbcode", "markdown"}) {
        const QString fifo = path(QStringLiteral("pipe-") + QLatin1String(format));
        ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0644), 0);
        const QByteArray expected = run({QStringLiteral("--format"), QLatin1String(format), article}).out;
        QProcess cli;
        cli.start(QStringLiteral(KESTRIN_README_EXE),
                  {QStringLiteral("--format"), QLatin1String(format), QStringLiteral("-o"), fifo, article});
        // The reader comes late, and reads until the writer has finished.
        EXPECT_FALSE(cli.waitForFinished(500)) << format;
        const int reader = ::open(QFile::encodeName(fifo).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        ASSERT_GE(reader, 0);
        QByteArray got;
        char buffer[4096];
        for (int round = 0; round < 500; ++round) {
            const ssize_t n = ::read(reader, buffer, sizeof buffer);
            if (n > 0)
                got.append(buffer, n);
            else if (cli.waitForFinished(20) || cli.state() == QProcess::NotRunning)
                break;
        }
        for (ssize_t n; (n = ::read(reader, buffer, sizeof buffer)) > 0;)
            got.append(buffer, n);
        ::close(reader);
        EXPECT_EQ(got, expected) << format;
        ASSERT_TRUE(cli.state() == QProcess::NotRunning || cli.waitForFinished(10000));
        EXPECT_EQ(cli.exitCode(), 0) << format << cli.readAllStandardError().toStdString();
    }
}
