// SPDX-License-Identifier: MIT
// The multi-line field holding a text too big for Qt's text document: the
// light view stands over the document, and the few edits a read-only text
// allows replace it whole or take an edit back.

#include "bigtextview.h"
#include "fields.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QTextDocument>

namespace kestrin::ui {

bool MultiLineEdit::isBigText(QStringView crLf)
{
    if (crLf.size() > kBigChars)
        return true;
    qsizetype lines = 1;
    for (const QChar c : crLf) {
        if ((c == u'\n' || c == QChar::ParagraphSeparator || c == QChar::LineSeparator) && ++lines > kBigLines)
            return true;
    }
    return false;
}

bool MultiLineEdit::isShownBig() const
{
    return m_big && !m_big->isHidden();
}

void MultiLineEdit::showBig(const QString &crLf)
{
    if (!m_big) {
        m_big = new BigTextView(this);
        m_big->setObjectName(objectName() + QLatin1String("Big"));
        m_big->setMenuHandler([this](const QPoint &pos) { bigMenu(pos); });
    }
    // Line and paragraph separators and lone line feeds become CR LF, as
    // the document would give them back.
    const bool separators = crLf.contains(QChar::ParagraphSeparator) || crLf.contains(QChar::LineSeparator);
    if (separators || !m_big->setText(crLf))
        m_big->setText(toCrLf(fromCrLf(crLf)));
    m_big->setGeometry(rect());
    m_big->show();
    m_big->raise();
    setReadOnly(true);
    m_crLfValid = false;
    m_crLf.clear();
    emit textChanged();
}

void MultiLineEdit::hideBig()
{
    if (!isShownBig())
        return;
    m_big->hide();
    m_big->setText(QString());
    setReadOnly(false);
    emit textChanged();
}

void MultiLineEdit::resizeEvent(QResizeEvent *event)
{
    QPlainTextEdit::resizeEvent(event);
    if (m_big)
        m_big->setGeometry(rect());
}

void MultiLineEdit::replaceBig(const QString &text)
{
    const QString crLf = toCrLf(text);
    if (isBigText(crLf)) {
        m_bigUndo.emplace_back(m_big->text());
        showBig(crLf);
        emit shownBig(m_big->text().size(), m_big->lineCount());
        return;
    }
    // The document takes the text anew, and with it loses its undo steps:
    // what undo would have brought back from it is kept as a text.
    const QString under = toCrLf(document()->toRawText());
    for (std::optional<QString> &step : m_bigUndo) {
        if (!step)
            step = under;
    }
    m_bigUndo.emplace_back(m_big->text());
    hideBig();
    setPlainText(fromCrLf(crLf));
    moveCursor(QTextCursor::End);
}

bool MultiLineEdit::undoBig()
{
    if (m_bigUndo.empty())
        return false;
    const std::optional<QString> step = std::move(m_bigUndo.back());
    m_bigUndo.pop_back();
    if (!step) {
        hideBig();
    } else if (isBigText(*step)) {
        showBig(*step);
    } else {
        hideBig();
        setPlainText(fromCrLf(*step));
        moveCursor(QTextCursor::End);
    }
    return true;
}

bool MultiLineEdit::event(QEvent *event)
{
    // The keys the big text takes are not the window's shortcuts.
    if (event->type() == QEvent::ShortcutOverride && isShownBig()) {
        auto *key = static_cast<QKeyEvent *>(event);
        for (QKeySequence::StandardKey k : {QKeySequence::Undo, QKeySequence::Copy, QKeySequence::Cut,
                                            QKeySequence::Paste, QKeySequence::SelectAll, QKeySequence::Delete}) {
            if (key->matches(k)) {
                event->accept();
                return true;
            }
        }
    }
    return QPlainTextEdit::event(event);
}

bool MultiLineEdit::bigKey(QKeyEvent *event)
{
    const bool all = m_big->isAllSelected();
    if (event->matches(QKeySequence::Undo)) {
        undoBig();
    } else if (event->matches(QKeySequence::SelectAll)) {
        m_big->setAllSelected(true);
    } else if (event->matches(QKeySequence::Copy) || event->matches(QKeySequence::Cut)) {
        if (all)
            QGuiApplication::clipboard()->setText(fromCrLf(m_big->text()));
        if (all && event->matches(QKeySequence::Cut))
            replaceBig(QString());
    } else if (event->matches(QKeySequence::Paste)) {
        if (all)
            replaceBig(QGuiApplication::clipboard()->text());
    } else if (event->key() == Qt::Key_Delete || event->key() == Qt::Key_Backspace) {
        if (all)
            replaceBig(QString());
    } else if (m_big->scrollByKey(event)) {
        m_big->setAllSelected(false);
    } else {
        const QString typed = event->text();
        const bool ctrlTab = event->key() == Qt::Key_Tab && event->modifiers() == Qt::ControlModifier;
        const bool typing =
            ctrlTab || (!typed.isEmpty() && typed.at(0).isPrint() && !(event->modifiers() & Qt::ControlModifier));
        if (!typing)
            return false; // Tab, Escape and the like as usual
        if (all)
            replaceBig(ctrlTab ? QStringLiteral("\t") : typed);
    }
    event->accept();
    return true;
}

void MultiLineEdit::bigMenu(const QPoint &globalPos)
{
    // The document's own menu (in the user's language), its actions doing
    // what they do to the big text.
    // (Made as for an editable text: a read-only one's has no edit actions.)
    setReadOnly(false);
    QMenu *menu = createStandardContextMenu();
    setReadOnly(true);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    const bool all = m_big->isAllSelected();
    auto take = [&](const char *name, bool enabled, std::function<void()> run) {
        if (auto *action = menu->findChild<QAction *>(QLatin1String(name))) {
            disconnect(action, &QAction::triggered, nullptr, nullptr);
            action->setEnabled(enabled);
            connect(action, &QAction::triggered, this, std::move(run));
        }
    };
    take("edit-undo", !m_bigUndo.empty(), [this] { undoBig(); });
    take("edit-redo", false, [] {});
    take("edit-cut", all, [this] {
        QGuiApplication::clipboard()->setText(fromCrLf(m_big->text()));
        replaceBig(QString());
    });
    take("edit-copy", all, [this] { QGuiApplication::clipboard()->setText(fromCrLf(m_big->text())); });
    take("edit-paste", all && !QGuiApplication::clipboard()->text().isEmpty(),
         [this] { replaceBig(QGuiApplication::clipboard()->text()); });
    take("edit-delete", all, [this] { replaceBig(QString()); });
    take("select-all", !all, [this] { m_big->setAllSelected(true); });
    menu->popup(globalPos);
}

void MultiLineEdit::contextMenuEvent(QContextMenuEvent *event)
{
    if (isShownBig()) {
        bigMenu(event->globalPos());
        event->accept();
        return;
    }
    QPlainTextEdit::contextMenuEvent(event);
}

} // namespace kestrin::ui
