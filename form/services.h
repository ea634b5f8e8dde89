// SPDX-License-Identifier: MIT
#pragma once

// The operations the document's handlers use on the window: its controls,
// the message box, the save dialog, the article file dialogs, the list of
// recent articles and files. The main window
// implements them with widgets; MemoryForm implements the control part in
// memory, so the same handlers run with or without a screen.

#include "codepage.h"
#include "controls.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <functional>
#include <optional>

namespace kestrin {

class ControlAccess {
public:
    using ClickHandler = std::function<void(Control)>;

    virtual ~ControlAccess() = default;

    // Text boxes and the combo box. Lines are separated by CR LF. Setting the
    // combo box's text to one of its items selects that item; any other text
    // leaves it with no item selected (and an empty text).
    virtual QString text(Control control) const = 0;
    virtual void setText(Control control, const QString &text) = 0;

    // Labels, check boxes and option buttons.
    virtual QString caption(Control control) const = 0;

    // Check boxes: 0 or 1. Setting a new value runs the box's click handler
    // at once, before setValue returns; setting the current value runs
    // nothing.
    virtual int value(Control control) const = 0;
    virtual void setValue(Control control, int value) = 0;

    // Option buttons. Selecting an unselected button unselects the others of
    // its group and runs its click handler at once; selecting the selected
    // one runs nothing.
    virtual bool isSelected(Control control) const = 0;
    virtual void select(Control control) = 0;

    virtual bool isEnabled(Control control) const = 0;
    virtual void setEnabled(Control control, bool enabled) = 0;

    virtual SystemColor background(Control control) const = 0;
    virtual void setBackground(Control control, SystemColor color) = 0;

    // The document installs one handler that receives every click, whether
    // the user made it or a setValue/select call did.
    void setClickHandler(ClickHandler handler) { m_clickHandler = std::move(handler); }

protected:
    void notifyClick(Control control) const
    {
        if (m_clickHandler)
            m_clickHandler(control);
    }

private:
    ClickHandler m_clickHandler;
};

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

struct SaveResult {
    bool ok = false;
    QString error;           // why it was not saved, when not ok
    bool unmappable = false; // the encoder met a character it cannot hold
};

// Writes one text, followed by CR LF, as a whole file. When the encoder
// meets a character it cannot hold (and does not replace), nothing is
// written and the result says so.
class TextFileService {
public:
    virtual ~TextFileService() = default;
    // The text is given as pieces written one after the other.
    virtual SaveResult writePieces(const QString &path, const QList<QStringView> &pieces,
                                   const TextEncoder &encoder) = 0;
    SaveResult writeLine(const QString &path, QStringView text, const TextEncoder &encoder)
    {
        return writePieces(path, {text}, encoder);
    }
};

// Writes bytes, exactly as given, as a whole file (article files, exports).
class ByteFileService {
public:
    // Takes the next bytes of the file; false once the file cannot take
    // them, after which the rest is not wanted.
    using ByteWriter = std::function<bool(QByteArrayView)>;
    // Hands the whole content to the writer, piece after piece.
    using ByteProducer = std::function<void(const ByteWriter &)>;

    virtual ~ByteFileService() = default;
    virtual SaveResult writeBytes(const QString &path, QByteArrayView bytes) = 0;
    // The file made of the pieces that produce hands over, so that a large
    // content never has to be in memory at once. Here the pieces are joined
    // and written with writeBytes.
    virtual SaveResult writeStream(const QString &path, const ByteProducer &produce)
    {
        QByteArray bytes;
        produce([&bytes](QByteArrayView piece) {
            bytes.append(piece);
            return true;
        });
        return writeBytes(path, bytes);
    }
};

// Replaces the target atomically: the text goes to a temporary file in the
// same folder, which is renamed over the target only once it is complete and
// keeps the target's owner, group, mode, extended attributes and access
// control lists. Any failure leaves an existing target as it was and nothing
// else behind. A file that no one may write to is refused; a file that may
// be written in a folder that takes no new files is rewritten in place; a
// target that is not a regular file (a named pipe, a device, /dev/stdout) is
// written to directly and stays what it is (savetarget.h).
class AtomicTextFileService : public TextFileService, public ByteFileService {
public:
    SaveResult writePieces(const QString &path, const QList<QStringView> &pieces, const TextEncoder &encoder) override;
    SaveResult writeBytes(const QString &path, QByteArrayView bytes) override;
    // Each piece goes to the file as it comes.
    SaveResult writeStream(const QString &path, const ByteProducer &produce) override;

    // A named pipe that nothing reads from is waited for (a command-line
    // program does so); otherwise the save fails at once.
    void setWaitForPipeReader(bool wait) { m_waitForPipeReader = wait; }

private:
    bool m_waitForPipeReader = false;
};

} // namespace kestrin
