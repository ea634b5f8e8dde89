// SPDX-License-Identifier: MIT
// The atomic save on a real file system: what fails, what it reports, and
// that an existing file survives every failure byte for byte.
#include "atomicfileservice.h"
#include "childprocess.h"
#include "fileservice.h"
#include "golden.h"
#include "services.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

using namespace kestrin;

namespace {

const QString kText = QStringLiteral("line one\r\nline two");

class Save : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }

    SaveResult save(const QString &path, QStringView text = kText)
    {
        return AtomicTextFileService().writeLine(path, text, TextEncoder::codePage(1252));
    }

    QStringList entries(const QString &folder) const
    {
        return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    }

    QTemporaryDir dir;
};

} // namespace

TEST_F(Save, WritesTheTextAndOneLineEnd)
{
    const QString path = dir.filePath(QStringLiteral("a.txt"));
    const SaveResult r = save(path);
    EXPECT_TRUE(r.ok) << r.error.toStdString();
    EXPECT_EQ(readFileBytes(path), QByteArray("line one\r\nline two\r\n"));
    EXPECT_EQ(entries(dir.path()), QStringList{"a.txt"});
}

TEST_F(Save, ReplacesALongerFileWholly)
{
    const QString path = dir.filePath(QStringLiteral("a.txt"));
    ASSERT_TRUE(writeFileBytes(path, QByteArray(1 << 20, 'o')));
    ASSERT_TRUE(save(path).ok);
    EXPECT_EQ(readFileBytes(path), QByteArray("line one\r\nline two\r\n"));
}

TEST_F(Save, LargeTextsAreWrittenInFull)
{
    // Larger than one write chunk, with a surrogate pair across the boundary.
    QString text(256 * 1024 - 1, QLatin1Char('a'));
    text += QStringLiteral("😀tail");
    const QString path = dir.filePath(QStringLiteral("big.txt"));
    ASSERT_TRUE(AtomicTextFileService().writeLine(path, text, TextEncoder::utf8(false)).ok);
    const QByteArray bytes = readFileBytes(path);
    EXPECT_EQ(bytes.size(), 256 * 1024 - 1 + 4 + 4 + 2);
    EXPECT_TRUE(bytes.endsWith("\xF0\x9F\x98\x80tail\r\n"));
}

TEST_F(Save, FailuresReportTheReasonAndLeaveNothingBehind)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder")));
    struct Case {
        const char *name;
        QString path;
    };
    const Case cases[] = {
        {"missing folder", dir.filePath(QStringLiteral("missing/a.txt"))},
        {"folder as the file name", dir.filePath(QStringLiteral("folder"))},
        {"empty name", QString()},
    };
    for (const Case &c : cases) {
        const SaveResult r = save(c.path);
        EXPECT_FALSE(r.ok) << c.name;
        EXPECT_FALSE(r.error.isEmpty()) << c.name;
    }
    EXPECT_EQ(entries(dir.path()), QStringList{"folder"});
    EXPECT_TRUE(entries(dir.filePath(QStringLiteral("folder"))).isEmpty());
}

TEST_F(Save, ReadOnlyFolderAndFileAreLeftAlone)
{
    // The folders must be reachable by the unprivileged child.
    ASSERT_TRUE(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
                                                      | QFile::ReadOther | QFile::ExeOther | QFile::ReadGroup
                                                      | QFile::ExeGroup));
    const QString locked = dir.filePath(QStringLiteral("locked"));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("locked")));
    const QString existing = locked + QStringLiteral("/old.txt");
    const QByteArray old(5000, 'k');
    ASSERT_TRUE(writeFileBytes(existing, old));
    const auto readOnly =
        QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther | QFile::ReadGroup | QFile::ExeGroup;
    ASSERT_TRUE(QFile::setPermissions(locked, readOnly));
    ASSERT_TRUE(QFile::setPermissions(existing, QFile::ReadOwner | QFile::ReadOther | QFile::ReadGroup));

    struct Case {
        const char *name;
        QString path;
    };
    const Case cases[] = {
        {"new file in a read-only folder", locked + QStringLiteral("/new.txt")},
        {"existing read-only file in a read-only folder", existing},
    };
    for (const Case &c : cases) {
        const int status = runInChild(
            [&] {
                const SaveResult r = save(c.path);
                return !r.ok && !r.error.isEmpty();
            },
            true);
        EXPECT_EQ(status, 0) << c.name;
    }
    EXPECT_EQ(readFileBytes(existing), old);
    EXPECT_EQ(entries(locked), QStringList{"old.txt"});
    QFile::setPermissions(locked, readOnly | QFile::WriteOwner);
}

