// SPDX-License-Identifier: MIT
#pragma once

#include <QPointer>
#include <QWidget>

class QPushButton;

namespace kestrin::ui {

// The About window: the program's name, version, the author's address and
// a credit, and a Close button. While it is open the main window takes no
// input; however it is closed, the main window gets input and focus back.
class AboutWindow : public QWidget {
    Q_OBJECT

public:
    // mainWindow is the window to disable while this one is open. The About
    // window itself has no owner and deletes itself when it closes.
    explicit AboutWindow(QWidget *mainWindow);

    QPushButton *closeButton() const { return m_close; }

public slots:
    void onCloseClicked();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void disableMainWindow();

    QPointer<QWidget> m_main;
    QPushButton *m_close = nullptr;
    bool m_loaded = false;
};

} // namespace kestrin::ui
