// SPDX-License-Identifier: MIT
#pragma once

// What both start-up children do once their window exists: show it, wait
// until it is on the screen and the event loop has nothing left to do, then
// print "ready <peak memory in kB>" and end.

#include <QApplication>
#include <QFile>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <cstdio>

namespace startupbench {

inline long peakMemoryKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return -1;
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
