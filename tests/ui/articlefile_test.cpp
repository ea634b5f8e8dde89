// SPDX-License-Identifier: MIT
// The article file commands in the real window: the shortcuts, the title
// and its modified mark, the recent menu, dropped files, and saving on a
// real file system that refuses.
#include "article.h"
#include "articlereader.h"
#include "articlewriter.h"
#include "childprocess.h"
#include "golden.h"
#include "widgetharness.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

using namespace kestrin;
using namespace kestrin::ui;

namespace {

const QString kExample = QStringLiteral(KESTRIN_EXAMPLES_DIR "/harbour-raid.json");

class ArticleWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        harness = std::make_unique<WidgetHarness>();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
    }
    MainWindow &window() { return harness->window(); }
    QAction *action(const char *name) { return window().findChild<QAction *>(QLatin1String(name)); }
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier)
    {
        QTest::keyClick(window().windowHandle(), key, modifiers);
    }
    // Copies the worked example into the temporary folder and opens it with Ctrl+O.
    QString openExample(const char *name = "raid.json")
    {
        const QString path = dir.filePath(QLatin1String(name));
        EXPECT_TRUE(writeFileBytes(path, readFileBytes(kExample)));
        harness->articleDialog.chooseNext(path);
        press(Qt::Key_O);
        return path;
    }
    bool modifiedSoon(bool expected)
    {
        return QTest::qWaitFor([&] { return window().isWindowModified() == expected; }, 2000);
    }

    QTemporaryDir dir;
    std::unique_ptr<WidgetHarness> harness;
};

} // namespace

