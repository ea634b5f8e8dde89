// SPDX-License-Identifier: MIT
#pragma once

// What both start-up children do once their window exists: show it, wait
// until it is on the screen and the event loop has nothing left to do, then
// print "ready <peak memory in kB>" and end.

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <cstdio>

namespace startupbench {

// The process's peak memory in kB (the resident set's high-water mark on
// Linux, the peak working set on Windows), -1 when unknown; one file per
// system (peakmemory_*.cpp).
long peakMemoryKb();

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
            QTimer::singleShot(0, qApp, [] {
                std::printf("ready %ld\n", peakMemoryKb());
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
