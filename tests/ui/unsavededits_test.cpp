// SPDX-License-Identifier: MIT
// The question about unsaved edits in the real window: File > Exit, the
// close box and File > New, each answered Save, Discard and Cancel (and with
// a save that fails), while an article file is open and changed; the old
// behaviour while none is open; and a recent file that has gone.
#include "articlereader.h"
#include "golden.h"
#include "widgetharness.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>

using namespace kestrin;
using namespace kestrin::ui;

namespace {

const QString kExample = QStringLiteral(KESTRIN_EXAMPLES_DIR "/harbour-raid.json");

enum class Command { Exit, CloseBox, New };
enum class Answer { Save, SaveFails, Discard, Cancel };

const char *name(Command c)
{
    return c == Command::Exit ? "Exit" : c == Command::CloseBox ? "close box" : "New";
}

class UnsavedEdits : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        harness = std::make_unique<WidgetHarness>();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
    }
    MainWindow &window() { return harness->window(); }
    QAction *action(const char *name) { return window().findChild<QAction *>(QLatin1String(name)); }

    // Runs the command through the window; true when the window closed.
    bool run(Command command)
    {
        switch (command) {
        case Command::Exit: action("mnuExit")->trigger(); break;
        case Command::CloseBox: window().close(); break;
        case Command::New: QTest::keyClick(window().windowHandle(), Qt::Key_N, Qt::ControlModifier); break;
        }
        return !window().isVisible();
    }
    QString version() const { return harness->form().text(Control::Version); }

    QTemporaryDir dir;
    std::unique_ptr<WidgetHarness> harness;
};

} // namespace

TEST_F(UnsavedEdits, WithAnArticleFileOpenAndChangedEveryCommandAsksToSaveFirst)
{
    for (Command command : {Command::Exit, Command::CloseBox, Command::New}) {
        for (Answer answer : {Answer::Save, Answer::SaveFails, Answer::Discard, Answer::Cancel}) {
            SCOPED_TRACE(std::string(name(command)) + " answered " + std::to_string(int(answer)));
            harness.reset();
            harness = std::make_unique<WidgetHarness>();
            ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
            const QTemporaryDir where;
            const QString path = where.filePath(QStringLiteral("raid.json"));
            ASSERT_TRUE(writeFileBytes(path, readFileBytes(kExample)));
            harness->articleDialog.chooseNext(path);
            ASSERT_TRUE(harness->articleFiles().open());
            harness->userType(Control::Version, QStringLiteral("1.3"));
            ASSERT_TRUE(QTest::qWaitFor([&] { return window().isWindowModified(); }, 2000));
            if (answer == Answer::SaveFails) {
                // The file's place is taken by a folder: the save cannot replace it.
                ASSERT_TRUE(QFile::remove(path));
                ASSERT_TRUE(QDir(where.path()).mkdir(QStringLiteral("raid.json")));
            }
            harness->messages.clear();
            harness->messages.answerNext(answer == Answer::Discard  ? MessageAnswer::Discard
                                         : answer == Answer::Cancel ? MessageAnswer::Cancel
                                                                    : MessageAnswer::Save);
            harness->messages.answerNext(MessageAnswer::Ok); // the warning of a failed save

            const bool closed = run(command);

            // The question names the file and comes first and alone.
            ASSERT_FALSE(harness->messages.shown().isEmpty());
            const MessageRequest &asked = harness->messages.shown().first();
            EXPECT_EQ(asked.prompt, QStringLiteral("Save changes to raid.json?"));
            EXPECT_EQ(asked.buttons, MessageButtons::SaveDiscardCancel);
            EXPECT_EQ(harness->messages.shown().size(), answer == Answer::SaveFails ? 2 : 1);

            const bool goesOn = answer == Answer::Save || answer == Answer::Discard;
            EXPECT_EQ(closed, goesOn && command != Command::New);
            if (command == Command::New) {
                EXPECT_EQ(version(), goesOn ? QString() : QStringLiteral("1.3"));
                EXPECT_EQ(window().windowTitle(),
                          goesOn ? QStringLiteral("Kestrin Editor") : QStringLiteral("raid.json[*] - Kestrin Editor"));
            } else if (!closed) {
                EXPECT_EQ(version(), QStringLiteral("1.3"));
                EXPECT_TRUE(window().isWindowModified());
            }
            if (answer != Answer::SaveFails) {
                EXPECT_EQ(readArticleFile(path).result.article.version,
                          answer == Answer::Save ? QStringLiteral("1.3") : QStringLiteral("1.2"));
            }
        }
    }
}

