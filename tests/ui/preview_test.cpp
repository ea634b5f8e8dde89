// SPDX-License-Identifier: MIT
// The preview window and the publishing commands on the real window: the
// preview shows the bytes Create writes and follows the typing, marks what
// the code page cannot hold, and Create writes the same with it open.
#include "previewwindow.h"
#include "publishcommands.h"
#include "widgetharness.h"

#include "golden.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace kestrin;
using kestrin::ui::PreviewWindow;
using C = Control;

namespace {

class PreviewTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        harness = std::make_unique<WidgetHarness>();
        commands().setServices(harness->dialog, harness->files);
    }

    ui::MainWindow &window() { return harness->window(); }
    ui::PublishCommands &commands() { return *window().publishCommands(); }
    QAction *action(const char *name) { return window().findChild<QAction *>(QLatin1String(name)); }

    // F5, then waits until the preview shows the form as it is.
    PreviewWindow *openPreview()
    {
        window().activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window()));
        QWidget *focus = QApplication::focusWidget();
        QTest::keyClick(focus ? focus : &window(), Qt::Key_F5);
        PreviewWindow *preview = commands().previewWindow();
        if (preview)
            settle(preview);
        return preview;
    }
    static void settle(PreviewWindow *preview)
    {
        EXPECT_TRUE(QTest::qWaitFor([preview] { return preview->isUpToDate(); }, 5000));
    }

    QByteArray create(const QString &name)
    {
        const QString path = dir.filePath(name);
        harness->dialog.chooseNext(path);
        harness->messages.answerNext(MessageAnswer::Ok);
        harness->document().create();
        return readFileBytes(path);
    }

    static QString asFile(const QString &shown) { return QString(shown).replace(u'\n', QStringLiteral("\r\n")); }

    QTemporaryDir dir;
    std::unique_ptr<WidgetHarness> harness;
};

using Steps = std::function<void(FormHarness &)>;

} // namespace

TEST_F(PreviewTest, ShowsWhatCreateWritesAndCreateWritesTheSameWithItOpen)
{
    const struct {
        const char *name;
        Steps steps;
    } cases[] = {
        {"right after start", [](FormHarness &) {}},
        {"SP option after MP",
         [](FormHarness &h) {
             h.userClick(C::InstallMPMission);
             h.userClick(C::InstallSPMission);
         }},
        {"Mod with every switch",
         [](FormHarness &h) {
             h.userClick(C::InstallMod);
             for (const AllowSwitch &s : kAllowSwitches) {
                 h.userClick(s.check);
                 h.userType(s.field, QStringLiteral("x"));
             }
         }},
        {"own texts typed after their choice",
         [](FormHarness &h) {
             h.userClick(C::InstallOwnDescription);
             h.userType(C::Installation, QStringLiteral("Step one\r\n\tStep two\r\n"));
             h.userClick(C::AddonsUserDefined);
             h.userType(C::RequiredAddons, QStringLiteral("@CBA_A2"));
         }},
        {"unticked switches hide typed text, then New",
         [](FormHarness &h) {
             h.userPickArticle(QStringLiteral("Addon"));
             h.userClick(C::FeaturesAllowed);
             h.userType(C::Features, QStringLiteral("hidden"));
             h.userClick(C::FeaturesAllowed);
             h.userType(C::Description, QStringLiteral("\r\nText \r\n\r\n"));
             h.messages.answerNext(MessageAnswer::Yes);
             h.document().newReadme();
             h.userType(C::Name, QStringLiteral("After New"));
         }},
        {"worked example",
         [](FormHarness &h) {
             h.userPickArticle(QStringLiteral("MP mission"));
             h.userType(C::Name, QStringLiteral("Harbour Raid"));
             h.userClick(C::SkypeAllowed);
             h.userType(C::Skype, QStringLiteral("raid.team"));
             h.userClick(C::InstallOwnDescription);
             h.userType(C::Installation, QStringLiteral("Copy the mission file into your MPMissions folder."));
             h.userClick(C::FeaturesAllowed);
             h.userType(C::Features, QStringLiteral("- night assault\r\n- random enemy patrols"));
         }},
    };
    int n = 0;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        // Without the preview.
        harness = std::make_unique<WidgetHarness>();
        c.steps(*harness);
        const QByteArray without = create(QStringLiteral("without%1.txt").arg(n));
        const Article articleWithout = harness->document().article();

        // With the preview open from the start and following every step.
        harness = std::make_unique<WidgetHarness>();
        commands().setServices(harness->dialog, harness->files);
        PreviewWindow *preview = openPreview();
        ASSERT_NE(preview, nullptr);
        c.steps(*harness);
        settle(preview);
        const QString shown = preview->shownText();
        const QByteArray with = create(QStringLiteral("with%1.txt").arg(n++));
        EXPECT_EQ(with, without) << visible(with);
        EXPECT_EQ(harness->document().article(), articleWithout);
        EXPECT_EQ(asFile(shown), QString::fromLatin1(with)) << visible(shown);
        EXPECT_TRUE(preview->unmappable().isEmpty());
    }
}

