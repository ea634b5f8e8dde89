// SPDX-License-Identifier: MIT
#include "mainwindow.h"

#include "aboutwindow.h"
#include "accessibility.h"
#include "atomicfileservice.h"
#include "fields.h"
#include "helpwindow.h"
#include "publishcommands.h"
#include "qtservices.h"
#include "translator.h"
#include "trayminimizer.h"
#include "windowlayout.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProxyStyle>
#include <QStatusBar>
#include <QStyleFactory>
#include <QTabWidget>

#include <utility>
#include <vector>

namespace kestrin::ui {

namespace {

// The menu bar can be reached with the Alt key, and Enter chooses a command
// that stands on the bar itself (Create), as it does on Windows.
class AltNavigationStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override
    {
        if (hint == QStyle::SH_MenuBar_AltKeyNavigation)
            return 1;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

class MainMenuBar : public QMenuBar {
public:
    explicit MainMenuBar(QWidget *parent)
        : QMenuBar(parent)
    {
        auto *style = new AltNavigationStyle(QStyleFactory::create(QApplication::style()->name()));
        style->setParent(this);
        setStyle(style);
    }

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        QAction *action = activeAction();
        const int key = event->key();
        const bool choose = key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space || key == Qt::Key_Down
                            || key == Qt::Key_Up;
        if (action && !action->menu() && action->isEnabled() && choose) {
            // Leave the keyboard mode first, so that the focus is back where
            // it was when the command runs.
            QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
            QMenuBar::keyPressEvent(&escape);
            action->trigger();
            return;
        }
        QMenuBar::keyPressEvent(event);
    }
};

// A status bar of fixed panels side by side from the left edge, each as wide
// as its design says (two pixels of it the gap to the next).
class PanelStatusBar : public QStatusBar {
public:
    explicit PanelStatusBar(QWidget *parent)
        : QStatusBar(parent)
    {
        setSizeGripEnabled(false);
    }

    QLabel *addPanel(const char *name, const QString &text, int widthTwips, Qt::Alignment alignment)
    {
        auto *label = new QLabel(text, this);
        label->setObjectName(QLatin1String(name));
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setAlignment(alignment | Qt::AlignVCenter);
        label->setMargin(1);
        m_panels.push_back({label, widthTwips});
        placePanels();
        return label;
    }

protected:
    void resizeEvent(QResizeEvent *event) override
    {
        QStatusBar::resizeEvent(event);
        placePanels();
    }

private:
    void placePanels()
    {
        constexpr int gap = 2;
        int x = 0;
        for (const auto &[label, widthTwips] : m_panels) {
            const int width = pixels(widthTwips);
            label->setGeometry(x, gap, width - gap, height() - gap);
            x += width;
        }
    }

    std::vector<std::pair<QLabel *, int>> m_panels;
};

} // namespace

// The services the window provides itself when it is not given them.
struct MainWindow::OwnedServices {
    QtArticleDialogService dialogs;
    AtomicTextFileService files;
    SettingsRecentArticles recent;
};

MainWindow::MainWindow(MessageBoxService &messages, SaveDialogService &dialog, TextFileService &files, QWidget *parent)
    : MainWindow(messages, dialog, files, std::make_unique<OwnedServices>(), parent)
{
}

MainWindow::MainWindow(MessageBoxService &messages, SaveDialogService &dialog, TextFileService &files,
                       std::unique_ptr<OwnedServices> owned, QWidget *parent)
    : MainWindow(messages, dialog, files, owned->dialogs, owned->files, owned->recent, parent)
{
    owned->dialogs.setParentWidget(this);
    m_owned = std::move(owned);
}

MainWindow::MainWindow(MessageBoxService &messages, SaveDialogService &dialog, TextFileService &files,
                       ArticleDialogService &articleDialogs, ByteFileService &articleFiles, RecentArticlesStore &recent,
                       QWidget *parent)
    : QMainWindow(parent)
    , m_messages(messages)
    , m_form(this)
{
    setObjectName(QStringLiteral("Main"));
    setWindowTitle(kProgramTitle);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setWindowIcon(applicationIcon());
    setFont(windowFont(8.25));
    // The window's background is the menu bar's colour.
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);

