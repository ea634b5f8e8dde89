// SPDX-License-Identifier: MIT
#include "fields.h"

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
    if (!m_crLfValid) {
        m_crLf = toCrLf(document()->toRawText());
        m_crLfValid = true;
    }
    return m_crLf;
}

void MultiLineEdit::setCrLfText(const QString &text)
{
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

void MultiLineEdit::keyPressEvent(QKeyEvent *event)
{
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
    if (text.size() > kShownChars) {
        showCut(text, std::nullopt);
    } else {
        if (m_cut) {
            m_cut = false;
            m_whole.clear();
            m_beforeCut.reset();
            setReadOnly(false);
        }
        setText(text);
    }
    setCursorPosition(0);
}

void LineEdit::showCut(const QString &whole, std::optional<QString> before)
{
    m_whole = whole;
    m_beforeCut = std::move(before);
    m_cut = true;
    setReadOnly(true);
    setText(whole.left(kShownChars) + QChar(0x2026));
    setCursorPosition(0);
}

void LineEdit::replaceCut(const QString &text)
{
    const std::optional<QString> before = m_whole;
    setWholeText(text);
    if (m_cut)
        m_beforeCut = before;
    setCursorPosition(int(std::min(text.size(), kShownChars)));
}

bool LineEdit::insertWhole(const QString &text)
{
    if (m_cut) {
        // Only all of a cut text can be replaced.
        if (!allSelected())
            return true;
        replaceCut(text);
        if (m_cut)
            emit shownCut(m_whole.size());
        return true;
    }
    const QString before = QLineEdit::text();
    const qsizetype start = hasSelectedText() ? selectionStart() : cursorPosition();
    const qsizetype removed = hasSelectedText() ? selectedText().size() : 0;
    if (before.size() - removed + text.size() <= kShownChars)
        return false;
    showCut(before.left(start) + text + before.mid(start + removed), before);
    emit shownCut(m_whole.size());
    return true;
}

void LineEdit::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Paste)) {
        if (insertWhole(QGuiApplication::clipboard()->text()))
            return event->accept();
    } else if (m_cut) {
        if (event->matches(QKeySequence::Undo) && m_beforeCut) {
            setWholeText(*m_beforeCut);
            return event->accept();
        }
        if (event->matches(QKeySequence::Copy) && allSelected()) {
            QGuiApplication::clipboard()->setText(m_whole);
            return event->accept();
        }
        const bool deleting =
            event->key() == Qt::Key_Delete || event->key() == Qt::Key_Backspace || event->matches(QKeySequence::Cut);
        const QString typed = event->text();
        const bool typing = !typed.isEmpty() && typed.at(0).isPrint() && !(event->modifiers() & Qt::ControlModifier);
        if ((deleting || typing) && allSelected()) {
            if (event->matches(QKeySequence::Cut))
                QGuiApplication::clipboard()->setText(m_whole);
            replaceCut(typing ? typed : QString());
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
    if (m_cut) {
        take("edit-undo", m_beforeCut.has_value(), [this] { setWholeText(m_beforeCut.value_or(QString())); });
        take("edit-copy", hasSelectedText(),
             [this] { QGuiApplication::clipboard()->setText(allSelected() ? m_whole : selectedText()); });
        take("edit-cut", allSelected(), [this] {
            QGuiApplication::clipboard()->setText(m_whole);
            replaceCut(QString());
        });
        take("edit-delete", allSelected(), [this] { replaceCut(QString()); });
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
