// SPDX-License-Identifier: MIT
#include "fields.h"

#include "bigtextview.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <limits>

namespace kestrin::ui {

QString fromCrLf(const QString &text)
{
    QString out = text;
    out.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return out;
}

QString toCrLf(const QString &text)
{
    auto isBreak = [](QChar c) { return c == u'\n' || c == QChar::ParagraphSeparator || c == QChar::LineSeparator; };
    const qsizetype breaks = std::count_if(text.cbegin(), text.cend(), isBreak);
    QString out(text.size() + breaks, Qt::Uninitialized);
    QChar *to = out.data();
    for (QChar c : text) {
        if (isBreak(c)) {
            *to++ = u'\r';
            *to++ = u'\n';
        } else {
            *to++ = c;
        }
    }
    return out;
}

MultiLineEdit::MultiLineEdit(QWidget *parent)
    : QPlainTextEdit(parent)
{
    setTabChangesFocus(true);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    connect(document(), &QTextDocument::contentsChanged, this, [this] {
        m_crLfValid = false;
        m_crLf.clear();
    });
}

QString MultiLineEdit::crLfText() const
{
    // The raw text keeps non-breaking spaces, which toPlainText() would turn
    // into plain blanks. Kept until the text changes: the title's modified
    // mark reads every field whenever typing rests.
    if (isShownBig())
        return m_big->text();
    if (!m_crLfValid) {
        m_crLf = toCrLf(document()->toRawText());
        m_crLfValid = true;
    }
    return m_crLf;
}

void MultiLineEdit::setCrLfText(const QString &text)
{
    // As setPlainText does: the old text and its undo steps go.
    m_bigUndo.clear();
    if (isBigText(text)) {
        // In a step of its own, so that the window answers between the big
        // texts of one fill (and a fill given up sets no more of them).
        auto show = [&] {
            setPlainText(QString());
            showBig(text);
            return false;
        };
        if (m_steps)
            m_steps(show);
        else
            show();
        return;
    }
    hideBig();
    if (!m_steps || text.size() <= kSlicedText) {
        setPlainText(fromCrLf(text));
        return;
    }
    // As setPlainText does: the old text and its undo steps go; the new
    // text comes without any, the cursor at its start.
    setPlainText(QString());
    QTextDocument *doc = document();
    doc->setUndoRedoEnabled(false);
    // The cursor's insertText takes CR LF as one line break.
    QTextCursor cursor(doc);
    if (insertInSteps(cursor, text))
        readInSteps();
    doc->setUndoRedoEnabled(true);
    moveCursor(QTextCursor::Start);
}

void MultiLineEdit::readInSteps()
{
    // What crLfText() reads, a few lines at a step: the blocks' raw text
    // joined by CR LF.
    QString text;
    QTextBlock block = document()->firstBlock();
    const bool whole = m_steps([&] {
        for (int lines = 0; lines < kStepLines && block.isValid(); ++lines) {
            text += toCrLf(block.text());
            block = block.next();
            if (block.isValid())
                text += QLatin1String("\r\n");
        }
        return block.isValid();
    });
    if (whole) {
        m_crLf = std::move(text);
        m_crLfValid = true;
    }
}

bool MultiLineEdit::insertInSteps(QTextCursor &cursor, const QString &text, bool joined)
{
    qsizetype done = 0;
    return m_steps([&] {
        // Each step ends its edit block, so that the control lays out and
        // draws what has come, and joins the one before for the undo.
        if (done == 0 && !joined)
            cursor.beginEditBlock();
        else
            cursor.joinPreviousEditBlock();
        // A step ends after a line break: a line is laid out again whenever
        // it grows, so that a long one comes in one piece.
        qsizetype next = std::min(text.size(), done + kStepChars);
        if (next < text.size()) {
            const qsizetype lineEnd = text.indexOf(u'\n', next - 1);
            next = lineEnd < 0 ? text.size() : lineEnd + 1;
        }
        cursor.insertText(text.sliced(done, next - done));
        cursor.endEditBlock();
        done = next;
        return done < text.size();
    });
}

void MultiLineEdit::insertFromMimeData(const QMimeData *source)
{
    if (!isReadOnly() && source && source->hasText() && insertBig(source->text()))
        return;
    if (!m_steps || isReadOnly() || !source || !source->hasText() || source->text().size() <= kSlicedText) {
        QPlainTextEdit::insertFromMimeData(source);
        return;
    }
    // A big paste or drop goes in a slice at a time, so that the window
    // answers meanwhile.
    // The selection it replaces goes in the same step to undo.
    QTextCursor cursor = textCursor();
    const bool replacing = cursor.hasSelection();
    if (replacing) {
        cursor.beginEditBlock();
        cursor.removeSelectedText();
        cursor.endEditBlock();
    }
    insertInSteps(cursor, source->text(), replacing);
    setTextCursor(cursor);
    ensureCursorVisible();
}

bool MultiLineEdit::insertBig(const QString &text)
{
    // Only a text that comes out too big for the document is taken here:
    // shown by the light view, the document keeps what it held, and its
    // undo steps, for Undo to bring back.
    if (document()->characterCount() + text.size() <= kBigChars) {
        const qsizetype newLines =
            text.count(u'\n') + text.count(QChar::ParagraphSeparator) + text.count(QChar::LineSeparator);
        if (document()->blockCount() + newLines <= kBigLines)
            return false;
    }
    const QString raw = document()->toRawText();
    const QTextCursor cursor = textCursor();
    const QString result = toCrLf(raw.left(cursor.selectionStart()) + text + raw.mid(cursor.selectionEnd()));
    if (!isBigText(result))
        return false;
    m_bigUndo.emplace_back(std::nullopt);
    showBig(result);
    emit shownBig(m_big->text().size(), m_big->lineCount());
    return true;
}

void MultiLineEdit::keyPressEvent(QKeyEvent *event)
{
    if (isShownBig() && bigKey(event))
        return;
    // Undo past the document's first step brings back a big text that an
    // edit replaced.
    if (event->matches(QKeySequence::Undo) && !document()->isUndoAvailable() && undoBig())
        return event->accept();
    if (event->key() == Qt::Key_Tab && event->modifiers() == Qt::ControlModifier && !isReadOnly()) {
        insertPlainText(QStringLiteral("\t"));
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

LineEdit::LineEdit(QWidget *parent)
    : QLineEdit(parent)
{
    // No length limit (QLineEdit's default is 32767 characters).
    setMaxLength(std::numeric_limits<int>::max());
}

void LineEdit::setWholeText(const QString &text)
{
    // As setText does: the old text and its undo steps go.
    const QString whole = text; // the caller's may be one of ours
    m_cuts.clear();
    m_cutsBehind = 0;
    m_cut = whole.size() > kShownChars;
    m_whole = m_cut ? whole : QString();
    if (m_cut) {
        m_cuts.push_back(whole);
        m_cutsBehind = 1;
    }
    setReadOnly(m_cut);
    setText(m_cut ? shortened(whole) : whole);
    setCursorPosition(0);
}

QString LineEdit::shortened(const QString &whole)
{
    return whole.left(kShownChars) + QChar(0x2026);
}

void LineEdit::editWhole(const QString &whole)
{
    // One edit of the line edit's own, so that its undo steps, those before
    // included, stay in order; a cut text is remembered by where it stands
    // among them.
    const bool cut = whole.size() > kShownChars;
    if (cut) {
        m_cuts.resize(size_t(m_cutsBehind));
        m_cuts.push_back(whole);
        ++m_cutsBehind;
    }
    m_cut = cut;
    m_whole = cut ? whole : QString();
    setReadOnly(false);
    selectAll();
    insert(cut ? shortened(whole) : whole);
    setReadOnly(cut);
    if (cut)
        setCursorPosition(int(kShownChars));
}

void LineEdit::followHistory()
{
    // Only a cut text is shown longer than kShownChars.
    m_cut = text().size() > kShownChars && m_cutsBehind > 0;
    m_whole = m_cut ? m_cuts[size_t(m_cutsBehind - 1)] : QString();
    setReadOnly(m_cut);
    emit textChanged(text());
}

void LineEdit::undoEdit()
{
    // A read-only line edit has no undo steps to offer.
    setReadOnly(false);
    if (!isUndoAvailable())
        return setReadOnly(m_cut);
    const bool wasCut = m_cut;
    undo();
    if (wasCut)
        --m_cutsBehind;
    followHistory();
}

void LineEdit::redoEdit()
{
    setReadOnly(false);
    if (!isRedoAvailable())
        return setReadOnly(m_cut);
    redo();
    if (text().size() > kShownChars)
        ++m_cutsBehind;
    followHistory();
}

bool LineEdit::insertWhole(const QString &text)
{
    if (m_cut) {
        // Only all of a cut text can be replaced.
        if (!allSelected())
            return true;
        editWhole(text);
        if (m_cut)
            emit shownCut(m_whole.size());
        return true;
    }
    const QString before = QLineEdit::text();
    const qsizetype start = hasSelectedText() ? selectionStart() : cursorPosition();
    const qsizetype removed = hasSelectedText() ? selectedText().size() : 0;
    if (before.size() - removed + text.size() <= kShownChars)
        return false;
    editWhole(before.left(start) + text + before.mid(start + removed));
    emit shownCut(m_whole.size());
    return true;
}

void LineEdit::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Undo) || event->matches(QKeySequence::Redo)) {
        event->matches(QKeySequence::Undo) ? undoEdit() : redoEdit();
        return event->accept();
    }
    const QString typed = event->text();
    const bool typing = !typed.isEmpty() && typed.at(0).isPrint() && !(event->modifiers() & Qt::ControlModifier);
    if (event->matches(QKeySequence::Paste)) {
        if (insertWhole(QGuiApplication::clipboard()->text()))
            return event->accept();
    } else if (typing && !m_cut && !isReadOnly()) {
        // Typing that makes the text too long to show goes the same way.
        if (insertWhole(typed))
            return event->accept();
    } else if (m_cut) {
        if (event->matches(QKeySequence::Copy) && allSelected()) {
            QGuiApplication::clipboard()->setText(m_whole);
            return event->accept();
        }
        const bool deleting =
            event->key() == Qt::Key_Delete || event->key() == Qt::Key_Backspace || event->matches(QKeySequence::Cut);
        if ((deleting || typing) && allSelected()) {
            if (event->matches(QKeySequence::Cut))
                QGuiApplication::clipboard()->setText(m_whole);
            editWhole(typing ? typed : QString());
            return event->accept();
        }
    }
    QLineEdit::keyPressEvent(event);
}

