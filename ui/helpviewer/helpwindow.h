// SPDX-License-Identifier: MIT
#pragma once

#include "chmarchive.h"
#include "helpcontents.h"

#include <QUrl>
#include <QWidget>

#include <memory>

class QAction;
class QLabel;
class QSplitter;
class QStatusBar;
class QToolBar;
class QTreeWidget;
class QTreeWidgetItem;

namespace kestrin::help {

class HelpBrowser;

// The program's help window: a compiled HTML Help file with its table of
// contents on the left and the page on the right, and Back, Forward and
// Home above. It is a top-level window of its own, owned by the window
// that opened it. When the file cannot be opened the window says so,
// naming the file and the reason, instead of showing pages.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    static inline const QString kDefaultTitle = QStringLiteral("Kestrin Editor Help");

    explicit HelpWindow(QWidget *owner = nullptr);
    ~HelpWindow() override;

    // Help > Help Contents: finds the help file, opens it at its default
    // topic in the owner's help window (creating it, or bringing an open
    // one to the front) and returns that window. Never fails: whatever goes
    // wrong is shown in the window. The help in `language` ("de") where it
    // is installed, else the English one.
    static HelpWindow *showHelp(QWidget *owner, const QString &language = QString());

    // Opens the file at its default topic. False, with the window showing
    // why, when it cannot be opened.
    bool openFile(const QString &fileName);
    // Shows that the help file was not found in any of these folders.
    void showNotFound(const QString &fileName, const QStringList &searchedDirectories);

    bool isOpen() const { return m_archive.isOpen(); }
    QString fileName() const { return m_fileName; }
    // The message shown instead of the help, as plain text; empty while open.
    QString errorText() const { return m_errorText; }

    HelpBrowser *browser() const { return m_browser; }
    QTreeWidget *contentsTree() const { return m_contents; }
    QAction *backAction() const { return m_back; }
    QAction *forwardAction() const { return m_forward; }
    QAction *homeAction() const { return m_home; }
    // The status line, shown while there is something to say: what was
    // refused, flattened or left out.
    QStatusBar *statusLine() const { return m_status; }
    QString statusText() const;
    QUrl homeUrl() const { return m_homeUrl; }
    const QList<ContentsEntry> &contents() const { return m_entries; }

public slots:
    void goHome();

private:
    void buildToolBar();
    void buildPanes();
    void buildStatusBar();
    void connectParts();
    void readContents();
    void showError(const QString &plainText, const QString &html);
    void clearPages();
    void fillContents(QTreeWidgetItem *parent, const QList<ContentsEntry> &entries);
    void contentsItemChosen(QTreeWidgetItem *item);
    void selectContentsItemFor(const QUrl &url);
    void placeOverOwner();
    void showNotes();

    ChmArchive m_archive;
    QString m_fileName;
    QString m_errorText;
    QList<ContentsEntry> m_entries;
    QUrl m_homeUrl;
    QStringList m_contentsNotes;

    QToolBar *m_toolBar = nullptr;
    QAction *m_back = nullptr;
    QAction *m_forward = nullptr;
    QAction *m_home = nullptr;
    QSplitter *m_splitter = nullptr;
    QTreeWidget *m_contents = nullptr;
    HelpBrowser *m_browser = nullptr;
    QStatusBar *m_status = nullptr;
    QLabel *m_statusText = nullptr;
};

} // namespace kestrin::help
