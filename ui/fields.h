// SPDX-License-Identifier: MIT
#pragma once

// The field widgets of the main window where plain Qt widgets behave
// differently from what the window promises.

#include <QLabel>
#include <QPlainTextEdit>

namespace kestrin::ui {

// CR LF line breaks (the document's) to "\n" (the widgets') and back. Line
// and paragraph separators, which some keys and pastes insert, are line
// breaks as well.
QString fromCrLf(const QString &text);
QString toCrLf(const QString &text);

// A multi-line text box: wraps words, always shows its vertical scroll bar,
// Enter starts a new line, Tab and Shift+Tab move the focus, Ctrl+Tab types
// a tab character. Its text comes and goes with CR LF line breaks.
class MultiLineEdit : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit MultiLineEdit(QWidget *parent = nullptr);

    QString crLfText() const;
    void setCrLfText(const QString &text);

protected:
    void keyPressEvent(QKeyEvent *event) override;
};

// A label shown as a read-only text field: sunken border, the field colours
// of the current scheme, text selectable with the mouse; it takes no focus. Its caption is kept
// exactly as it was set, CR LF included.
class ReadOnlyField : public QLabel {
    Q_OBJECT
public:
    explicit ReadOnlyField(QWidget *parent = nullptr);

    QString caption() const { return m_caption; }
    void setCaption(const QString &caption);

private:
    QString m_caption;
};

} // namespace kestrin::ui
