// SPDX-License-Identifier: MIT
// Keyboard focus and closing as a Qt user expects them: the installation
// options as one stop of the Tab key, a read-only field that takes no focus,
// the main window kept while the About window is open, and the help window
// usable beside the About window.
#include "aboutwindow.h"
#include "helpbrowser.h"
#include "helpwindow.h"
#include "widgetharness.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QWindow>
#include <QtTest/qtestspontaneevent.h>

using namespace kestrin;
using namespace kestrin::ui;

namespace {

// A close that comes from outside the program (the close box, Alt+F4), as
// the platform delivers the window manager's request.
void windowManagerClose(QWidget *window)
{
    QCloseEvent close;
    QSpontaneKeyEvent::setSpontaneous(&close);
    QCoreApplication::sendEvent(window->windowHandle(), &close);
}

class WindowFocus : public ::testing::Test {
protected:
    void SetUp() override
    {
        harness = std::make_unique<WidgetHarness>();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
    }
    MainWindow &window() { return harness->window(); }
    QString focusedName() { return window().focusWidget() ? window().focusWidget()->objectName() : QString(); }
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::keyClick(window().focusWidget(), key, modifiers);
    }
    // Tab from the tab strip of the Installation tab round to the strip.
    std::string tabStops()
    {
        window().mainTab()->setCurrentIndex(2);
        QWidget *strip = window().mainTab()->tabBar();
        strip->setFocus(Qt::TabFocusReason);
        QStringList stops;
        for (int i = 0; i < 8; ++i) {
            press(Qt::Key_Tab);
            if (window().focusWidget() == strip)
                break;
            stops << focusedName();
        }
        return stops.join(u' ').toStdString();
    }

    std::unique_ptr<WidgetHarness> harness;
};

TEST_F(WindowFocus, TabReachesTheSelectedOptionAndArrowsSelect)
{
    // The installation text is filled in and disabled but under Own
    // description.
    EXPECT_EQ(tabStops(), "SPmissionOption");

    // The arrow keys move the selection along the group, each selection
    // running the option's handler as a click does.
    const struct {
        Qt::Key key;
        Control selected;
    } steps[] = {
        {Qt::Key_Right, Control::InstallMPMission}, {Qt::Key_Right, Control::InstallAddon},
        {Qt::Key_Right, Control::InstallMod},       {Qt::Key_Right, Control::InstallOwnDescription},
        {Qt::Key_Left, Control::InstallMod},
    };
    window().control(Control::InstallSPMission)->setFocus(Qt::TabFocusReason);
    for (const auto &[key, selected] : steps) {
        press(key);
        EXPECT_EQ(focusedName(), QLatin1String(controlName(selected)));
        EXPECT_TRUE(window().form().isSelected(selected)) << controlName(selected);
    }
    EXPECT_EQ(tabStops(), "ModOption");
    press(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(focusedName(), QStringLiteral("ModOption"));

    // Whichever way it was selected.
    harness->userClick(Control::InstallAddon);
    EXPECT_EQ(tabStops(), "AddonOption");
    window().form().select(Control::InstallOwnDescription);
    EXPECT_EQ(tabStops(), "OwnDescriptionOption InstallationText");
}

TEST_F(WindowFocus, ClickOnTheDisclaimerLeavesTheFocusWhereItWas)
{
    auto *disclaimer = qobject_cast<QLabel *>(window().control(Control::Disclaimer));
    QWidget *credits = window().control(Control::Credits);
    harness->showTabOf(credits);
    credits->setFocus(Qt::MouseFocusReason);
    QTest::mouseClick(disclaimer, Qt::LeftButton, {}, disclaimer->rect().center());
    EXPECT_EQ(window().focusWidget(), credits);
    EXPECT_EQ(disclaimer->focusPolicy(), Qt::NoFocus);
    // Its text can still be selected with the mouse.
    const int y = disclaimer->fontMetrics().height() / 2 + 3;
    QTest::mousePress(disclaimer, Qt::LeftButton, {}, QPoint(4, y));
    QTest::mouseMove(disclaimer, QPoint(disclaimer->width() / 2, y));
    QTest::mouseRelease(disclaimer, Qt::LeftButton, {}, QPoint(disclaimer->width() / 2, y));
    EXPECT_TRUE(disclaimer->hasSelectedText());
    EXPECT_EQ(window().focusWidget(), credits);
}

TEST_F(WindowFocus, MainWindowIsKeptWhileAboutIsOpenAndHelpStaysUsable)
{
    window().findChild<QAction *>(QStringLiteral("mnuHelpContents"))->trigger();
    auto *help = window().findChild<help::HelpWindow *>();
    ASSERT_NE(help, nullptr);
    window().showAbout();
    QPointer<AboutWindow> about = window().aboutWindow();
    ASSERT_TRUE(about);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(about));

    // The window manager's close of the disabled main window is refused.
    windowManagerClose(&window());
    EXPECT_TRUE(window().isVisible());
    ASSERT_TRUE(about);
    EXPECT_TRUE(about->isVisible());
    EXPECT_FALSE(window().isEnabled());

    // The help window is a window of its own: it goes on working.
    EXPECT_TRUE(help->isEnabled());
    EXPECT_TRUE(help->browser()->isEnabled());
    help->browser()->followLink(QUrl(QStringLiteral("topics/new.html")));
    EXPECT_TRUE(help->browser()->source().path().endsWith(QStringLiteral("new.html")));

    // Once About is closed, the main window closes as before.
    about->closeButton()->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window().isEnabled());
    EXPECT_TRUE(help->isEnabled());
    windowManagerClose(&window());
    EXPECT_FALSE(window().isVisible());
}

} // namespace
