// SPDX-License-Identifier: MIT
// The save on a Windows file system (run under Wine here): what it refuses
// and how it says so, that a refused or failed save leaves the old file as
// it was, and what it keeps of the file it replaces.
#include "atomicfileservice.h"
#include "fileservice.h"
#include "golden.h"
#include "windowspaths.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <functional>

#include <windows.h>

using namespace kestrin;

namespace {

const QString kText = QStringLiteral("line one\r\nline two");
const QByteArray kOld("the old file\r\n");

const wchar_t *wide(const QString &path)
{
    return reinterpret_cast<const wchar_t *>(path.utf16());
}

QString native(const QString &path)
{
    return extendedLengthPath(QDir::toNativeSeparators(path));
}

DWORD attributesOf(const QString &path)
{
    return GetFileAttributesW(wide(native(path)));
}

class WindowsSave : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }

    SaveResult save(const QString &path)
    {
        return AtomicTextFileService().writeLine(path, kText, TextEncoder::codePage(1252));
    }
    QStringList entries(const QString &folder) const
    {
        return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    }

    QTemporaryDir dir;
};

} // namespace

// Each way the save is refused: the message, the old bytes kept, and no
// temporary file left in the folder.
TEST_F(WindowsSave, RefusalsKeepTheOldFileAndSaySo)
{
    struct Row {
        const char *name;
        std::function<HANDLE(const QString &)> hold; // set the file up; a handle to close afterwards
        const char *message;                         // a part of the error
        bool namesFile;
    };
    const Row rows[] = {
        {"read-only attribute",
         [](const QString &path) {
             SetFileAttributesW(wide(native(path)), FILE_ATTRIBUTE_READONLY);
             return INVALID_HANDLE_VALUE;
         },
         "The file is read-only", false},
        {"held open without sharing",
         [](const QString &path) {
             return CreateFileW(wide(native(path)), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
         },
         "is open in another program", true},
        {"held open for reading only",
         [](const QString &path) {
             return CreateFileW(wide(native(path)), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
         },
         "is open in another program", true},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        const QString path = dir.filePath(QString::fromLatin1(row.name) + QStringLiteral(".txt"));
        ASSERT_TRUE(writeFileBytes(path, kOld));
        const HANDLE held = row.hold(path);
        const SaveResult r = save(path);
        if (held != INVALID_HANDLE_VALUE)
            CloseHandle(held);
        SetFileAttributesW(wide(native(path)), FILE_ATTRIBUTE_NORMAL);
        EXPECT_FALSE(r.ok);
        EXPECT_TRUE(r.error.contains(QLatin1String(row.message))) << r.error.toStdString();
        if (row.namesFile) {
            EXPECT_TRUE(r.error.contains(QDir::toNativeSeparators(path))) << r.error.toStdString();
        }
        EXPECT_EQ(readFileBytes(path), kOld);
        EXPECT_EQ(entries(dir.path()).size(), 1) << entries(dir.path()).join(QLatin1Char(' ')).toStdString();
        QFile::remove(path);
    }
}

// What the replaced file keeps: its attributes and its creation time; the
// content is the new one and nothing else is left in the folder.
TEST_F(WindowsSave, ReplacingKeepsAttributesAndCreationTime)
{
    const QString path = dir.filePath(QStringLiteral("kept.txt"));
    ASSERT_TRUE(writeFileBytes(path, kOld));
    ASSERT_TRUE(SetFileAttributesW(wide(native(path)), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE));
    WIN32_FILE_ATTRIBUTE_DATA before{};
    ASSERT_TRUE(GetFileAttributesExW(wide(native(path)), GetFileExInfoStandard, &before));
    Sleep(20);

    const SaveResult r = save(path);
    ASSERT_TRUE(r.ok) << r.error.toStdString();
    EXPECT_EQ(readFileBytes(path), QByteArray("line one\r\nline two\r\n"));
    WIN32_FILE_ATTRIBUTE_DATA after{};
    ASSERT_TRUE(GetFileAttributesExW(wide(native(path)), GetFileExInfoStandard, &after));
    EXPECT_TRUE(after.dwFileAttributes & FILE_ATTRIBUTE_HIDDEN);
    EXPECT_EQ(CompareFileTime(&before.ftCreationTime, &after.ftCreationTime), 0);
    EXPECT_EQ(entries(dir.path()), QStringList{QStringLiteral("kept.txt")});
}

// Reserved device names are the devices in every folder: written to, or
// refused where the device cannot take it, never replaced by a file of that
// name and never leaving a temporary file beside it.
TEST_F(WindowsSave, DeviceNamesAreWrittenToOrRefusedNeverReplaced)
{
    const struct {
        const char *name;
        bool writable; // the device takes the bytes (NUL always does)
        // (no COM1..COM4: Wine maps them to the build machine's serial ports)
    } rows[] = {
        {"NUL", true},  {"nul.txt", true},   {"NUL.readme.txt", true},
        {"CON", false}, {"COM9.txt", false}, {"lpt9", false},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const SaveResult r = save(dir.filePath(QString::fromLatin1(row.name)));
        if (row.writable) {
            EXPECT_TRUE(r.ok) << r.error.toStdString();
        } else if (!r.ok) {
            EXPECT_FALSE(r.error.isEmpty());
        }
        EXPECT_TRUE(entries(dir.path()).isEmpty()) << entries(dir.path()).join(QLatin1Char(' ')).toStdString();
    }
}

// Beyond 260 characters: a new file and a replaced one.
TEST_F(WindowsSave, LongPathsWork)
{
    QString folder = dir.path();
    while (folder.size() < 300)
        folder += QStringLiteral("/a-folder-name-of-forty-characters-long");
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString path = folder + QStringLiteral("/ReadMe.txt");
    ASSERT_GT(QDir::toNativeSeparators(path).size(), 300);
    for (int round = 0; round < 2; ++round) {
        const SaveResult r = save(path);
        ASSERT_TRUE(r.ok) << r.error.toStdString();
        EXPECT_EQ(readFileBytes(path), QByteArray("line one\r\nline two\r\n"));
    }
    EXPECT_EQ(entries(folder), QStringList{QStringLiteral("ReadMe.txt")});
}

// A folder is refused with the same message as on the other systems.
TEST_F(WindowsSave, AFolderIsRefused)
{
    const SaveResult r = save(dir.path());
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.error, QStringLiteral("Filename refers to a directory"));
}
