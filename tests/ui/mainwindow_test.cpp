// SPDX-License-Identifier: MIT
// What only the real window has: where every control stands, the window's
// frame, menus and shortcuts, the keyboard order, the colours as the scheme
// paints them, the status bar and the Exit question.
#include "widgetharness.h"

#include "golden.h"
#include "qtservices.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace kestrin;
using kestrin::ui::MainWindow;

namespace {

struct Expected {
    const char *name;
    int page;
    int left, top, width, height; // twips, from the tab control's top left
    const char *caption;          // labels, boxes, options; nullptr: none
    const char *toolTip;          // nullptr: none
    const char *buddy;            // labels: the field they name
};

// The window's design, written out independently of the window's own table.
const Expected kDesign[] = {
    {"Label4", 0, 720, 600, 615, 255, "Article:", nullptr, "ArticleCombo"},
    {"ArticleCombo", 0, 1440, 600, 1575, 315, nullptr, "Select your article", nullptr},
    {"Label16", 0, 600, 1080, 735, 255, "Name:", nullptr, "ArticleNameText"},
    {"ArticleNameText", 0, 1440, 1080, 5055, 285, nullptr, "Put your article name here", nullptr},
    {"Label21", 0, 600, 1560, 735, 255, "Version:", nullptr, "VersionText"},
    {"VersionText", 0, 1440, 1560, 5055, 285, nullptr, "Put your article version here", nullptr},
    {"Label20", 0, 360, 2040, 975, 255, "Author(s):", nullptr, "AuthorText"},
    {"AuthorText", 0, 1440, 2040, 5055, 1005, nullptr, "Names of authors", nullptr},
    {"Label22", 0, 120, 3240, 1215, 255, "Release date:", nullptr, "ReleaseText"},
    {"ReleaseText", 0, 1440, 3240, 5055, 285, nullptr, "Release date for your article", nullptr},
    {"Label12", 0, 840, 3960, 495, 255, "Web:", nullptr, "ContactText1"},
    {"ContactText1", 0, 1440, 3960, 5295, 285, nullptr, "Home page", nullptr},
    {"Label13", 0, 720, 4320, 615, 255, "Email:", nullptr, "ContactText2"},
    {"ContactText2", 0, 1440, 4320, 5295, 285, nullptr, "Contact email address", nullptr},
    {"SkypeLabel", 0, 720, 4680, 615, 255, "Skype:", nullptr, "ContactText3"},
    {"ContactText3", 0, 1440, 4680, 4335, 285, nullptr, "Skype name contact", nullptr},
    {"SkypeCheck", 0, 5880, 4680, 855, 255, "Allow", nullptr, nullptr},
    {"ICQLabel", 0, 840, 5040, 495, 255, "ICQ:", nullptr, "ContactText4"},
    {"ContactText4", 0, 1440, 5040, 4335, 285, nullptr, "ICQ number contact", nullptr},
    {"ICQCheck", 0, 5880, 5040, 855, 255, "Allow", nullptr, nullptr},
    {"OtherLabel", 0, 480, 5400, 855, 255, "Other:", nullptr, "ContactText5"},
    {"ContactText5", 0, 1440, 5400, 4335, 1245, nullptr, "Other contacts", nullptr},
    {"OtherCheck", 0, 5880, 5400, 855, 255, "Allow", nullptr, nullptr},
    {"Label1", 1, 120, 600, 1575, 255, "Required game:", nullptr, "RequiredGameText"},
    {"RequiredGameText", 1, 1680, 600, 5055, 285, nullptr, "Minimal required game version", nullptr},
    {"Label2", 1, 120, 1200, 1935, 255, "Required addons:", nullptr, nullptr},
    {"AddonsCheck1", 1, 1920, 1200, 2175, 255, "None - official only", nullptr, nullptr},
    {"AddonsCheck2", 1, 4200, 1200, 1575, 255, "User defined", nullptr, nullptr},
    {"AddonsText", 1, 120, 1560, 6615, 3525, nullptr, "List of required addons", nullptr},
    {"Label11", 1, 120, 5160, 6615, 615,
     "Note:\nMore addons and their download links can be added later, after creation of this ReadMe file ...", nullptr,
     nullptr},
    {"Label3", 2, 120, 600, 2415, 255, "Installation instructions for:", nullptr, nullptr},
    {"SPmissionOption", 2, 120, 960, 1335, 255, "SP mission", nullptr, nullptr},
    {"MPmissionOption", 2, 1560, 960, 1335, 255, "MP mission", nullptr, nullptr},
    {"AddonOption", 2, 3000, 960, 855, 255, "Addon", nullptr, nullptr},
    {"ModOption", 2, 4080, 960, 855, 255, "Mod", nullptr, nullptr},
    {"OwnDescriptionOption", 2, 4920, 960, 1695, 255, "Own description", nullptr, nullptr},
    {"InstallationText", 2, 120, 1320, 6615, 5295, nullptr, "Write here your own installation isntructions", nullptr},
    {"Label5", 3, 120, 600, 1095, 255, "Description:", nullptr, "DescriptionText"},
    {"DescriptionText", 3, 120, 840, 6615, 1215, nullptr, "Description for your article", nullptr},
    {"Label6", 3, 120, 2160, 855, 255, "Features:", nullptr, "ContentText"},
    {"ContentCheck", 3, 5880, 2160, 855, 255, "Allow", nullptr, nullptr},
    {"ContentText", 3, 120, 2400, 6615, 1215, nullptr, "Interesting features in your article", nullptr},
    {"Label7", 3, 120, 3720, 2175, 255, "Changelog/known bugs:", nullptr, "ChangelogText"},
    {"ChangelogCheck", 3, 5880, 3720, 855, 255, "Allow", nullptr, nullptr},
    {"ChangelogText", 3, 120, 3960, 6615, 1215, nullptr, "Changelog or list of known bugs", nullptr},
    {"Label8", 3, 120, 5280, 615, 255, "Notes:", nullptr, "ClassnamesText"},
    {"ClassnamesCheck", 3, 5880, 5280, 855, 255, "Allow", nullptr, nullptr},
    {"ClassnamesText", 3, 120, 5520, 6615, 1215, nullptr, "Just notes", nullptr},
    {"Label9", 4, 120, 600, 1815, 255, "Credits and thanks:", nullptr, "CreditsText"},
    {"CreditsText", 4, 120, 840, 6615, 3615, nullptr, "Put here all the credits and thanks", nullptr},
    {"Label10", 4, 120, 4680, 3615, 255, "Disclaimer (will be added automatically):", nullptr, nullptr},
    {"DisclaimerText", 4, 120, 5040, 6615, 1695, nullptr, "Automatic disclaimer", nullptr},
};

// The tab strip's height in the design; a control keeps its distance below it.
constexpr int kStripTwips = 525;

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        harness = std::make_unique<WidgetHarness>();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window()));
        // The design as the user sees it once every tab has been shown.
        harness->showEveryTab();
    }
    MainWindow &window() { return harness->window(); }
    template <typename T = QWidget>
    T *find(const char *name)
    {
        return window().findChild<T *>(QLatin1String(name));
    }
    QAction *action(const char *name) { return window().findChild<QAction *>(QLatin1String(name)); }
    QWidget *focused() { return window().focusWidget(); }
    QString focusedName() { return focused() ? focused()->objectName() : QString(); }
    void pressTab(Qt::KeyboardModifiers modifiers = {}) { QTest::keyClick(focused(), Qt::Key_Tab, modifiers); }

    std::unique_ptr<WidgetHarness> harness;
};

