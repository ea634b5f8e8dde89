// SPDX-License-Identifier: MIT
#pragma once

// A text too big for Qt's text document to hold cheaply (hundreds of bytes
// a line), shown read-only straight from one string: only the lines in view
// are laid out and painted, found through the start of every 64th line.
// It selects all of the text or nothing. It takes no focus of its own: the
// field it stands in for keeps the focus and hands it the keys that scroll.

#include <QAbstractScrollArea>
#include <QString>

#include <functional>
#include <vector>

class QKeyEvent;

namespace kestrin::ui {

class BigTextView : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit BigTextView(QWidget *field);

    // Lines end at LF, with the CR before it (if any) not shown. False when
    // some LF has no CR before it.
    bool setText(const QString &text);
    const QString &text() const { return m_text; }
    qsizetype lineCount() const { return m_lines; }
    // A line without its line break.
    QStringView line(qsizetype index) const;

    bool isAllSelected() const { return m_allSelected; }
    void setAllSelected(bool all);

    // Scrolls as the arrow, page, Home and End keys ask; false for any other key.
    bool scrollByKey(const QKeyEvent *event);

    // Longer lines are shown cut, ending in "…".
    static constexpr qsizetype kShownLineChars = 2000;

    // What a right click asks for (the field's own menu).
    void setMenuHandler(std::function<void(const QPoint &globalPos)> handler) { m_menu = std::move(handler); }

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    static constexpr qsizetype kMarkStride = 64;
    qsizetype lineStart(qsizetype index) const;
    // The end of the line starting at start (before its break) and the
    // start of the next one.
    std::pair<qsizetype, qsizetype> lineEnd(qsizetype start) const;
    void updateScrollBars();
    int visibleLines() const;

    QString m_text;
    std::vector<qsizetype> m_marks; // the start of every kMarkStride-th line
    qsizetype m_lines = 0;
    qsizetype m_longest = 0;
    bool m_allSelected = false;
    std::function<void(const QPoint &)> m_menu;
};

} // namespace kestrin::ui
