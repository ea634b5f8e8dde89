// SPDX-License-Identifier: MIT
#pragma once

// The operations the form's handlers use on the window besides its
// controls: the message box, the save dialog, the article file dialogs and
// the list of recent articles. The main window implements them with widgets;
// the tests answer them without a screen.

#include <QString>
#include <QStringList>

#include <optional>

namespace kestrin {

enum class MessageButtons { Ok, YesNo, YesNoCancel, SaveDiscardCancel };
enum class MessageIcon { Information, Question, Warning };
enum class MessageAnswer { Ok, Yes, No, Cancel, Save, Discard };

inline const QString kProgramTitle = QStringLiteral("Kestrin Editor");

struct MessageRequest {
    QString prompt; // may hold CR LF
    QString title;
    MessageButtons buttons = MessageButtons::Ok;
    MessageIcon icon = MessageIcon::Information;
    MessageAnswer defaultAnswer = MessageAnswer::Ok;
};

// Modal message box: shows the request and returns the button pressed.
class MessageBoxService {
public:
    virtual ~MessageBoxService() = default;
    virtual MessageAnswer show(const MessageRequest &request) = 0;
};

// The main window's one save dialog. It remembers the last chosen name.
class SaveDialogService {
public:
    virtual ~SaveDialogService() = default;
    // A filter of the form "description|pattern".
    virtual void setFilter(const QString &filter) = 0;
    // Shows the modal dialog; false when the user cancelled it.
    virtual bool showSave() = 0;
    // The chosen path, unchanged; it stays for the next showing.
    virtual QString fileName() const = 0;
    // The folder the dialog shows when it opens, whatever folder the
    // remembered name is in; empty: the remembered name's folder.
    virtual void setStartFolder(const QString &folder) { static_cast<void>(folder); }

    // What a dialog that saves one kind of file says and proposes: its title,
    // the file name it offers, the extension (without the dot) it adds to a
    // name typed without one, and the folder it opens in when it remembers
    // none of its own. Empty parts leave the dialog as it is.
    struct Proposal {
        QString title;
        QString fileName;
        QString defaultSuffix;
        QString folder;
    };
    virtual void propose(const Proposal &proposal) { static_cast<void>(proposal); }
};

// The dialogs that choose an article file to open or to save to.
class ArticleDialogService {
public:
    virtual ~ArticleDialogService() = default;
    // Shows the open dialog in the folder (empty: the dialog's own choice);
    // the chosen path, or nothing when the user cancelled.
    virtual std::optional<QString> chooseOpen(const QString &folder) = 0;
    // Shows the save dialog with a proposed path (its folder and name); the
    // chosen path, or nothing when the user cancelled. A typed name without
    // an extension gets ".json".
    virtual std::optional<QString> chooseSave(const QString &proposed) = 0;
};

// Where the list of recently used article files is kept between runs.
class RecentArticlesStore {
public:
    virtual ~RecentArticlesStore() = default;
    virtual QStringList load() const = 0;
    virtual void store(const QStringList &paths) = 0;
};

// The list kept for the run only.
class MemoryRecentArticles : public RecentArticlesStore {
public:
    QStringList load() const override { return m_paths; }
    void store(const QStringList &paths) override { m_paths = paths; }

private:
    QStringList m_paths;
};

} // namespace kestrin