QString shownCaption(QWidget *w)
{
    if (auto *label = qobject_cast<QLabel *>(w))
        return label->text();
    if (auto *button = qobject_cast<QAbstractButton *>(w))
        return button->text();
    return {};
}

} // namespace

TEST_F(MainWindowTest, EveryControlStandsOnItsTabWithItsPlaceCaptionAndToolTip)
{
    QTabWidget *tabs = window().mainTab();
    int checked = 0;
    for (const Expected &e : kDesign) {
        SCOPED_TRACE(e.name);
        QWidget *w = find(e.name);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(window().findChildren<QWidget *>(QLatin1String(e.name)).size(), 1);
        EXPECT_EQ(tabs->indexOf(w->parentWidget()), e.page);
        EXPECT_EQ(w->geometry(), QRect(e.left / 15, (e.top - kStripTwips) / 15, e.width / 15, e.height / 15));
        EXPECT_EQ(w->toolTip(), e.toolTip ? QString::fromLatin1(e.toolTip) : QString());
        if (e.caption) {
            EXPECT_EQ(shownCaption(w), QString::fromLatin1(e.caption));
        }
        if (auto *label = qobject_cast<QLabel *>(w); label && e.buddy) {
            ASSERT_NE(label->buddy(), nullptr);
            EXPECT_EQ(label->buddy()->objectName(), QLatin1String(e.buddy));
        }
        // No access keys anywhere.
        EXPECT_FALSE(shownCaption(w).contains(u'&'));
        ++checked;
    }
    EXPECT_EQ(checked, 52);
    // Labels lie beneath the controls they overlap ("Required addons:" reaches
    // under "None - official only").
    QWidget *none = find("AddonsCheck1");
    EXPECT_EQ(none->parentWidget()->childAt(none->geometry().topLeft() + QPoint(2, 8)), none);
}

