// SPDX-License-Identifier: MIT
#pragma once

// What the start-up children do once their window exists: show it, wait
// until it is on the screen and the event loop has nothing left to do, then
// print "ready <peak memory> <private dirty memory> <width>x<height>
// <processor time>" (the memory in kB, the time in ms, -1 where the system
// does not tell) and end.

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <cstdio>

namespace startupbench {

// The process's peak memory in kB (the resident set's high-water mark on
// Linux, the peak working set on Windows), and what only the process has
// written (its heap, the window's back buffer, the libraries' relocated
// data: Linux's private dirty memory); -1 when unknown. One file per
// system (peakmemory_*.cpp).
long peakMemoryKb();
long privateDirtyKb();
// The processor time the process has used so far (user and system), in
// milliseconds: unlike the time on the clock, hardly changed by other
// programs sharing the processors; -1 when unknown.
double processorMs();

// Names the application as the editor names itself.
inline void nameApplication()
{
    QApplication::setApplicationName(QStringLiteral("Kestrin Editor"));
    QApplication::setApplicationDisplayName(QStringLiteral("Kestrin Editor"));
}

class ReadyWhenExposed : public QObject {
public:
    explicit ReadyWhenExposed(QWidget *window)
        : m_window(window)
    {
    }

    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Expose && m_window->windowHandle()->isExposed() && !m_reported) {
            m_reported = true;
            // Once everything queued so far (the first paint included) is done.
            QTimer::singleShot(0, qApp, [this] {
                std::printf("ready %ld %ld %dx%d %.1f\n", peakMemoryKb(), privateDirtyKb(), m_window->width(),
                            m_window->height(), processorMs());
                std::fflush(stdout);
                QCoreApplication::quit();
            });
        }
        return false;
    }

private:
    QWidget *m_window;
    bool m_reported = false;
};

inline int showAndReport(QWidget &window)
{
    window.show();
    ReadyWhenExposed ready(&window);
    window.windowHandle()->installEventFilter(&ready);
    return QApplication::exec();
}

} // namespace startupbench