TEST_F(UnsavedEdits, WithoutAnArticleFileEveryCommandBehavesAsBefore)
{
    harness->userType(Control::Version, QStringLiteral("1.3"));
    const struct {
        Command command;
        MessageAnswer answer;
        const char *prompt; // nullptr: nothing asked
        bool closes;
    } cases[] = {
        {Command::Exit, MessageAnswer::No, "Do you really want to quit ?\r\nAll unsaved data will be lost.", false},
        {Command::New, MessageAnswer::No, "Do you really want to set all defaults ?\r\nAll unsaved data will be lost.",
         false},
        {Command::Exit, MessageAnswer::Yes, "Do you really want to quit ?\r\nAll unsaved data will be lost.", true},
        {Command::CloseBox, MessageAnswer::Ok, nullptr, true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(name(c.command));
        window().show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window()));
        harness->messages.clear();
        harness->messages.answerNext(c.answer);
        EXPECT_EQ(run(c.command), c.closes);
        EXPECT_EQ(harness->messages.prompts(), c.prompt ? QStringList{QString::fromUtf8(c.prompt)} : QStringList{});
        EXPECT_EQ(version(), QStringLiteral("1.3"));
    }
}

TEST_F(UnsavedEdits, ARecentFileThatHasGoneIsNamedOnceAndLeavesTheListBeforeAnyQuestion)
{
    const QString path = dir.filePath(QStringLiteral("gone.json"));
    ASSERT_TRUE(writeFileBytes(path, readFileBytes(kExample)));
    harness->articleDialog.chooseNext(path);
    ASSERT_TRUE(harness->articleFiles().open());
    harness->userType(Control::Version, QStringLiteral("1.3"));
    ASSERT_TRUE(QFile::remove(path));
    harness->messages.clear();
    harness->messages.answerNext(MessageAnswer::Ok);

    EXPECT_FALSE(harness->articleFiles().openRecent(path));
    EXPECT_EQ(harness->messages.prompts(),
              QStringList{QStringLiteral("The article file %1 no longer exists; it has been taken off the list of "
                                         "recent articles.")
                              .arg(QDir::toNativeSeparators(path))});
    EXPECT_FALSE(harness->articleFiles().recentArticles().contains(path));
    EXPECT_EQ(version(), QStringLiteral("1.3"));
}

TEST_F(UnsavedEdits, OwnDescriptionKeepsWhatWasWrittenWhenTheArrowKeysPassThroughTheOptions)
{
    const QString prompt = QStringLiteral("Write here your own installation description ...");
    const QString written = QStringLiteral("Copy the mission into MPMissions.\r\nRestart the game.");
    QWidget *own = window().control(Control::InstallOwnDescription);
    const auto leftThenRight = [&] {
        own->setFocus();
        QTest::keyClick(own, Qt::Key_Left);
        EXPECT_TRUE(harness->form().isSelected(Control::InstallMod));
        EXPECT_FALSE(harness->form().isEnabled(Control::Installation));
        EXPECT_NE(harness->form().text(Control::Installation), written);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
        EXPECT_TRUE(harness->form().isSelected(Control::InstallOwnDescription));
        EXPECT_TRUE(harness->form().isEnabled(Control::Installation));
        return harness->form().text(Control::Installation);
    };

    harness->userClick(Control::InstallOwnDescription);
    EXPECT_EQ(leftThenRight(), prompt); // never written in: the prompt
    harness->userType(Control::Installation, written);
    EXPECT_EQ(leftThenRight(), written);
    EXPECT_EQ(leftThenRight(), written);

    // Create writes what was kept and shown again.
    const QString readme = dir.filePath(QStringLiteral("readme.txt"));
    harness->dialog.chooseNext(readme);
    harness->messages.answerNext(MessageAnswer::Ok);
    action("mnuCreate")->trigger();
    EXPECT_TRUE(
        readFileBytes(readme).contains(("Installation: \r\n=================\r\n" + written + "\r\n").toUtf8()));

    // New forgets it.
    harness->messages.answerNext(MessageAnswer::Yes);
    action("mnuNew")->trigger();
    harness->userClick(Control::InstallOwnDescription);
    EXPECT_EQ(harness->form().text(Control::Installation), prompt);
}
