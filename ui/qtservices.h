// SPDX-License-Identifier: MIT
#pragma once

// The message box, the save dialog and the article file dialogs, as Qt
// shows them, and the recent article list kept in the user's settings.

#include "services.h"

#include <QPointer>
#include <QStringList>
#include <QWidget>

namespace kestrin::ui {

// A modal QMessageBox over the parent window.
class QtMessageBoxService : public MessageBoxService {
public:
    explicit QtMessageBoxService(QWidget *parent = nullptr)
        : m_parent(parent)
    {
    }
    void setParentWidget(QWidget *parent) { m_parent = parent; }

    MessageAnswer show(const MessageRequest &request) override;

private:
    QPointer<QWidget> m_parent;
};

// The main window's save dialog: a QFileDialog titled "Kestrin Editor" that
// asks before replacing a file, adds no extension to the typed name and
// opens with the name chosen the previous time.
class QtSaveDialogService : public SaveDialogService {
public:
    explicit QtSaveDialogService(QWidget *parent = nullptr)
        : m_parent(parent)
    {
    }
    void setParentWidget(QWidget *parent) { m_parent = parent; }

    void setFilter(const QString &filter) override;
    bool showSave() override;
    QString fileName() const override { return m_fileName; }
    // The dialog opens in this folder, with the remembered name's file name.
    void setStartFolder(const QString &folder) override { m_startFolder = folder; }
    // Title, proposed name and added extension; the proposal's folder is
    // used while the dialog remembers no folder of its own.
    void propose(const Proposal &proposal) override { m_proposal = proposal; }
    // Keeps the folder of each chosen file in the user's settings under this
    // key, for the next run.
    void rememberFolderAs(const QString &settingsKey) { m_folderKey = settingsKey; }

    QStringList nameFilters() const { return m_nameFilters; }

    // "description|pattern[|description|pattern...]" (patterns separated by
    // ";") as QFileDialog's name filters.
    static QStringList toNameFilters(const QString &filter);

private:
    QPointer<QWidget> m_parent;
    QStringList m_nameFilters;
    QString m_fileName;
    QString m_startFolder;
    Proposal m_proposal;
    QString m_folderKey;
};

// The open and save dialogs of article files: Qt file dialogs for
// "Article files (*.json)" and "All files (*)"; the save dialog asks before
// replacing a file and adds ".json" to a name typed without an extension.
class QtArticleDialogService : public ArticleDialogService {
public:
    explicit QtArticleDialogService(QWidget *parent = nullptr)
        : m_parent(parent)
    {
    }
    void setParentWidget(QWidget *parent) { m_parent = parent; }

    std::optional<QString> chooseOpen(const QString &folder) override;
    std::optional<QString> chooseSave(const QString &proposed) override;

    static QStringList nameFilters();

private:
    QPointer<QWidget> m_parent;
};

// The organisation under which the program's settings are kept, with the
// program's title as the application: QSettings(kSettingsOrganization,
// kProgramTitle).
inline const QString kSettingsOrganization = QStringLiteral("Vantry");

// The recent article files in the user's settings (QSettings).
class SettingsRecentArticles : public RecentArticlesStore {
public:
    QStringList load() const override;
    void store(const QStringList &paths) override;
};

} // namespace kestrin::ui