void LineEdit::contextMenuEvent(QContextMenuEvent *event)
{
    QMenu *menu = createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    auto take = [&](const char *name, bool enabled, std::function<void()> run) {
        if (auto *action = menu->findChild<QAction *>(QLatin1String(name))) {
            disconnect(action, &QAction::triggered, nullptr, nullptr);
            action->setEnabled(enabled);
            connect(action, &QAction::triggered, this, std::move(run));
        }
    };
    const QString clip = QGuiApplication::clipboard()->text();
    take("edit-paste", !clip.isEmpty() && (!m_cut || allSelected()), [this] {
        const QString clip = QGuiApplication::clipboard()->text();
        if (!insertWhole(clip))
            insert(clip);
    });
    setReadOnly(false);
    const bool undoable = isUndoAvailable();
    const bool redoable = isRedoAvailable();
    setReadOnly(m_cut);
    take("edit-undo", undoable, [this] { undoEdit(); });
    take("edit-redo", redoable, [this] { redoEdit(); });
    if (m_cut) {
        take("edit-copy", hasSelectedText(),
             [this] { QGuiApplication::clipboard()->setText(allSelected() ? m_whole : selectedText()); });
        take("edit-cut", allSelected(), [this] {
            QGuiApplication::clipboard()->setText(m_whole);
            editWhole(QString());
        });
        take("edit-delete", allSelected(), [this] { editWhole(QString()); });
    }
    menu->popup(event->globalPos());
}