TEST_F(PreviewTest, MarksAndListsWhatTheCodePageCannotHold)
{
    harness->userType(C::Name, QStringLiteral("Přístav"));
    harness->userType(C::Description, QStringLiteral("ok\r\na😀ł"));
    PreviewWindow *preview = openPreview();
    ASSERT_NE(preview, nullptr);
    EXPECT_EQ(preview->windowTitle(), QStringLiteral("ReadMe Preview - Kestrin Editor"));
    EXPECT_EQ(preview->parentWidget(), &window());
    EXPECT_FALSE(preview->isModal());

    // "SP mission", TAB, "-", TAB, "P" are columns 1 to 14 of line 1; the
    // emoji is one character; the description's second line is line 32.
    const QList<UnmappableChar> expected{{U'ř', 1, 15}, {U'😀', 32, 2}, {U'ł', 32, 3}};
    ASSERT_EQ(preview->unmappable().size(), expected.size());
    auto *list = preview->findChild<QListWidget *>(QStringLiteral("UnmappableList"));
    ASSERT_EQ(list->count(), 3);
    EXPECT_TRUE(list->isVisible());
    EXPECT_EQ(list->item(0)->text(), QStringLiteral("Line 1, column 15: U+0159 (ř)"));
    EXPECT_EQ(list->item(2)->text(), QStringLiteral("Line 32, column 3: U+0142 (ł)"));
    auto *view = preview->findChild<QPlainTextEdit *>(QStringLiteral("PreviewText"));
    const QList<QTextEdit::ExtraSelection> marks = view->extraSelections();
    ASSERT_EQ(marks.size(), 3);
    for (qsizetype i = 0; i < 3; ++i) {
        EXPECT_EQ(preview->unmappable()[i].line, expected[i].line);
        EXPECT_EQ(preview->unmappable()[i].column, expected[i].column);
        EXPECT_EQ(marks[i].cursor.selectedText(), QString::fromUcs4(&expected[i].codePoint, 1));
    }
    // Choosing a listed character shows it in the view.
    list->setCurrentRow(2);
    emit list->itemActivated(list->item(2));
    EXPECT_EQ(view->textCursor().blockNumber(), 31);

    // UTF-8 formats hold everything.
    preview->setFormat(ReadmeFormat::BBCode);
    settle(preview);
    EXPECT_TRUE(preview->unmappable().isEmpty());
    EXPECT_TRUE(view->extraSelections().isEmpty());
    EXPECT_TRUE(preview->shownText().startsWith(QStringLiteral("[size=150][b]SP mission - Přístav[/b][/size]\n")));
}