TEST_F(ArticleWindow, KeysOpenAndSaveAndTheTitleFollowsTheForm)
{
    EXPECT_EQ(window().windowTitle(), QStringLiteral("Kestrin Editor"));
    const QString path = openExample();
    EXPECT_EQ(window().windowTitle(), QStringLiteral("raid.json[*] - Kestrin Editor"));
    EXPECT_FALSE(window().isWindowModified());
    EXPECT_TRUE(harness->messages.shown().isEmpty());

    // Create writes the worked example's ReadMe.
    const QString readme = dir.filePath(QStringLiteral("readme.txt"));
    harness->dialog.chooseNext(readme);
    action("mnuCreate")->trigger();
    EXPECT_EQ(readFileBytes(readme), crlfLines(golden::workedExample()).toLatin1());

    QWidget *version = window().control(Control::Version);
    harness->showTabOf(version);
    version->setFocus();
    QTest::keyClick(version, Qt::Key_End);
    QTest::keyClick(version, Qt::Key_3);
    EXPECT_TRUE(modifiedSoon(true));
    QTest::keyClick(version, Qt::Key_Backspace);
    EXPECT_TRUE(modifiedSoon(false));
    QTest::keyClick(version, Qt::Key_4);
    EXPECT_TRUE(modifiedSoon(true));
    QTest::keyClick(version, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(modifiedSoon(false));

    QTest::keyClick(version, Qt::Key_5);
    EXPECT_TRUE(modifiedSoon(true));
    press(Qt::Key_S);
    EXPECT_FALSE(window().isWindowModified());
    EXPECT_EQ(readArticleFile(path).result.article.version, QStringLiteral("1.25"));
    EXPECT_EQ(readFileBytes(path), writeArticleJson(harness->articleFiles().currentArticle()));

    // Ctrl+Shift+S: Save As to another name, which the title then shows.
    harness->articleDialog.chooseNext(dir.filePath(QStringLiteral("copy")));
    press(Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(window().windowTitle(), QStringLiteral("copy.json[*] - Kestrin Editor"));
    EXPECT_EQ(readFileBytes(dir.filePath(QStringLiteral("copy.json"))), readFileBytes(path));

    harness->messages.answerNext(MessageAnswer::No);
    press(Qt::Key_N);
    EXPECT_EQ(window().windowTitle(), QStringLiteral("copy.json[*] - Kestrin Editor"));
    harness->messages.answerNext(MessageAnswer::Yes);
    press(Qt::Key_N);
    EXPECT_EQ(window().windowTitle(), QStringLiteral("Kestrin Editor"));
    EXPECT_FALSE(window().isWindowModified());
}

TEST_F(ArticleWindow, RecentMenuOpensItsEntriesAndClears)
{
    auto *menu = window().findChild<QMenu *>(QStringLiteral("mnuRecent"));
    ASSERT_NE(menu, nullptr);
    emit menu->aboutToShow();
    ASSERT_NE(action("mnuClearRecent"), nullptr);
    EXPECT_FALSE(action("mnuClearRecent")->isEnabled());

    const QString first = openExample("a & b.json");
    const QString second = openExample("second.json");
    emit menu->aboutToShow();
    ASSERT_NE(action("mnuRecent2"), nullptr);
    EXPECT_EQ(action("mnuRecent1")->text(), QStringLiteral("1 ") + QDir::toNativeSeparators(second));
    EXPECT_EQ(action("mnuRecent2")->text(),
              QStringLiteral("2 ")
                  + QDir::toNativeSeparators(first).replace(QStringLiteral("&"), QStringLiteral("&&")));
    action("mnuRecent2")->trigger();
    EXPECT_TRUE(QTest::qWaitFor([&] { return harness->articleFiles().currentFile() == first; }, 2000));

    action("mnuClearRecent")->trigger();
    emit menu->aboutToShow();
    EXPECT_EQ(action("mnuRecent1"), nullptr);
}

TEST_F(ArticleWindow, AFileDroppedOnAFieldOpensInsteadOfBeingTyped)
{
    const QString path = dir.filePath(QStringLiteral("dropped.json"));
    ASSERT_TRUE(writeFileBytes(path, readFileBytes(kExample)));
    auto *description = static_cast<QPlainTextEdit *>(window().control(Control::Description));
    harness->showTabOf(description);
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(path)});
    const QPoint at = description->viewport()->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, {});
    QApplication::sendEvent(description->viewport(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(at, Qt::CopyAction, &mime, Qt::LeftButton, {});
    QApplication::sendEvent(description->viewport(), &drop);
    EXPECT_TRUE(QTest::qWaitFor([&] { return harness->articleFiles().currentFile() == path; }, 2000));
    EXPECT_EQ(harness->form().text(Control::Description), readArticleFile(kExample).result.article.description);
}

TEST_F(ArticleWindow, SaveOnAFileSystemThatRefusesKeepsTheOldFileAndSaysWhy)
{
    // Everyone may pass through the folders, so that the unprivileged child
    // meets only the permissions each case sets.
    QFile::setPermissions(dir.path(), QFileDevice::Permissions(0x7777));
    struct Case {
        const char *name;
        const char *folder;
        QFileDevice::Permissions folderMode;
        QFileDevice::Permissions fileMode;
        bool unprivileged;
        rlim_t sizeLimit; // 0: none
        const char *reason;
    };
    const auto all = QFileDevice::Permissions(0x7777);
    const auto readOnly = QFileDevice::Permissions(0x5555);
    const Case cases[] = {
        // The folder takes no new file and the file is its owner's alone.
        {"read-only folder", "locked", readOnly, QFileDevice::Permissions(0x6644), true, 0, "Permission denied"},
        {"read-only file", "open", all, QFileDevice::Permissions(0x4444), true, 0, "read-only"},
        {"file-size limit", "full", all, all, false, 4096, "too large"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(QDir(dir.path()).mkdir(QLatin1String(c.folder)));
        const QString folder = dir.filePath(QLatin1String(c.folder));
        QFile::setPermissions(folder, all);
        const QString path = openExample((QByteArray(c.folder) + "/article.json").constData());
        const QByteArray old = readFileBytes(path);
        ASSERT_FALSE(old.isEmpty());
        harness->form().setText(Control::Description, QString(8000, u'x'));
        QFile::setPermissions(path, c.fileMode);
        QFile::setPermissions(folder, c.folderMode);

        const int status = runInChild(
            [&] {
                std::signal(SIGXFSZ, SIG_IGN);
                const rlimit limit{c.sizeLimit, c.sizeLimit};
                if (c.sizeLimit && setrlimit(RLIMIT_FSIZE, &limit) != 0)
                    return false;
                harness->messages.clear();
                action("mnuSave")->trigger();
                const QString said = harness->messages.prompts().join(u'\n');
                if (said.contains(path) && said.contains(QLatin1String(c.reason), Qt::CaseInsensitive))
                    return true;
                std::fprintf(stderr, "%s: %s\n", c.name, qPrintable(said));
                return false;
            },
            c.unprivileged);
        EXPECT_EQ(status, 0);
        QFile::setPermissions(folder, all);
        QFile::setPermissions(path, all);
        EXPECT_EQ(readFileBytes(path), old);
        EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{"article.json"});
    }
}

TEST_F(ArticleWindow, SaveOntoASymbolicLinkReplacesItsTargetAndKeepsTheLink)
{
    const QString target = openExample("target.json");
    const QString link = dir.filePath(QStringLiteral("link.json"));
    ASSERT_TRUE(QFile::link(target, link));
    harness->articleDialog.chooseNext(link);
    press(Qt::Key_O);
    harness->userType(Control::Version, QStringLiteral("7"));
    press(Qt::Key_S);
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(readArticleFile(target).result.article.version, QStringLiteral("7"));
    EXPECT_EQ(harness->articleFiles().currentFile(), link);
}