void LineEdit::mouseReleaseEvent(QMouseEvent *event)
{
    // The middle button pastes the selection of X11 and Wayland.
    if (event->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection()
        && (m_cut || !isReadOnly())) {
        const QString clip = QGuiApplication::clipboard()->text(QClipboard::Selection);
        if (m_cut || clip.size() > kShownChars) {
            if (!insertWhole(clip))
                insert(clip);
            return event->accept();
        }
    }
    QLineEdit::mouseReleaseEvent(event);
}

void LineEdit::dropEvent(QDropEvent *event)
{
    const QMimeData *mime = event->mimeData();
    if (mime && mime->hasText() && (m_cut || mime->text().size() > kShownChars)) {
        if (!m_cut)
            setCursorPosition(cursorPositionAt(event->position().toPoint()));
        if (!insertWhole(mime->text()))
            insert(mime->text());
        event->acceptProposedAction();
        return;
    }
    QLineEdit::dropEvent(event);
}

ReadOnlyField::ReadOnlyField(QWidget *parent)
    : QLabel(parent)
{
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setBackgroundRole(QPalette::Base);
    setForegroundRole(QPalette::Text);
    setAutoFillBackground(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setWordWrap(true);
    setMargin(2);
    setTextFormat(Qt::PlainText);
    setTextInteractionFlags(Qt::TextSelectableByMouse);
    // A label takes no focus, not even from a click that selects its text.
    setFocusPolicy(Qt::NoFocus);
}

void ReadOnlyField::setCaption(const QString &caption)
{
    m_caption = caption;
    setText(fromCrLf(caption));
}

} // namespace kestrin::ui