TEST_F(MainWindowTest, WindowHasTheDesignsFrameFontAndTabs)
{
    MainWindow &w = window();
    EXPECT_EQ(w.objectName(), QStringLiteral("Main"));
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Kestrin Editor"));
    if (QFile::exists(QStringLiteral(":/icons/kestrin-editor.png"))) {
        EXPECT_EQ(w.windowIcon().pixmap(128).size(), QSize(128, 128));
    }
    const Qt::WindowFlags flags = w.windowFlags();
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_EQ(w.minimumSize(), w.maximumSize());

    // Client area 7095 x 7365 twips below the menu bar, status bar included.
    const int menuHeight = w.menuBar()->height();
    EXPECT_EQ(w.size(), QSize(473, menuHeight + 491));
    EXPECT_EQ(w.centralWidget()->geometry(), QRect(0, menuHeight, 473, 472));
    EXPECT_EQ(w.statusBar()->geometry(), QRect(0, menuHeight + 472, 473, 19));
    EXPECT_EQ(w.mainTab()->geometry(), QRect(8, 8, 457, 457));
    EXPECT_EQ(w.mainTab()->objectName(), QStringLiteral("MainTab"));

    EXPECT_DOUBLE_EQ(w.font().pointSizeF(), 8.25);
    EXPECT_TRUE(QStringList({"Verdana", "DejaVu Sans"}).contains(QFontInfo(w.font()).family()))
        << QFontInfo(w.font()).family().toStdString();
    EXPECT_DOUBLE_EQ(w.statusBar()->font().pointSizeF(), 6.75);
    EXPECT_EQ(find("AuthorText")->font(), w.font());

    QTabWidget *tabs = w.mainTab();
    ASSERT_EQ(tabs->count(), 5);
    const QStringList captions{"Basic data", "Requirements", "Installation", "Details", "Credits"};
    int right = 0;
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(tabs->tabText(i), captions[i]);
        // One row: each tab beside the previous one, none clipped.
        const QRect r = tabs->tabBar()->tabRect(i);
        EXPECT_GE(r.left(), right);
        EXPECT_EQ(r.top(), tabs->tabBar()->tabRect(0).top());
        EXPECT_LE(tabs->fontMetrics().horizontalAdvance(captions[i]), r.width());
        right = r.right();
    }
    EXPECT_LE(tabs->tabBar()->x() + right, tabs->width());
    // Opens on "Basic data" with the focus on the tab strip.
    EXPECT_EQ(tabs->currentIndex(), 0);
    EXPECT_EQ(focused(), tabs->tabBar());
}

