// SPDX-License-Identifier: MIT
// What surrounds the form: the About window, Minimize, Help Contents and
// the window's unloading.
#include "aboutwindow.h"
#include "helpbrowser.h"
#include "helpwindow.h"
#include "trayminimizer.h"
#include "widgetharness.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QWindow>

using namespace kestrin;
using namespace kestrin::ui;

namespace {

class Shell : public ::testing::Test {
protected:
    void SetUp() override
    {
        harness = std::make_unique<WidgetHarness>();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window()));
    }
    MainWindow &window() { return harness->window(); }
    QAction *action(const char *name) { return window().findChild<QAction *>(QLatin1String(name)); }

    AboutWindow *openAbout()
    {
        action("mnuAbout")->trigger();
        AboutWindow *about = window().aboutWindow();
        if (about) {
            EXPECT_TRUE(QTest::qWaitForWindowExposed(about));
        }
        return about;
    }

    std::unique_ptr<WidgetHarness> harness;
};

} // namespace

TEST_F(Shell, AboutShowsItsFixedTextsWithCloseFocused)
{
    AboutWindow *about = openAbout();
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->windowTitle(), QStringLiteral("About"));
    EXPECT_EQ(about->parentWidget(), nullptr);
    EXPECT_TRUE(about->windowFlags().testFlag(Qt::Tool));
    EXPECT_FALSE(about->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(about->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(about->minimumSize(), about->maximumSize());
    EXPECT_EQ(about->size(), QSize(345, 113));

    struct Label {
        const char *name;
        QString text;
    };
    const Label labels[] = {
        {"Label1", QStringLiteral("Kestrin Editor")},
        {"Label4", QStringLiteral("ver.: 1.0")},
        {"Label2", QStringLiteral("http://vantry.example")},
        {"Label3", QStringLiteral("© 2011 Vantry")},
    };
    for (const Label &l : labels) {
        auto *label = about->findChild<QLabel *>(QLatin1String(l.name));
        ASSERT_NE(label, nullptr) << l.name;
        EXPECT_EQ(label->text(), l.text);
        // The whole text fits in the label's place.
        EXPECT_LE(label->fontMetrics().horizontalAdvance(l.text), label->width()) << l.name;
    }
    EXPECT_TRUE(about->closeButton()->hasFocus());
    EXPECT_EQ(about->closeButton()->text(), QStringLiteral("Close"));
    EXPECT_FALSE(about->closeButton()->isDefault());
}

TEST_F(Shell, AboutDisablesTheMainWindowUntilItClosesWhicheverWay)
{
    struct Way {
        const char *name;
        std::function<void(AboutWindow *)> close;
    };
    const Way ways[] = {
        {"Close button", [](AboutWindow *a) { QTest::mouseClick(a->closeButton(), Qt::LeftButton); }},
        {"Enter on Close", [](AboutWindow *a) { QTest::keyClick(a->closeButton(), Qt::Key_Return); }},
        {"Space on Close", [](AboutWindow *a) { QTest::keyClick(a->closeButton(), Qt::Key_Space); }},
        {"close box", [](AboutWindow *a) { a->windowHandle()->close(); }},
    };
    QPointer<AboutWindow> previous;
    for (const Way &way : ways) {
        SCOPED_TRACE(way.name);
        QPointer<AboutWindow> about = openAbout();
        ASSERT_TRUE(about);
        EXPECT_NE(about, previous); // a freshly loaded window every time
        EXPECT_FALSE(window().isEnabled());

        // The main window's shortcuts do not reach it meanwhile.
        QTest::keyClick(&window(), Qt::Key_N, Qt::ControlModifier);
        EXPECT_TRUE(harness->messages.shown().isEmpty());

        // Escape does nothing.
        QTest::keyClick(about->closeButton(), Qt::Key_Escape);
        ASSERT_TRUE(about);
        EXPECT_TRUE(about->isVisible());

        way.close(about);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_FALSE(about) << "the About window is unloaded";
        EXPECT_TRUE(window().isEnabled());
        EXPECT_TRUE(window().isActiveWindow() || QGuiApplication::platformName() == QLatin1String("offscreen"));
        previous = about;
    }
}

TEST_F(Shell, AboutWhileOpenIsTheSameWindow)
{
    AboutWindow *first = openAbout();
    window().showAbout();
    EXPECT_EQ(window().aboutWindow(), first);
    first->close();
}

TEST_F(Shell, MinimizeWithoutANotificationAreaKeepsTheWindowReachable)
{
    if (QSystemTrayIcon::isSystemTrayAvailable())
        GTEST_SKIP() << "this platform has a notification area";
    harness->userType(Control::Version, QStringLiteral("2.0"));
    action("mnuMinimize")->trigger();
    EXPECT_FALSE(window().tray()->iconShown());
    // Minimised to the task bar, not hidden.
    EXPECT_TRUE(window().isVisible());
    EXPECT_TRUE(window().isMinimized());
    window().showNormal();
    EXPECT_EQ(window().form().text(Control::Version), QStringLiteral("2.0"));
}

TEST_F(Shell, HelpContentsOpensTheHelpInAWindowOwnedByTheMainWindow)
{
    action("mnuHelpContents")->trigger();
    auto *help = window().findChild<help::HelpWindow *>();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isWindow());
    EXPECT_TRUE(help->isVisible());
    // The help file is built beside the tests: it opens at its default topic.
    EXPECT_TRUE(help->isOpen()) << help->errorText().toStdString();
    EXPECT_TRUE(help->fileName().endsWith(QStringLiteral("Kestrin_Editor_Help.chm")));
    EXPECT_EQ(help->browser()->source(), help->homeUrl());
    // F1 brings the same window back rather than a second one.
    QTest::keyClick(&window(), Qt::Key_F1);
    EXPECT_EQ(window().findChildren<help::HelpWindow *>().size(), 1);
    EXPECT_TRUE(window().isEnabled());
}

TEST_F(Shell, ClosingTheMainWindowClosesTheAboutWindowToo)
{
    QPointer<AboutWindow> about = openAbout();
    window().close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(about);
    EXPECT_FALSE(window().tray()->iconShown());
}
