// SPDX-License-Identifier: MIT
#pragma once

#include "services.h"

#include <QList>
#include <QStringList>

#include <optional>

// Message box and save dialog that answer from a script instead of waiting
// for a user, and remember what they were asked.
class ScriptedMessageBox : public kestrin::MessageBoxService {
public:
    kestrin::MessageAnswer show(const kestrin::MessageRequest &request) override;

    void answerNext(kestrin::MessageAnswer answer) { m_answers.append(answer); }
    const QList<kestrin::MessageRequest> &shown() const { return m_shown; }
    QStringList prompts() const;
    void clear() { m_shown.clear(); }

private:
    QList<kestrin::MessageAnswer> m_answers;
    QList<kestrin::MessageRequest> m_shown;
};

class ScriptedSaveDialog : public kestrin::SaveDialogService {
public:
    void setFilter(const QString &filter) override { m_filter = filter; }
    bool showSave() override;
    QString fileName() const override { return m_fileName; }
    void setStartFolder(const QString &folder) override { m_startFolder = folder; }

    // The user types this path and saves; std::nullopt: the user cancels.
    void chooseNext(std::optional<QString> path) { m_choices.append(std::move(path)); }
    const QString &filter() const { return m_filter; }
    int timesShown() const { return m_shownCount; }
    const QString &startFolder() const { return m_startFolder; }

private:
    QList<std::optional<QString>> m_choices;
    QString m_filter;
    QString m_fileName;
    QString m_startFolder;
    int m_shownCount = 0;
};

// The article file dialogs: answer from a script and remember the folder
// and the name they were opened with.
class ScriptedArticleDialog : public kestrin::ArticleDialogService {
public:
    std::optional<QString> chooseOpen(const QString &folder) override;
    std::optional<QString> chooseSave(const QString &proposed) override;

    // The user picks this path; std::nullopt: the user cancels.
    void chooseNext(std::optional<QString> path) { m_choices.append(std::move(path)); }
    const QStringList &openFolders() const { return m_openFolders; }
    const QStringList &proposals() const { return m_proposals; }

private:
    std::optional<QString> next();

    QList<std::optional<QString>> m_choices;
    QStringList m_openFolders;
    QStringList m_proposals;
};
