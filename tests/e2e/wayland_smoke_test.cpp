// SPDX-License-Identifier: MIT
// The editor on a Wayland compositor (Weston, headless): the window opens,
// typing and Create, all through the keyboard, write the ReadMe file with
// the save dialog and the report answered the same way; Minimize, with no
// notification area, minimises the window normally; Exit ends it.
//
// Key events go to the windows through Qt's window-system layer, as the
// compositor's would. A headless compositor has no seat, so nothing gives a
// window the keyboard focus; the test activates each window itself where
// a compositor would on showing it.
#include "atomicfileservice.h"
#include "mainwindow.h"
#include "memoryharness.h"
#include "qtservices.h"
#include "trayminimizer.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QSystemTrayIcon>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <functional>

using namespace kestrin;
using namespace kestrin::ui;

namespace {

// Gives a window the keyboard, as the compositor does for the window it
// shows on top.
void activate(QWidget *window)
{
    if (!window->isActiveWindow())
        QApplication::setActiveWindow(window);
}

void press(QWidget *window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(window->windowHandle(), key, modifiers);
}

void type(QWidget *window, const QString &text)
{
    for (QChar c : text)
        QTest::keyClick(window->windowHandle(), c.toLatin1());
}

// Waits for the modal window of the given kind to open and answers it, from
// inside the event loop that the modal window runs.
template <typename Modal>
void answerWhenShown(std::function<void(Modal *)> answer, bool *answered)
{
    auto *timer = new QTimer(qApp);
    auto *started = new QElapsedTimer;
    started->start();
    QObject::connect(timer, &QTimer::timeout, timer, [=] {
        auto *modal = qobject_cast<Modal *>(QApplication::activeModalWidget());
        const bool ready = modal && modal->windowHandle() && modal->windowHandle()->isExposed();
        if (!ready && started->elapsed() < 20000)
            return;
        timer->stop();
        timer->deleteLater();
        delete started;
        if (ready) {
            activate(modal);
            answer(modal);
            *answered = true;
        }
    });
    timer->start(50);
}

QByteArray expectedReadme(const QString &author, const QString &version, const QString &release)
{
    // The same form filled in memory and created through the same document.
    MemoryHarness memory;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("expected.txt"));
    memory.userType(Control::Authors, author);
    memory.userType(Control::Version, version);
    memory.userType(Control::ReleaseDate, release);
    memory.dialog.chooseNext(path);
    memory.messages.answerNext(MessageAnswer::Ok);
    memory.document().create();
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class Wayland : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("wayland"));
        ASSERT_TRUE(folder.isValid());
        window = std::make_unique<MainWindow>(messages, dialog, files);
        messages.setParentWidget(window.get());
        dialog.setParentWidget(window.get());
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        activate(window.get());
    }

    QtMessageBoxService messages;
    QtSaveDialogService dialog;
    AtomicTextFileService files;
    QTemporaryDir folder;
    std::unique_ptr<MainWindow> window;
};

} // namespace

TEST_F(Wayland, TypeCreateMinimizeAndExitThroughTheKeyboard)
{
    QWidget *w = window.get();
    // The focus starts on the tab strip; Tab visits Author(s), Version and
    // Release date first.
    press(w, Qt::Key_Tab);
    type(w, QStringLiteral("Vantry"));
    press(w, Qt::Key_Tab);
    type(w, QStringLiteral("1.2"));
    press(w, Qt::Key_Tab);
    type(w, QStringLiteral("2026-12-07"));
    EXPECT_EQ(window->form().text(Control::Authors), QStringLiteral("Vantry"));
    EXPECT_EQ(window->form().text(Control::Version), QStringLiteral("1.2"));
    EXPECT_EQ(window->form().text(Control::ReleaseDate), QStringLiteral("2026-12-07"));

    // Create: Alt opens the menu bar at File, Right moves to Create, Enter
    // chooses it. The save dialog takes the typed path; the report is
    // closed with Enter.
    const QString path = folder.filePath(QStringLiteral("ReadMe.txt"));
    bool saved = false, reported = false;
    answerWhenShown<QFileDialog>(
        [&](QFileDialog *fileDialog) {
            answerWhenShown<QMessageBox>([](QMessageBox *box) { press(box, Qt::Key_Return); }, &reported);
            press(fileDialog, Qt::Key_A, Qt::ControlModifier);
            type(fileDialog, path);
            press(fileDialog, Qt::Key_Return);
        },
        &saved);
    press(w, Qt::Key_Alt);
    press(w, Qt::Key_Right);
    press(w, Qt::Key_Return);
    EXPECT_TRUE(saved) << "the save dialog did not open";
    EXPECT_TRUE(reported) << "no report after saving";
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << qPrintable(path);
    const QByteArray written = file.readAll();
    EXPECT_EQ(written, expectedReadme(QStringLiteral("Vantry"), QStringLiteral("1.2"), QStringLiteral("2026-12-07")));
    EXPECT_TRUE(written.contains("Vantry"));

    // No X11 keyboard to read here: the Caps Lock panel follows the presses
    // of the key.
    auto *caps = window->findChild<QLabel *>(QStringLiteral("CapsLockPanel"));
    ASSERT_NE(caps, nullptr);
    const bool capsBefore = caps->isEnabled();
    press(w, Qt::Key_CapsLock);
    EXPECT_NE(caps->isEnabled(), capsBefore);
    press(w, Qt::Key_CapsLock);
    EXPECT_EQ(caps->isEnabled(), capsBefore);

    // Minimize (Ctrl+M): no notification area here, so the window asks the
    // compositor to minimise it and is never hidden behind an icon that
    // nothing shows. (Wayland reports no minimised state back to the
    // window; wayland_e2e.sh finds the request in the protocol log.)
    activate(w);
    ASSERT_FALSE(QSystemTrayIcon::isSystemTrayAvailable());
    press(w, Qt::Key_M, Qt::ControlModifier);
    QTest::qWait(200);
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(window->tray()->iconShown());
    EXPECT_TRUE(window->tray()->icon() == nullptr || !window->tray()->icon()->isVisible());
    window->showNormal();
    activate(w);

    // File > Exit, answered Yes with Enter (Yes is the question's default):
    // the window closes.
    bool asked = false;
    answerWhenShown<QMessageBox>([](QMessageBox *box) { press(box, Qt::Key_Return); }, &asked);
    // Alt, Down opens File at New; Up goes round to Exit.
    press(w, Qt::Key_Alt);
    press(w, Qt::Key_Down);
    press(w, Qt::Key_Up);
    press(w, Qt::Key_Return);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window->isVisible(); }, 5000));
    EXPECT_TRUE(asked) << "Exit did not ask";
}

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