    buildMenus();
    buildTabs();
    buildStatusBar();
    m_form.applySchemeColours();
    nameControlsForAccessibility(this);

    const int clientWidth = pixels(kClientWidthTwips);
    const int clientHeight = pixels(kClientHeightTwips);
    setFixedSize(clientWidth, menuBar()->heightForWidth(clientWidth) + clientHeight);
    centreOnScreen(this);

    // Every file the window reads or writes goes through its file work.
    m_fileWork = std::make_unique<FileWork>(this);
    m_backgroundFiles = std::make_unique<BackgroundFiles>(*m_fileWork, &files, &articleFiles);
    m_document = std::make_unique<ReadmeDocument>(m_form, messages, dialog, *m_backgroundFiles);
    m_document->reset();
    startArticleFiles(articleDialogs, *m_backgroundFiles, recent, dialog);
    m_articles->setFileWork(*m_fileWork);
    m_publish->setFileWork(*m_fileWork);
    m_tray = new TrayMinimizer(this);

    m_mainTab->setCurrentIndex(int(TabPage::BasicData));
    m_mainTab->setFocus(Qt::OtherFocusReason);
}

MainWindow::~MainWindow()
{
    // The form and the document go before the widgets do: nothing a widget
    // reports while it is destroyed may reach them.
    for (int i = 0; i < kControlCount; ++i) {
        if (QWidget *built = m_form.control(Control(i)))
            built->blockSignals(true);
    }
}

