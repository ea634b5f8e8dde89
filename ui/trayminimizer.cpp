// SPDX-License-Identifier: MIT
#include "trayminimizer.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

namespace kestrin::ui {

TrayMinimizer::TrayMinimizer(QWidget *window)
    : QObject(window)
    , m_window(window)
{
}

TrayMinimizer::~TrayMinimizer()
{
    removeIcon();
}

bool TrayMinimizer::minimize()
{
    if (!m_window)
        return false;
    if (!QSystemTrayIcon::isSystemTrayAvailable()) {
        m_window->showMinimized();
        return false;
    }
    if (!m_icon) {
        m_icon = std::make_unique<QSystemTrayIcon>();
        // Queued: restoring removes the icon, whose window must not be
        // destroyed inside its own mouse handler.
        connect(m_icon.get(), &QSystemTrayIcon::activated, this, &TrayMinimizer::onActivated, Qt::QueuedConnection);
    }
    m_icon->setIcon(m_window->windowIcon());
    m_icon->setToolTip(tip());
    m_window->hide();
    m_icon->show();
    watchIconWidget();
    return true;
}

void TrayMinimizer::restore()
{
    if (!m_window || !iconShown())
        return;
    // The window comes back before the icon goes.
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
    removeIcon();
    emit restored();
}

void TrayMinimizer::removeIcon()
{
    if (m_iconWidget)
        m_iconWidget->removeEventFilter(this);
    m_iconWidget = nullptr;
    if (m_icon)
        m_icon->hide();
}

bool TrayMinimizer::iconShown() const
{
    return m_icon && m_icon->isVisible();
}

// On X11 the icon is a small window of Qt's own, which reports a press of
// either button as the activation; its mouse events are watched directly
// so that the right button restores on its release. Other platforms report
// a right click once, as the context request.
void TrayMinimizer::watchIconWidget()
{
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (qstrcmp(w->metaObject()->className(), "QSystemTrayIconSys") == 0) {
            m_iconWidget = w;
            w->installEventFilter(this);
            return;
        }
    }
}

void TrayMinimizer::onActivated(QSystemTrayIcon::ActivationReason reason)
{
    switch (reason) {
    case QSystemTrayIcon::Trigger: restore(); break;
    case QSystemTrayIcon::Context:
        if (!m_iconWidget)
            restore();
        break;
    default: break;
    }
}

bool TrayMinimizer::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_iconWidget && event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent *>(event)->button() == Qt::RightButton) {
        QMetaObject::invokeMethod(this, &TrayMinimizer::restore, Qt::QueuedConnection);
        return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace kestrin::ui
