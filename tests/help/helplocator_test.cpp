// SPDX-License-Identifier: MIT
#include "helplocator.h"
#include "helptestsupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace kestrin::help {
namespace {

using namespace testing;

// Restores the current directory when a test changed it.
class CurrentDirGuard {
public:
    CurrentDirGuard()
        : m_saved(QDir::currentPath())
    {
    }
    ~CurrentDirGuard() { QDir::setCurrent(m_saved); }

private:
    QString m_saved;
};

TEST(HelpFileLocator, SearchesCurrentThenProgramThenDataFolders)
{
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    const QStringList names{"current", "program", "data1", "data2"};
    for (const QString &name : names)
        ASSERT_TRUE(QDir(root.path()).mkdir(name));
    const auto dir = [&](const QString &name) { return root.filePath(name); };
    const HelpFileLocator locator(dir("current"), dir("program"), {dir("data1"), dir("data2")});
    EXPECT_EQ(locator.searchDirectories(), (QStringList{dir("current"), dir("program"), dir("data1"), dir("data2")}));

    // Which folders hold the file -> where it is found.
    const struct {
        QStringList holding;
        const char *found;
    } cases[] = {
        {{"current", "program", "data1", "data2"}, "current"},
        {{"program", "data1", "data2"}, "program"},
        {{"data1", "data2"}, "data1"},
        {{"data2"}, "data2"},
        {{"current", "data2"}, "current"},
        {{}, nullptr},
    };
    for (const auto &c : cases) {
        for (const QString &name : names)
            QFile::remove(QDir(dir(name)).filePath(kHelpFileName));
        for (const QString &name : c.holding)
            writeBytes(QDir(dir(name)).filePath(kHelpFileName), "x");
        const QString expected = c.found ? QDir(dir(QString::fromUtf8(c.found))).filePath(kHelpFileName) : QString();
        EXPECT_EQ(locator.find(), expected) << c.holding.join(QLatin1Char(',')).toStdString();
    }
}

TEST(HelpFileLocator, PassesOverFoldersOfThatNameAndRepeatedOrEmptyFolders)
{
    QTemporaryDir root;
    ASSERT_TRUE(QDir(root.path()).mkpath(QStringLiteral("current/") + kHelpFileName));
    ASSERT_TRUE(QDir(root.path()).mkdir(QStringLiteral("program")));
    writeBytes(root.filePath(QStringLiteral("program/") + kHelpFileName), "x");
    const HelpFileLocator locator(root.filePath(QStringLiteral("current")), root.filePath(QStringLiteral("program")),
                                  {QString(), root.filePath(QStringLiteral("program/../current")),
                                   root.filePath(QStringLiteral("program"))});
    EXPECT_EQ(locator.find(), root.filePath(QStringLiteral("program/") + kHelpFileName));
    EXPECT_EQ(locator.searchDirectories(),
              (QStringList{root.filePath(QStringLiteral("current")), root.filePath(QStringLiteral("program"))}));
}

TEST(HelpFileLocator, ForThisProgramStartsWithCurrentDirThenProgramDirThenItsShareFolder)
{
    CurrentDirGuard guard;
    QTemporaryDir current;
    ASSERT_TRUE(QDir::setCurrent(current.path()));
    const QString programDir = QCoreApplication::applicationDirPath();
    const QStringList dirs = HelpFileLocator::forThisProgram().searchDirectories();
    ASSERT_GE(dirs.size(), 3);
    EXPECT_EQ(dirs.at(0), QDir::currentPath());
    EXPECT_EQ(dirs.at(1), programDir);
    EXPECT_EQ(dirs.at(2), QDir::cleanPath(programDir + QStringLiteral("/../share/kestrin-editor")));
    for (qsizetype i = 3; i < dirs.size(); ++i)
        EXPECT_TRUE(dirs.at(i).contains(QStringLiteral("kestrin-editor"))
                    || dirs.at(i).contains(QCoreApplication::applicationName()))
            << dirs.at(i).toStdString();
}

// The help in the interface's language where it is anywhere in the search
// order, else the English one; English and no language ask for English.
TEST(HelpFileLocator, ChoosesTheHelpOfTheInterfaceLanguageElseEnglish)
{
    EXPECT_EQ(helpFileNames(QStringLiteral("de")),
              (QStringList{QStringLiteral("Kestrin_Editor_Help_de.chm"), kHelpFileName}));
    EXPECT_EQ(helpFileNames(QStringLiteral("en")), QStringList{kHelpFileName});
    EXPECT_EQ(helpFileNames(QString()), QStringList{kHelpFileName});

    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    for (const char *name : {"current", "data"})
        ASSERT_TRUE(QDir(root.path()).mkdir(QLatin1String(name)));
    const auto path = [&](const char *folder, const QString &file) {
        return QDir(root.filePath(QLatin1String(folder))).filePath(file);
    };
    const HelpFileLocator locator(root.filePath(QStringLiteral("current")), QString(),
                                  {root.filePath(QStringLiteral("data"))});
    const QString german = QStringLiteral("Kestrin_Editor_Help_de.chm");
    const struct {
        const char *language;
        QStringList inCurrent;
        QStringList inData;
        QString expected;
    } cases[] = {
        {"de", {kHelpFileName}, {german, kHelpFileName}, path("data", german)},
        {"de", {german}, {german}, path("current", german)},
        {"de", {kHelpFileName}, {kHelpFileName}, path("current", kHelpFileName)},
        {"cs", {german}, {kHelpFileName}, path("data", kHelpFileName)},
        {"", {german}, {kHelpFileName}, path("data", kHelpFileName)},
        {"de", {}, {}, QString()},
    };
    for (const auto &c : cases) {
        for (const char *folder : {"current", "data"}) {
            for (const QString &file : {german, kHelpFileName})
                QFile::remove(path(folder, file));
        }
        for (const QString &file : c.inCurrent)
            writeBytes(path("current", file), "x");
        for (const QString &file : c.inData)
            writeBytes(path("data", file), "x");
        EXPECT_EQ(locator.findFirst(helpFileNames(QLatin1String(c.language))), c.expected)
            << c.language << " " << c.inCurrent.join(u',').toStdString() << " / " << c.inData.join(u',').toStdString();
    }
}

} // namespace
} // namespace kestrin::help
