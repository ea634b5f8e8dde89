// SPDX-License-Identifier: MIT
#include "chmarchive.h"
#include "helptestsupport.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdio>
#include <sys/wait.h>
#include <unistd.h>

namespace kestrin::help {
namespace {

using namespace testing;

TEST(ChmArchive, BuiltHelpDeclaresTitleDefaultTopicAndContents)
{
    ChmArchive archive;
    ASSERT_TRUE(archive.open(builtHelpFile())) << archive.errorString().toStdString();
    EXPECT_EQ(archive.title(), QStringLiteral("Kestrin Editor Help"));
    EXPECT_EQ(archive.defaultTopic(), QStringLiteral("/index.html"));
    EXPECT_EQ(archive.contentsFile(), QStringLiteral("/contents.hhc"));
    EXPECT_TRUE(archive.errorString().isEmpty());
}

TEST(ChmArchive, BuiltHelpHoldsEveryPagePictureAndStyleSheet)
{
    ChmArchive archive;
    ASSERT_TRUE(archive.open(builtHelpFile()));
    QStringList expected = helpTopicsInOrder();
    expected << QStringLiteral("/kestrin.css") << QStringLiteral("/images/main-window.png")
             << QStringLiteral("/images/create-flow.png") << QStringLiteral("/contents.hhc");
    const QStringList entries = archive.entries();
    for (const QString &path : expected) {
        EXPECT_TRUE(entries.contains(path)) << path.toStdString();
        const std::optional<QByteArray> data = archive.read(path);
        ASSERT_TRUE(data.has_value()) << path.toStdString();
        EXPECT_EQ(*data, readBytes(QStringLiteral(KESTRIN_HELP_SOURCE_DIR) + path)) << path.toStdString();
    }
}

TEST(ChmArchive, LooksUpPathsAsTheFormatDoes)
{
    ChmArchive archive;
    ASSERT_TRUE(archive.open(builtHelpFile()));
    EXPECT_TRUE(archive.contains(QStringLiteral("topics/create.html")));
    EXPECT_TRUE(archive.contains(QStringLiteral("/TOPICS/Create.HTML")));
    EXPECT_TRUE(archive.contains(QStringLiteral("/topics/../index.html")));
    EXPECT_FALSE(archive.contains(QStringLiteral("/topics/nothing.html")));
    EXPECT_FALSE(archive.read(QStringLiteral("/topics/nothing.html")).has_value());
    EXPECT_FALSE(archive.read(QString(600, QLatin1Char('a'))).has_value());
}

TEST(ChmArchive, NormalizesPaths)
{
    const struct {
        const char *in;
        const char *out;
    } cases[] = {
        {"index.html", "/index.html"},
        {"/index.html", "/index.html"},
        {"topics/./a.html", "/topics/a.html"},
        {"topics/../b.html", "/b.html"},
        {"../../b.html", "/b.html"},
        {"..", "/"},
        {"topics\\a.html", "/topics/a.html"},
        {"ms-its:Kestrin_Editor_Help.chm::/topics/a.html", "/topics/a.html"},
        {"mk:@MSITStore:C:\\Help\\k.chm::/a.html", "/a.html"},
        {"  /a.html  ", "/a.html"},
        {"", "/"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ChmArchive::normalizePath(QString::fromUtf8(c.in)), QString::fromUtf8(c.out)) << c.in;
}

TEST(ChmArchive, RefusesWhatIsNotAReadableHelpFile)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString missing = dir.filePath(QStringLiteral("missing.chm"));
    const QString empty = dir.filePath(QStringLiteral("empty.chm"));
    const QString text = dir.filePath(QStringLiteral("text.chm"));
    writeBytes(empty, {});
    writeBytes(text, "Not a help file");
    const struct {
        QString path;
        const char *reason;
    } cases[] = {
        {missing, "the file does not exist."},
        {dir.path(), "it is a folder, not a file."},
        {empty, "the file is empty."},
        {text, "it is not a compiled HTML Help (.chm) file."},
    };
    for (const auto &c : cases) {
        ChmArchive archive;
        EXPECT_FALSE(archive.open(c.path)) << c.reason;
        EXPECT_FALSE(archive.isOpen());
        EXPECT_EQ(archive.errorString(), QString::fromUtf8(c.reason));
        EXPECT_EQ(archive.fileName(), c.path);
        EXPECT_FALSE(archive.read(QStringLiteral("/index.html")).has_value());
        EXPECT_TRUE(archive.entries().isEmpty());
    }
}

TEST(ChmArchive, RefusesAFileItMayNotRead)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("locked.chm"));
    ASSERT_TRUE(QFile::copy(builtHelpFile(), path));
    ASSERT_TRUE(QFile::setPermissions(path, QFileDevice::WriteOwner));
    ASSERT_TRUE(QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                                      | QFileDevice::ExeOwner | QFileDevice::ReadOther
                                                      | QFileDevice::ExeOther));
    const auto refused = [&path] {
        ChmArchive archive;
        const bool opened = archive.open(path);
        const bool named = archive.errorString().contains(QStringLiteral("Permission denied"));
        if (opened || !named)
            std::fprintf(stderr, "opened=%d error=%s\n", int(opened), qPrintable(archive.errorString()));
        return !opened && named;
    };
    if (::geteuid() != 0) {
        EXPECT_TRUE(refused());
        return;
    }
    // Root reads every file: the check runs in a child that gives root up.
    const pid_t pid = ::fork();
    if (pid == 0) {
        if (::setgid(65534) != 0 || ::setuid(65534) != 0)
            ::_exit(3);
        ::_exit(refused() ? 0 : 1);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    EXPECT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

// Every kind of damage is either refused when the file is opened or leaves
// pages that cannot be read; reading never crashes and never returns a page
// of the wrong length.
TEST(ChmArchive, SurvivesDamagedFiles)
{
    const QByteArray good = readBytes(builtHelpFile());
    ChmArchive reference;
    ASSERT_TRUE(reference.open(builtHelpFile()));
    QTemporaryDir dir;
    for (const Damage &damage : damages()) {
        SCOPED_TRACE(damage.name);
        const QString path = dir.filePath(QString::fromUtf8(damage.name) + QStringLiteral(".chm"));
        writeBytes(path, damage.apply(good));
        ChmArchive archive;
        if (!archive.open(path)) {
            ASSERT_TRUE(damage.detectable()) << archive.errorString().toStdString();
            EXPECT_TRUE(archive.errorString().startsWith(QString::fromUtf8(damage.reason)))
                << archive.errorString().toStdString();
            continue;
        }
        int readable = 0;
        for (const QString &page : helpTopicsInOrder()) {
            const std::optional<QByteArray> data = archive.read(page);
            if (data) {
                ++readable;
                EXPECT_EQ(data->size(), reference.read(page)->size()) << page.toStdString();
            }
        }
        if (damage.detectable()) {
            EXPECT_LT(readable, helpTopicsInOrder().size()) << "the damage went unnoticed";
        }
        archive.entries();
    }
}

// Truncation at every 1/64 of the file, to catch a read past the end in
// any part of the format.
TEST(ChmArchive, SurvivesTruncationAnywhere)
{
    const QByteArray good = readBytes(builtHelpFile());
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("cut.chm"));
    for (int part = 1; part < 64; ++part) {
        const qsizetype size = good.size() * part / 64;
        writeBytes(path, good.left(size));
        ChmArchive archive;
        if (archive.open(path)) {
            for (const QString &page : helpTopicsInOrder())
                archive.read(page);
            archive.read(QStringLiteral("/images/main-window.png"));
            archive.entries();
        }
    }
    SUCCEED();
}

} // namespace
} // namespace kestrin::help
