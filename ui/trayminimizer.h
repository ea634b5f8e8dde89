// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QPointer>
#include <QSystemTrayIcon>

#include <memory>

class QWidget;

namespace kestrin::ui {

// Sends a window to the notification area and brings it back: the window
// leaves the screen and the task bar, and one icon with its picture and
// the tip "Restore Kestrin Editor" stands in for it. A left-button press or
// a right-button release on the icon restores the window and removes the
// icon; nothing else on the icon does.
//
// The window is hidden only when a notification area exists to show the
// icon in; without one it is minimised to the task bar instead, so that it
// can always be brought back.
class TrayMinimizer : public QObject {
    Q_OBJECT

public:
    explicit TrayMinimizer(QWidget *window);
    ~TrayMinimizer() override;

    // Returns true when the window went to the notification area, false
    // when it was minimised to the task bar instead.
    bool minimize();
    void restore();
    // Removes the icon, whatever the state (the window is being unloaded).
    void removeIcon();

    bool iconShown() const;
    QSystemTrayIcon *icon() const { return m_icon.get(); }

    static QString tip() { return QStringLiteral("Restore Kestrin Editor"); }

signals:
    void restored();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void onActivated(QSystemTrayIcon::ActivationReason reason);
    void watchIconWidget();

    QPointer<QWidget> m_window;
    std::unique_ptr<QSystemTrayIcon> m_icon;
    QPointer<QObject> m_iconWidget; // the icon's own window, where the platform has one
};

} // namespace kestrin::ui
