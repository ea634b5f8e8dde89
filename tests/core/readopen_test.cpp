// SPDX-License-Identifier: MIT
// Opening the user's files for reading on the real file system: what each
// kind of path turns out to be, what is opened, and that nothing waits.
#include "readopen.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#ifndef Q_OS_WIN
#include <sys/stat.h>
#endif

using namespace kestrin::fileio;

namespace {

struct Row {
    const char *name;
    QString path; // relative to the test's folder unless absolute
    Streams streams;
    bool opened;
    FileKind kind;
    bool systemError;
};

QString kindName(FileKind kind)
{
    switch (kind) {
    case FileKind::Regular: return QStringLiteral("regular");
    case FileKind::Folder: return QStringLiteral("folder");
    case FileKind::Stream: return QStringLiteral("stream");
    }
    return {};
}

} // namespace

TEST(ReadOpen, EachKindOfPathIsToldFromTheOpenedFile)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    {
        QFile text(dir.filePath(QStringLiteral("text.txt")));
        ASSERT_TRUE(text.open(QIODevice::WriteOnly));
        text.write("twelve bytes");
    }
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder")));
    const auto R = Streams::Refuse;
    const auto O = Streams::Open;
    std::vector<Row> rows = {
        {"regular file", QStringLiteral("text.txt"), R, true, FileKind::Regular, false},
        {"regular file, streams too", QStringLiteral("text.txt"), O, true, FileKind::Regular, false},
        {"folder", QStringLiteral("folder"), R, false, FileKind::Folder, false},
        {"folder, streams too", QStringLiteral("folder"), O, false, FileKind::Folder, false},
        {"missing", QStringLiteral("missing.txt"), R, false, FileKind::Regular, true},
        {"in a missing folder", QStringLiteral("nowhere/text.txt"), O, false, FileKind::Regular, true},
    };
#ifdef Q_OS_WIN
    rows.push_back({"device", QStringLiteral("\\\\.\\NUL"), R, false, FileKind::Stream, false});
#else
    // A FIFO without a writer: refused, or opened, but never waited on.
    ASSERT_EQ(mkfifo(QFile::encodeName(dir.filePath(QStringLiteral("pipe"))).constData(), 0600), 0);
    rows.push_back({"pipe", QStringLiteral("pipe"), R, false, FileKind::Stream, false});
    rows.push_back({"pipe, streams too", QStringLiteral("pipe"), O, true, FileKind::Stream, false});
    rows.push_back({"device", QStringLiteral("/dev/null"), R, false, FileKind::Stream, false});
    rows.push_back({"device, streams too", QStringLiteral("/dev/null"), O, true, FileKind::Stream, false});
#endif
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        const QString path = QDir(dir.path()).filePath(row.path);
        QFile file;
        QElapsedTimer timer;
        timer.start();
        const ReadOpening opening = openForReading(file, path, row.streams);
        EXPECT_LT(timer.elapsed(), 5000) << "the open waited";
        EXPECT_EQ(opening.opened, row.opened);
        EXPECT_EQ(file.isOpen(), row.opened);
        EXPECT_EQ(opening.systemError != 0, row.systemError);
        EXPECT_EQ(!opening.error.isEmpty(), row.systemError) << opening.error.toStdString();
        if (!row.systemError) {
            EXPECT_EQ(kindName(opening.kind), kindName(row.kind));
        }
    }
}

TEST(ReadOpen, ARegularFileIsReadWholeWithItsSize)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("a.txt"));
    const QByteArray bytes(100000, 'x');
    {
        QFile out(path);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(bytes);
    }
    QFile file;
    const ReadOpening opening = openForReading(file, path);
    ASSERT_TRUE(opening.opened);
    EXPECT_EQ(opening.size, bytes.size());
    // Read as any blocking file: all of it, in one call.
    EXPECT_EQ(file.readAll(), bytes);
}
