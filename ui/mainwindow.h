// SPDX-License-Identifier: MIT
#pragma once

// The program's one working window: menu bar, the five tabs of fields and
// the status bar. It keeps the ReadMe document, whose handlers reach the
// fields through the window's form, and the article file commands.

#include "articlefilecontroller.h"
#include "atomicfileservice.h"
#include "filework.h"
#include "keyindicators.h"
#include "readmedocument.h"
#include "services.h"
#include "widgetform.h"
#include "windowlayout.h"

#include <QMainWindow>
#include <QPointer>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

class QAction;
class QButtonGroup;
class QCloseEvent;
class QDragEnterEvent;
class QDropEvent;
class QLabel;
class QMenu;
class QTabWidget;
class QTimer;

namespace kestrin::import {
struct ImportResult;
}

namespace kestrin::ui {

class AboutWindow;
class ImportDialog;
class PublishCommands;
class TrayMinimizer;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // The article files are chosen with Qt's file dialogs, written
    // atomically, and the recent list is kept in the user's settings.
    MainWindow(MessageBoxService &messages, SaveDialogService &dialog, TextFileService &files,
               QWidget *parent = nullptr);
    MainWindow(MessageBoxService &messages, SaveDialogService &dialog, TextFileService &files,
               ArticleDialogService &articleDialogs, ByteFileService &articleFiles, RecentArticlesStore &recent,
               QWidget *parent = nullptr);
    ~MainWindow() override;

    ReadmeDocument &document() { return *m_document; }
    ArticleFileController &articleFiles() { return *m_articles; }
    WidgetForm &form() { return m_form; }
    const WidgetForm &form() const { return m_form; }
    QTabWidget *mainTab() const { return m_mainTab; }
    // The widget of a control; its tab page is built first if it has not
    // been shown yet.
    QWidget *control(Control control) { return m_form.widget(control); }
    // Whether a tab page's controls exist: a page is built when it is first
    // shown, or when a control on it is reached for.
    bool isPageBuilt(TabPage page) const { return m_pageBuilt[size_t(page)]; }
    // Where the window's file reads and saves run.
    FileWork &fileWork() { return *m_fileWork; }

    // Opens the file named on the command line, over the start state.
    void openArticleAtStart(const QString &path);

    // The import of a mission, addon or Mod (a folder or a PBO; a file in a
    // folder stands for the folder).
    void importFrom(const QString &path);
    static bool isImportable(const QString &path);
    // For tests: what chooses the source instead of the file dialog, what
    // reviews the proposals instead of the dialog's exec() (true: apply),
    // and the game folder whose addons are official (as --game).
    using ImportChooser = std::function<std::optional<QString>()>;
    using ImportReviewer = std::function<bool(ImportDialog &)>;
    void setImportHooks(ImportChooser choose, ImportReviewer review, const QString &gameFolder);

public slots:
    void newReadme();
    void openArticle();
    void saveArticle();
    void saveArticleAs();
    void clearRecentArticles();
    void importFromMissionOrAddon();
    void createReadme();
    void exitProgram();
    void minimizeWindow();
    void showHelpContents();
    void showAbout();

    // Sends the window to the notification area (or, where there is none,
    // minimises it to the task bar).
    void minimizeToTray();
    TrayMinimizer *tray() const { return m_tray; }
    AboutWindow *aboutWindow() const;
    PublishCommands *publishCommands() const { return m_publish; }

protected:
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct OwnedServices;
    MainWindow(MessageBoxService &messages, SaveDialogService &dialog, TextFileService &files,
               std::unique_ptr<OwnedServices> owned, QWidget *parent);

    // Reads the mission or addon at path on a worker thread, behind a
    // progress dialog whose Cancel stops the look-up of the official addons.
    kestrin::import::ImportResult readImport(const QString &path);
    void buildMenus();
    void buildArticleFileMenu(QMenu *file);
    void startArticleFiles(ArticleDialogService &dialogs, ByteFileService &files, RecentArticlesStore &recent,
                           SaveDialogService &createDialog);
    void fillRecentMenu();
    void showArticleFile();
    void acceptFileDrops();
    void acceptFileDropsOn(QWidget *field);
    void buildTabs();
    void buildPage(TabPage page);
    QWidget *makeControl(const ControlPlacement &placement, QWidget *page);
    void finishPage(QWidget *page, const std::vector<std::pair<QLabel *, const char *>> &buddies);
    void chainTabOrder();
    static void widenCaptionsIntoFreeRoom(QWidget *page);
    void buildStatusBar();
    void showIndicators(KeyIndicators::State state);

    std::unique_ptr<OwnedServices> m_owned;
    MessageBoxService &m_messages;
    WidgetForm m_form;
    QTabWidget *m_mainTab = nullptr;
    std::array<QWidget *, kTabPageCount> m_pages{};
    std::array<bool, kTabPageCount> m_pageBuilt{};
    // The widget of each placement of the layout table, once built.
    std::vector<QWidget *> m_placed;
    QButtonGroup *m_options = nullptr;
    QLabel *m_numPanel = nullptr;
    QLabel *m_capsPanel = nullptr;
    QLabel *m_insertPanel = nullptr;
    KeyIndicators *m_indicators = nullptr;
    std::unique_ptr<FileWork> m_fileWork;
    std::unique_ptr<BackgroundFiles> m_backgroundFiles;
    std::unique_ptr<ReadmeDocument> m_document;
    std::unique_ptr<ArticleFileController> m_articles;
    QMenu *m_recentMenu = nullptr;
    // Checks, shortly after the last edit, whether the form still matches
    // the article file (the title's modified mark).
    QTimer *m_modifiedCheck = nullptr;
    TrayMinimizer *m_tray = nullptr;
    QPointer<AboutWindow> m_about;
    // Exit has asked its question: the close it starts asks nothing more.
    bool m_exitConfirmed = false;
    ImportChooser m_importChooser;
    ImportReviewer m_importReviewer;
    QString m_importGameFolder;
    PublishCommands *m_publish = nullptr;
};

} // namespace kestrin::ui