void MainWindow::buildMenus()
{
    auto *bar = new MainMenuBar(this);
    bar->setObjectName(QStringLiteral("MenuBar"));
    // Menus keep the system's menu font.
    bar->setFont(QApplication::font(bar));
    setMenuBar(bar);

    auto addItem = [this](QMenu *menu, const char *name, const QString &caption, const QKeySequence &shortcut,
                          void (MainWindow::*slot)()) {
        QAction *action = menu->addAction(caption);
        action->setObjectName(QLatin1String(name));
        action->setShortcut(shortcut);
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    auto addSeparator = [](QMenu *menu, const char *name) { menu->addSeparator()->setObjectName(QLatin1String(name)); };

    QMenu *file = bar->addMenu(tr("File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    addItem(file, "mnuNew", tr("New"), QKeySequence(Qt::CTRL | Qt::Key_N), &MainWindow::newReadme);
    buildArticleFileMenu(file);
    addSeparator(file, "space0");
    m_publish = new PublishCommands(
        *this, [this]() -> ReadmeDocument & { return *m_document; }, m_messages);
    // The exports open at first beside the open article file.
    m_publish->setDefaultFolder([this] {
        const QString article = m_articles ? m_articles->currentFile() : QString();
        return article.isEmpty() ? QString() : QFileInfo(article).absolutePath();
    });
    m_publish->addTo(file);
    addItem(file, "mnuMinimize", tr("Minimize"), QKeySequence(Qt::CTRL | Qt::Key_M), &MainWindow::minimizeWindow);
    addSeparator(file, "space1");
    addItem(file, "mnuExit", tr("Exit"), {}, &MainWindow::exitProgram);

    QAction *create = bar->addAction(tr("Create"));
    create->setObjectName(QStringLiteral("mnuCreate"));
    connect(create, &QAction::triggered, this, &MainWindow::createReadme);

    QMenu *help = bar->addMenu(tr("Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    addItem(help, "mnuHelpContents", tr("Help Contents"), QKeySequence(Qt::Key_F1), &MainWindow::showHelpContents);
    addSeparator(help, "space3");
    addItem(help, "mnuAbout", tr("About"), {}, &MainWindow::showAbout);
}

void MainWindow::buildStatusBar()
{
    auto *bar = new PanelStatusBar(this);
    bar->setObjectName(QStringLiteral("StatusBar1"));
    bar->setFont(windowFont(6.75));
    bar->setFixedHeight(pixels(kStatusBarHeightTwips));
    setStatusBar(bar);

    bar->addPanel("StatusPanel1", tr("Kestrin Editor by Vantry"), 2700, Qt::AlignLeft);
    m_numPanel = bar->addPanel("NumLockPanel", tr("NUM"), 1440, Qt::AlignHCenter);
    m_capsPanel = bar->addPanel("CapsLockPanel", tr("CAPS"), 1440, Qt::AlignHCenter);
    m_insertPanel = bar->addPanel("InsertPanel", tr("INS"), 1440, Qt::AlignHCenter);

    m_indicators = new KeyIndicators(this);
    connect(m_indicators, &KeyIndicators::changed, this, &MainWindow::showIndicators);
    showIndicators(m_indicators->state());
}

void MainWindow::showIndicators(KeyIndicators::State state)
{
    // An indicator whose key is off shows its caption greyed.
    const std::pair<QLabel *, bool> panels[] = {{m_numPanel, state.numLock},
                                                {m_capsPanel, state.capsLock},
                                                {m_insertPanel, state.insert}};
    for (const auto &[label, on] : panels) {
        label->setEnabled(on);
        label->setAccessibleDescription(on ? tr("on") : tr("off"));
    }
}

void MainWindow::changeEvent(QEvent *event)
{
    switch (event->type()) {
    case QEvent::PaletteChange:
        // The scheme changed: every field takes its colour from the new one.
        if (m_document)
            m_form.applySchemeColours();
        break;
    case QEvent::ActivationChange:
        if (m_indicators && isActiveWindow())
            m_indicators->refresh();
        break;
    default: break;
    }
    QMainWindow::changeEvent(event);
}

void MainWindow::newReadme()
{
    // The document's question and reset; Yes also closes the article file.
    m_articles->newArticle();
}

void MainWindow::createReadme()
{
    m_document->create();
}

void MainWindow::exitProgram()
{
    // Exit's question, or the one about the open article file's changes;
    // the close that follows asks nothing more.
    if (!m_articles->mayExit())
        return;
    m_exitConfirmed = true;
    close();
    m_exitConfirmed = false;
}

void MainWindow::minimizeWindow()
{
    minimizeToTray();
}

void MainWindow::minimizeToTray()
{
    m_tray->minimize();
}

void MainWindow::showHelpContents()
{
    // In the language the window speaks.
    help::HelpWindow::showHelp(this, installedLanguage());
}

void MainWindow::showAbout()
{
    // One About window at a time; it disables this window while it is open
    // and deletes itself when it closes, so each About is loaded afresh.
    if (!m_about)
        m_about = new AboutWindow(this);
    m_about->show();
    m_about->raise();
    m_about->activateWindow();
}

AboutWindow *MainWindow::aboutWindow() const
{
    return m_about;
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // While About is open this window is disabled, and the window manager's
    // close (its close box, Alt+F4) is refused as every other input is;
    // About comes to the front instead.
    if (event->spontaneous() && m_about && m_about->isVisible()) {
        event->ignore();
        m_about->raise();
        m_about->activateWindow();
        return;
    }
    // The close box asks only while an article file is open and changed:
    // Cancel, or a save that fails or is cancelled, keeps the window.
    if (!m_exitConfirmed && !m_articles->mayClose()) {
        event->ignore();
        return;
    }
    // Otherwise closing is never cancelled; the notification-area icon goes
    // with the window, and so does an open About window.
    m_tray->removeIcon();
    if (m_about)
        m_about->close();
    QMainWindow::closeEvent(event);
}

} // namespace kestrin::ui
