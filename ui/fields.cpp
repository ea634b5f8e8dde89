// SPDX-License-Identifier: MIT
#include "fields.h"

#include <QKeyEvent>

namespace kestrin::ui {

QString fromCrLf(const QString &text)
{
    QString out = text;
    out.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return out;
}

QString toCrLf(const QString &text)
{
    QString out;
    out.reserve(text.size() + text.size() / 16);
    for (QChar c : text) {
        if (c == u'\n' || c == QChar::ParagraphSeparator || c == QChar::LineSeparator)
            out += QLatin1String("\r\n");
        else
            out += c;
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
}

QString MultiLineEdit::crLfText() const
{
    // The raw text keeps non-breaking spaces, which toPlainText() would turn
    // into plain blanks.
    return toCrLf(document()->toRawText());
}

void MultiLineEdit::setCrLfText(const QString &text)
{
    setPlainText(fromCrLf(text));
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
