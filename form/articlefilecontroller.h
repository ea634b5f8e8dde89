// SPDX-License-Identifier: MIT
#pragma once

// The commands that keep the form in an article file: Open, Open Recent,
// Save, Save As, and New forgetting the file. The current file, what it was
// read or saved as, and the list of recent files live here; the window only
// shows them. Everything goes through the services, so the commands run the
// same on the real window and on an in-memory form.

#include "articleform.h"
#include "controlaccess.h"
#include "fileservice.h"
#include "readmedocument.h"
#include "services.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <functional>

namespace kestrin {

class ArticleFileController {
    Q_DECLARE_TR_FUNCTIONS(ArticleFileController)

public:
    // At most this many recent files are kept, newest first.
    static constexpr qsizetype kRecentLimit = 8;
    // A warning lists at most this many problems of a file, then how many more.
    static constexpr qsizetype kShownProblems = 20;

    ArticleFileController(ControlAccess &form, ReadmeDocument &document, MessageBoxService &messages,
                          ArticleDialogService &dialogs, ByteFileService &files, RecentArticlesStore &recent,
                          SaveDialogService &createDialog);
    ArticleFileController(const ArticleFileController &) = delete;
    ArticleFileController &operator=(const ArticleFileController &) = delete;

    // Takes the form as it stands (after the load handler) as the state that
    // holds nothing to save.
    void markStartState();

    // File > Open Article...: asks about unsaved changes, shows the open
    // dialog in the folder of the last article and opens the chosen file.
    bool open();
    // A file named another way: a recent entry, a dropped file. Asks about
    // unsaved changes first.
    bool openRecent(const QString &path);
    bool openDropped(const QString &path);
    // The file named on the command line, over the start state: nothing to ask.
    bool openAtStart(const QString &path);

    // File > Save Article (Save As while no file is open) and Save Article As...
    bool save();
    bool saveAs();

    // File > New: the document's question and reset; Yes also forgets the
    // file. While an article file is open and changed, "Save changes to
    // NAME?" takes the place of the question: Save or Discard reset, Cancel
    // or a failed save leave everything as it is.
    void newArticle();

    // File > Exit and the window's close box: true when the window may close.
    // While an article file is open and changed both ask "Save changes to
    // NAME?" (Save, Discard, Cancel; a failed or cancelled save keeps the
    // window). Otherwise Exit asks its own question and the close box
    // nothing.
    bool mayExit();
    bool mayClose();

    // Asks "Save changes to NAME?" (to the article, while no file is open)
    // when the form holds unsaved changes; true when the caller may go on
    // (saved, discarded or nothing to save).
    bool maySwitchArticle();

    // An article file is open and the form differs from it.
    bool fileHasUnsavedChanges() const { return !m_currentFile.isEmpty() && isModified(); }

    QString currentFile() const { return m_currentFile; }
    // True while what Save would write differs from what the current file was
    // read or saved as (with no file: from the start state).
    bool isModified() const;

    QStringList recentArticles() const;
    void clearRecentArticles();

    // The file name proposed for an article of this name: the characters that
    // file names cannot hold replaced, ".json" added.
    static QString proposedFileName(const QString &articleName);

    // The article that Save writes: what the form gives, without an
    // installation while the form still has the start state's one.
    Article currentArticle() const;

    // Where reading an article file runs (by default: at once, here).
    void setFileWork(FileWorkRunner &work) { m_work = &work; }

    // Runs whenever the current file or the recent list changes.
    void setChangeHandler(std::function<void()> handler) { m_changed = std::move(handler); }

private:
    enum class Origin { Chosen, Recent, StartUp };
    bool openFile(const QString &path, Origin origin);
    bool saveTo(const QString &path);
    void setCurrentFile(const QString &path, const Article &saved);
    void rememberRecent(const QString &path);
    void forgetRecent(const QString &path);
    QString lastFolder() const;
    // The question about unsaved changes; true when saved or discarded.
    bool askToSaveChanges();
    void warn(const QString &prompt);
    void changed();

    ControlAccess &m_form;
    ReadmeDocument &m_document;
    MessageBoxService &m_messages;
    ArticleDialogService &m_dialogs;
    ByteFileService &m_files;
    RecentArticlesStore &m_recentStore;
    SaveDialogService &m_createDialog;
    std::function<void()> m_changed;
    FileWorkRunner m_directWork;
    FileWorkRunner *m_work = &m_directWork;

    QString m_currentFile;
    Article m_saved; // what Save would have written when last read or saved
    mutable bool m_recentLoaded = false;
    mutable QStringList m_recent;
};

} // namespace kestrin