TEST_F(MainWindowTest, MenusHoldTheirItemsInOrderWithShortcuts)
{
    struct Item {
        const char *name;
        const char *text;
        QKeySequence shortcut;
    };
    const Item file[] = {{"mnuNew", "New", QKeySequence(Qt::CTRL | Qt::Key_N)},
                         {"mnuOpen", "Open Article...", QKeySequence(Qt::CTRL | Qt::Key_O)},
                         {"mnuSave", "Save Article", QKeySequence(Qt::CTRL | Qt::Key_S)},
                         {"mnuSaveAs", "Save Article As...", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)},
                         {"mnuRecent", "Recent Articles", {}},
                         {"mnuImport", "Import from Mission or Addon...", QKeySequence(Qt::CTRL | Qt::Key_I)},
                         {"space0", "", {}},
                         {"mnuPreview", "Preview ReadMe...", QKeySequence(Qt::Key_F5)},
                         {"mnuExport", "Export", {}},
                         {"mnuCopyBBCode", "Copy as BBCode", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C)},
                         {"space2", "", {}},
                         {"mnuMinimize", "Minimize", QKeySequence(Qt::CTRL | Qt::Key_M)},
                         {"space1", "", {}},
                         {"mnuExit", "Exit", {}}};
    const Item help[] = {{"mnuHelpContents", "Help Contents", QKeySequence(Qt::Key_F1)},
                         {"space3", "", {}},
                         {"mnuAbout", "About", {}}};

    const QList<QAction *> bar = window().menuBar()->actions();
    ASSERT_EQ(bar.size(), 3);
    EXPECT_EQ(bar[0]->text(), QStringLiteral("File"));
    EXPECT_EQ(bar[1]->objectName(), QStringLiteral("mnuCreate"));
    EXPECT_EQ(bar[1]->text(), QStringLiteral("Create"));
    EXPECT_EQ(bar[1]->menu(), nullptr); // a command on the bar itself
    EXPECT_TRUE(bar[1]->shortcut().isEmpty());
    EXPECT_EQ(bar[2]->text(), QStringLiteral("Help"));

    auto check = [](QMenu *menu, const auto &items) {
        ASSERT_NE(menu, nullptr);
        const QList<QAction *> actions = menu->actions();
        ASSERT_EQ(actions.size(), qsizetype(std::size(items)));
        for (qsizetype i = 0; i < actions.size(); ++i) {
            SCOPED_TRACE(items[i].name);
            EXPECT_EQ(actions[i]->objectName(), QLatin1String(items[i].name));
            EXPECT_EQ(actions[i]->isSeparator(), QByteArray(items[i].text).isEmpty());
            EXPECT_EQ(actions[i]->text(), QLatin1String(items[i].text));
            EXPECT_EQ(actions[i]->shortcut(), items[i].shortcut);
            EXPECT_TRUE(actions[i]->isEnabled());
            EXPECT_FALSE(actions[i]->isCheckable());
        }
    };
    check(bar[0]->menu(), file);
    check(bar[2]->menu(), help);
}