TEST_F(PreviewTest, FollowsTypingLaterAndNotWhileClosed)
{
    PreviewWindow *preview = openPreview();
    ASSERT_NE(preview, nullptr);
    auto *field = window().control(C::Description);
    harness->showTabOf(field);
    field->setFocus();
    QTest::keyClicks(field, QStringLiteral("Dawn"));
    // The key presses only start the timer; the view follows a moment later.
    EXPECT_FALSE(preview->isUpToDate());
    EXPECT_FALSE(preview->shownText().contains(QStringLiteral("Dawn")));
    settle(preview);
    EXPECT_TRUE(preview->shownText().contains(QStringLiteral("Description: \n=================\nDawn\n")));

    // Closed, it does nothing; opened again, the same window shows the form
    // as it is now, in the format chosen before.
    preview->setFormat(ReadmeFormat::Markdown);
    settle(preview);
    preview->close();
    EXPECT_FALSE(preview->isVisible());
    harness->userType(C::Description, QStringLiteral("Dusk"));
    QTest::qWait(20);
    EXPECT_FALSE(preview->shownText().contains(QStringLiteral("Dusk")));
    EXPECT_EQ(openPreview(), preview);
    EXPECT_TRUE(preview->isVisible());
    EXPECT_EQ(preview->format(), ReadmeFormat::Markdown);
    EXPECT_TRUE(preview->shownText().contains(QStringLiteral("## Description:\n\nDusk\n")));
}

TEST_F(PreviewTest, CopySaveAsExportsAndCopyAsBBCode)
{
    harness->userType(C::Name, QStringLiteral("Raid [v2]"));
    PreviewWindow *preview = openPreview();
    ASSERT_NE(preview, nullptr);
    const ReadmeModel model = harness->document().model();
    const struct {
        ReadmeFormat format;
        const char *file;
    } cases[] = {{ReadmeFormat::PlainText, "p.txt"}, {ReadmeFormat::BBCode, "b.txt"}, {ReadmeFormat::Markdown, "m.md"}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.file);
        preview->setFormat(c.format);
        settle(preview);
        QTest::mouseClick(preview->findChild<QPushButton *>(QStringLiteral("CopyButton")), Qt::LeftButton);
        EXPECT_EQ(QGuiApplication::clipboard()->text(), renderReadme(model, c.format));
        harness->dialog.chooseNext(dir.filePath(QLatin1String(c.file)));
        harness->messages.answerNext(MessageAnswer::Ok);
        QTest::mouseClick(preview->findChild<QPushButton *>(QStringLiteral("SaveAsButton")), Qt::LeftButton);
        EXPECT_EQ(harness->dialog.filter(), ReadmeExporter::dialogFilter(c.format));
        const QByteArray saved = readFileBytes(dir.filePath(QLatin1String(c.file)));
        EXPECT_EQ(saved, c.format == ReadmeFormat::PlainText ? renderReadme(model, c.format).toLatin1()
                                                             : renderReadmeUtf8(model, c.format));
    }

    // File > Export and Ctrl+Shift+C from the main window.
    harness->dialog.chooseNext(dir.filePath(QStringLiteral("README.md")));
    action("mnuExportMarkdown")->trigger();
    EXPECT_EQ(readFileBytes(dir.filePath(QStringLiteral("README.md"))),
              renderReadmeUtf8(model, ReadmeFormat::Markdown));
    harness->dialog.chooseNext(dir.filePath(QStringLiteral("post.txt")));
    action("mnuExportBBCode")->trigger();
    EXPECT_EQ(readFileBytes(dir.filePath(QStringLiteral("post.txt"))), renderReadmeUtf8(model, ReadmeFormat::BBCode));
    QGuiApplication::clipboard()->clear();
    // Until the application takes the main window for the active one (the
    // saves ran beside the window, and the platform's activation of the
    // preview may still be on its way).
    ASSERT_TRUE(QTest::qWaitFor(
        [this] {
            window().activateWindow();
            return QApplication::activeWindow() == &window();
        },
        5000));
    QWidget *focus = QApplication::focusWidget();
    QTest::keyClick(focus ? focus : &window(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), renderReadme(model, ReadmeFormat::BBCode));
    // Nothing of it was a Create, which would have asked with its own filter.
    EXPECT_EQ(harness->dialog.filter(), ReadmeExporter::dialogFilter(ReadmeFormat::BBCode));
}
