// SPDX-License-Identifier: MIT
// The status bar's Num Lock and Caps Lock panels on a real X server: they
// follow the keyboard's lock state, whichever program changed it.
#include "atomicfileservice.h"
#include "mainwindow.h"

#include "facades.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QStatusBar>
#include <QTest>
#include <QtGui/qguiapplication_platform.h>

#include <X11/XKBlib.h>
#include <X11/keysym.h>

namespace {

Display *display()
{
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->display() : nullptr;
}

// Locks or unlocks modifiers as another program (or the keyboard) would.
void lock(unsigned int mask, bool on)
{
    XkbLockModifiers(display(), XkbUseCoreKbd, mask, on ? mask : 0);
    XFlush(display());
}

unsigned int numLockMask()
{
    return XkbKeysymToModifiers(display(), XK_Num_Lock);
}

class X11Indicators : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_NE(display(), nullptr) << "needs an X11 display";
        lock(LockMask | numLockMask(), false);
        window = std::make_unique<kestrin::ui::MainWindow>(messages, dialog, files);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    void TearDown() override { lock(LockMask | numLockMask(), false); }

    QLabel *panel(const char *name) { return window->statusBar()->findChild<QLabel *>(QLatin1String(name)); }

    ScriptedMessageBox messages;
    ScriptedSaveDialog dialog;
    kestrin::AtomicTextFileService files;
    std::unique_ptr<kestrin::ui::MainWindow> window;
};

} // namespace

TEST_F(X11Indicators, PanelsFollowTheKeyboardsLocks)
{
    ASSERT_NE(numLockMask(), 0u);
    QLabel *caps = panel("CapsLockPanel");
    QLabel *num = panel("NumLockPanel");
    EXPECT_FALSE(caps->isEnabled());
    EXPECT_FALSE(num->isEnabled());

    lock(LockMask, true);
    EXPECT_TRUE(QTest::qWaitFor([&] { return caps->isEnabled(); }, 3000));
    EXPECT_FALSE(num->isEnabled());

    lock(numLockMask(), true);
    EXPECT_TRUE(QTest::qWaitFor([&] { return num->isEnabled(); }, 3000));

    lock(LockMask, false);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !caps->isEnabled(); }, 3000));
    EXPECT_TRUE(num->isEnabled());
}

TEST_F(X11Indicators, ALockSetBeforeTheWindowOpensShowsAtOnce)
{
    lock(LockMask, true);
    kestrin::ui::MainWindow second(messages, dialog, files);
    EXPECT_TRUE(second.statusBar()->findChild<QLabel *>(QStringLiteral("CapsLockPanel"))->isEnabled());
}

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "xcb");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