TEST_F(Save, AWriteThatFailsPartWayKeepsTheOldFileIntact)
{
    // A file-size limit makes the write fail after 64 KiB, as a full disk would.
    const QString path = dir.filePath(QStringLiteral("keep.txt"));
    QByteArray old;
    for (int i = 0; i < 20000; ++i)
        old += "old content " + QByteArray::number(i) + "\r\n";
    ASSERT_TRUE(writeFileBytes(path, old));
    const QString text(400 * 1024, QLatin1Char('n'));

    const int status = runInChild([&] {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{64 * 1024, 64 * 1024};
        if (setrlimit(RLIMIT_FSIZE, &limit) != 0) {
            std::perror("setrlimit");
            return false;
        }
        const SaveResult r = AtomicTextFileService().writeLine(path, text, TextEncoder::codePage(1252));
        if (r.ok || !r.error.contains(QStringLiteral("too large"), Qt::CaseInsensitive)) {
            std::fprintf(stderr, "save gave: ok=%d error=%s\n", int(r.ok), qPrintable(r.error));
            return false;
        }
        return true;
    });
    EXPECT_EQ(status, 0);
    EXPECT_EQ(readFileBytes(path), old);
    EXPECT_EQ(entries(dir.path()), QStringList{"keep.txt"});
}

TEST_F(Save, APipeWhoseReaderGoesAwayFailsTheSaveAndTheProgramLivesOn)
{
    const QString fifo = dir.filePath(QStringLiteral("pipe"));
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    // The reader waits for the first bytes and leaves without reading: the
    // text (more than a pipe holds) cannot all be written.
    const int reader = open(QFile::encodeName(fifo).constData(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    std::thread leave([reader] {
        pollfd p{reader, POLLIN, 0};
        poll(&p, 1, 20000);
        close(reader);
    });
    const int status = runInChild([&] {
        close(reader); // the child's copy would keep the pipe read
        const SaveResult r = save(fifo, QString(1 << 20, QLatin1Char('x')));
        if (!r.ok && r.error == QLatin1String("Broken pipe"))
            return true;
        std::fprintf(stderr, "save gave: ok=%d error=%s\n", int(r.ok), qPrintable(r.error));
        return false;
    });
    leave.join();
    EXPECT_EQ(status, 0);
}

TEST_F(Save, TextTheCodePageCannotHoldLeavesAFileWrittenInPlaceUntouched)
{
    // A writable file in a folder that takes no new files is rewritten in
    // place, so the text is encoded whole before the file is touched.
    ASSERT_EQ(chmod(QFile::encodeName(dir.path()).constData(), 0755), 0);
    const QString path = dir.filePath(QStringLiteral("readme.txt"));
    ASSERT_TRUE(writeFileBytes(path, "old\r\n"));
    ASSERT_EQ(chmod(QFile::encodeName(path).constData(), 0666), 0);
    const QString text = QString(300 * 1024, QLatin1Char('a')) + QStringLiteral("Ж");
    const int status = runInChild(
        [&] {
            const SaveResult r = save(path, text);
            return !r.ok && r.unmappable;
        },
        true);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(readFileBytes(path), QByteArray("old\r\n"));
}