TEST_F(MainWindowTest, ShortcutsWorkFromAnyTabAndField)
{
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
    QSignalSpy newSpy(action("mnuNew"), &QAction::triggered);
    QSignalSpy minimizeSpy(action("mnuMinimize"), &QAction::triggered);
    QSignalSpy helpSpy(action("mnuHelpContents"), &QAction::triggered);

    harness->messages.answerNext(MessageAnswer::No);
    harness->showTabOf(find("CreditsText"));
    find("CreditsText")->setFocus();
    QTest::keyClick(focused(), Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(newSpy.size(), 1);
    ASSERT_EQ(harness->messages.shown().size(), 1);
    EXPECT_TRUE(
        harness->messages.shown()[0].prompt.startsWith(QStringLiteral("Do you really want to set all defaults")));

    harness->showTabOf(find("AddonsCheck2"));
    find("AddonsCheck2")->setFocus();
    QTest::keyClick(focused(), Qt::Key_M, Qt::ControlModifier);
    EXPECT_EQ(minimizeSpy.size(), 1);
    QTest::keyClick(focused(), Qt::Key_F1);
    EXPECT_EQ(helpSpy.size(), 1);
}

TEST_F(MainWindowTest, CreateOnTheMenuBarSavesThroughTheDialog)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ReadMe"));
    harness->userType(Control::Name, QStringLiteral("Menu Bar"));
    harness->dialog.chooseNext(path);
    action("mnuCreate")->trigger();
    EXPECT_TRUE(readFileBytes(path).startsWith("SP mission\t-\tMenu Bar\r\n"));
    EXPECT_EQ(harness->messages.prompts(), QStringList{"ReadMe file created successfully ..."});
}

TEST_F(MainWindowTest, MenuBarCommandIsReachableFromTheKeyboard)
{
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
    QSignalSpy createSpy(action("mnuCreate"), &QAction::triggered);
    QMenuBar *bar = window().menuBar();
    bar->setActiveAction(nullptr);
    // Alt pressed and released alone highlights the first entry; Right moves
    // to Create; Enter chooses it.
    QTest::keyPress(focused(), Qt::Key_Alt, Qt::AltModifier);
    QTest::keyRelease(focused(), Qt::Key_Alt);
    ASSERT_NE(bar->activeAction(), nullptr);
    QTest::keyClick(bar, Qt::Key_Right);
    ASSERT_EQ(bar->activeAction(), action("mnuCreate"));
    QTest::keyClick(bar, Qt::Key_Return);
    EXPECT_EQ(createSpy.size(), 1);
    EXPECT_EQ(bar->activeAction(), nullptr);
}

TEST_F(MainWindowTest, FieldColoursAreTheSchemesColours)
{
    const QPalette scheme = window().palette();
    const QColor base = scheme.color(QPalette::Active, QPalette::Base);
    const QColor light = scheme.color(QPalette::Active, QPalette::Midlight);
    auto shown = [&](Control c, QPalette::ColorGroup group) {
        return window().control(c)->palette().color(group, QPalette::Base);
    };
    const Control greyed[] = {Control::Skype,        Control::Icq,      Control::OtherContact, Control::RequiredAddons,
                              Control::Installation, Control::Features, Control::Changelog,    Control::Notes};
    for (int i = 0; i < kControlCount; ++i) {
        const Control c = Control(i);
        if (!isTextBox(c))
            continue;
        SCOPED_TRACE(controlName(c));
        const bool isGreyed = std::find(std::begin(greyed), std::end(greyed), c) != std::end(greyed);
        for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
            EXPECT_EQ(shown(c, group), isGreyed ? light : base);
    }
    // Ticking a switch paints its field in the window-background colour.
    harness->userClick(Control::SkypeAllowed);
    EXPECT_EQ(shown(Control::Skype, QPalette::Active), base);

    // A greyed field's text stays legible on its colour.
    const QColor grey = window().control(Control::Installation)->palette().color(QPalette::Disabled, QPalette::Text);
    EXPECT_GE(std::abs(qGray(grey.rgb()) - qGray(light.rgb())), 60);

    // Another colour scheme: every field follows it.
    QPalette dark = scheme;
    dark.setColor(QPalette::Base, QColor(30, 30, 30));
    dark.setColor(QPalette::Midlight, QColor(80, 80, 90));
    window().setPalette(dark);
    EXPECT_EQ(shown(Control::Skype, QPalette::Active), QColor(30, 30, 30));
    EXPECT_EQ(shown(Control::Icq, QPalette::Disabled), QColor(80, 80, 90));
    EXPECT_EQ(window().form().background(Control::Icq), SystemColor::ThreeDLight);
}

