#pragma once

// The program's one working window: menu bar, the five tabs of fields and
// the status bar. It keeps the ReadMe document and offers its controls to
// the document's handlers.

#include "keyindicators.h"
#include "readmedocument.h"
#include "services.h"

#include <QMainWindow>
#include <QPointer>

#include <array>
#include <memory>

class QAction;
class QCloseEvent;
class QLabel;
class QTabWidget;

namespace kestrin::ui {

class AboutWindow;
class PublishCommands;
class TrayMinimizer;

class MainWindow : public QMainWindow, public ControlAccess {
    Q_OBJECT
public:
    MainWindow(MessageBoxService &messages, SaveDialogService &dialog, TextFileService &files,
               QWidget *parent = nullptr);
    ~MainWindow() override;

    ReadmeDocument &document() { return *m_document; }
    QTabWidget *mainTab() const { return m_mainTab; }
    QWidget *control(Control control) const { return m_controls[size_t(control)]; }

    // ControlAccess
    QString text(Control control) const override;
    void setText(Control control, const QString &text) override;
    QString caption(Control control) const override;
    int value(Control control) const override;
    void setValue(Control control, int value) override;
    bool isSelected(Control control) const override;
    void select(Control control) override;
    bool isEnabled(Control control) const override;
    void setEnabled(Control control, bool enabled) override;
    SystemColor background(Control control) const override;
    void setBackground(Control control, SystemColor color) override;
    using QMainWindow::isEnabled;
    using QMainWindow::setEnabled;

public slots:
    void mnuNew_Click();
    void mnuCreate_Click();
    void mnuExit_Click();
    void mnuMinimize_Click();
    void mnuHelpContents_Click();
    void mnuAbout_Click();

    // Sends the window to the notification area (or, where there is none,
    // minimises it to the task bar).
    void minimize_to_tray();
    TrayMinimizer *tray() const { return m_tray; }
    AboutWindow *aboutWindow() const;
    PublishCommands *publishCommands() const { return m_publish; }

protected:
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildMenus();
    void buildTabs();
    void buildStatusBar();
    void connectControls();
    void applyBackground(Control control);
    void showIndicators(KeyIndicators::State state);

    MessageBoxService &m_messages;
    QTabWidget *m_mainTab = nullptr;
    std::array<QWidget *, kControlCount> m_controls{};
    std::array<SystemColor, kControlCount> m_colors{};
    QLabel *m_numPanel = nullptr;
    QLabel *m_capsPanel = nullptr;
    QLabel *m_insertPanel = nullptr;
    KeyIndicators *m_indicators = nullptr;
    std::unique_ptr<ReadmeDocument> m_document;
    TrayMinimizer *m_tray = nullptr;
    QPointer<AboutWindow> m_about;
    PublishCommands *m_publish = nullptr;
};

} // namespace kestrin::ui