TEST_F(MainWindowTest, TabKeyFollowsTheTabIndexesOnBasicData)
{
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
    auto cycle = [&] {
        QStringList visited;
        for (int i = 0; i < 20; ++i) {
            pressTab();
            if (focused() == window().mainTab()->tabBar())
                break;
            visited << focusedName();
        }
        return visited;
    };
    const QStringList start{"AuthorText",   "VersionText", "ReleaseText", "ContactText1", "ContactText2",
                            "ArticleCombo", "SkypeCheck",  "ICQCheck",    "OtherCheck",   "ArticleNameText"};
    EXPECT_EQ(cycle(), start);

    // An enabled contact field takes its place by its index.
    harness->userClick(Control::IcqAllowed);
    window().mainTab()->tabBar()->setFocus();
    QStringList withIcq = start;
    withIcq.insert(6, QStringLiteral("ContactText4"));
    EXPECT_EQ(cycle(), withIcq);

    // Shift+Tab goes back.
    find("VersionText")->setFocus();
    pressTab(Qt::ShiftModifier);
    EXPECT_EQ(focusedName(), QStringLiteral("AuthorText"));
}

TEST_F(MainWindowTest, MultiLineFieldsTakeEnterAndPassTabOn)
{
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
    QWidget *authors = find("AuthorText");
    authors->setFocus();
    WidgetHarness::typeKeys(authors, QStringLiteral("Ann"), true);
    QTest::keyClick(authors, Qt::Key_Return);
    QTest::keyClick(authors, 'B');
    QTest::keyClick(authors, Qt::Key_Tab, Qt::ControlModifier);
    QTest::keyClick(authors, Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(window().form().text(Control::Authors), QStringLiteral("Ann\r\nB\t\r\n"));
    pressTab();
    EXPECT_EQ(focusedName(), QStringLiteral("VersionText"));
    EXPECT_EQ(window().form().text(Control::Authors), QStringLiteral("Ann\r\nB\t\r\n"));
}

TEST_F(MainWindowTest, FieldsHaveNoLengthLimit)
{
    const QString longText(100000, u'x');
    for (Control c : {Control::Name, Control::Web, Control::Description}) {
        window().form().setText(c, longText);
        EXPECT_EQ(window().form().text(c).size(), longText.size()) << controlName(c);
    }
    // Pasted beyond 32767 characters as well, and typed on after that.
    QWidget *version = find("VersionText");
    version->setFocus();
    QGuiApplication::clipboard()->setText(QString(33000, u'9'));
    QTest::keyClick(version, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(version, Qt::Key_End);
    QTest::keyClick(version, '!');
    EXPECT_EQ(window().form().text(Control::Version).size(), 33001);
}

TEST_F(MainWindowTest, ArticleComboTakesNoTypedText)
{
    auto *combo = find<QComboBox>("ArticleCombo");
    EXPECT_FALSE(combo->isEditable());
    EXPECT_EQ(combo->lineEdit(), nullptr);
    ASSERT_EQ(combo->count(), 4);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(combo->itemText(i), QLatin1String(kArticleKinds[size_t(i)]));
    combo->setFocus();
    QTest::keyClicks(combo, QStringLiteral("Campaign 2"));
    EXPECT_NE(combo->findText(combo->currentText()), -1) << combo->currentText().toStdString();
    harness->userPickArticle(QStringLiteral("Mod"));
    EXPECT_EQ(window().form().text(Control::ArticleKind), QStringLiteral("Mod"));
    harness->userPickArticle(QStringLiteral("MP mission"));
    EXPECT_EQ(window().form().text(Control::ArticleKind), QStringLiteral("MP mission"));
}

TEST_F(MainWindowTest, ExitAsksAndClosesOnlyOnYes)
{
    harness->messages.answerNext(MessageAnswer::No);
    window().exitProgram();
    ASSERT_EQ(harness->messages.shown().size(), 1);
    const MessageRequest &q = harness->messages.shown()[0];
    EXPECT_EQ(q.prompt, QStringLiteral("Do you really want to quit ?\r\nAll unsaved data will be lost."));
    EXPECT_EQ(q.title, QStringLiteral("Kestrin Editor"));
    EXPECT_EQ(q.buttons, MessageButtons::YesNo);
    EXPECT_EQ(q.icon, MessageIcon::Question);
    EXPECT_EQ(q.defaultAnswer, MessageAnswer::Yes);
    EXPECT_TRUE(window().isVisible());

    harness->messages.answerNext(MessageAnswer::Yes);
    action("mnuExit")->trigger();
    EXPECT_EQ(harness->messages.shown().size(), 2);
    EXPECT_FALSE(window().isVisible());
}

TEST_F(MainWindowTest, CloseBoxClosesWithoutAsking)
{
    window().windowHandle()->close();
    EXPECT_FALSE(window().isVisible());
    EXPECT_TRUE(harness->messages.shown().isEmpty());
}

TEST_F(MainWindowTest, StatusBarShowsItsPanelsAndFollowsInsert)
{
    struct Panel {
        const char *name;
        const char *text;
        int widthTwips;
    };
    const Panel panels[] = {{"StatusPanel1", "Kestrin Editor by Vantry", 2700},
                            {"NumLockPanel", "NUM", 1440},
                            {"CapsLockPanel", "CAPS", 1440},
                            {"InsertPanel", "INS", 1440}};
    QStatusBar *bar = window().statusBar();
    EXPECT_EQ(bar->objectName(), QStringLiteral("StatusBar1"));
    int left = 0;
    for (const Panel &p : panels) {
        SCOPED_TRACE(p.name);
        auto *label = bar->findChild<QLabel *>(QLatin1String(p.name));
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->text(), QLatin1String(p.text));
        EXPECT_EQ(label->x(), left);
        EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->contentsRect().width());
        EXPECT_LE(label->geometry().right(), bar->width());
        left += p.widthTwips / 15;
    }
    auto *insert = bar->findChild<QLabel *>(QStringLiteral("InsertPanel"));
    EXPECT_FALSE(insert->isEnabled());
    QTest::keyClick(window().windowHandle(), Qt::Key_Insert);
    EXPECT_TRUE(insert->isEnabled());
    QTest::keyClick(window().windowHandle(), Qt::Key_Insert, Qt::ShiftModifier); // paste, no toggle
    EXPECT_TRUE(insert->isEnabled());
    QTest::keyClick(window().windowHandle(), Qt::Key_Insert);
    EXPECT_FALSE(insert->isEnabled());
}

TEST_F(MainWindowTest, DisclaimerIsAReadOnlyFieldWithTheFixedText)
{
    auto *disclaimer = find<QLabel>("DisclaimerText");
    EXPECT_EQ(disclaimer->text(), golden::disclaimerLines().join(u'\n'));
    EXPECT_NE(disclaimer->frameShape(), QFrame::NoFrame);
    EXPECT_EQ(disclaimer->backgroundRole(), QPalette::Base);
    EXPECT_TRUE(disclaimer->autoFillBackground());
    EXPECT_FALSE(disclaimer->focusPolicy() & Qt::TabFocus);
    // All six lines fit in the field.
    const QRect needed =
        disclaimer->fontMetrics().boundingRect(disclaimer->contentsRect(), Qt::TextWordWrap, disclaimer->text());
    EXPECT_LE(needed.height(), disclaimer->contentsRect().height());
}
