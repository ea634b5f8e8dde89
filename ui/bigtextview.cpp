// SPDX-License-Identifier: MIT
#include "bigtextview.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>
#include <limits>

namespace kestrin::ui {

namespace {

constexpr int kMargin = 4;

} // namespace

BigTextView::BigTextView(QWidget *field)
    : QAbstractScrollArea(field)
{
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // A click gives the focus to the field, which hands on its keys.
    setFocusProxy(field);
    setFocusPolicy(Qt::ClickFocus);
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setCursor(Qt::ArrowCursor);
    setAcceptDrops(false);
}

bool BigTextView::setText(const QString &text)
{
    bool crLf = true;
    m_text = text;
    m_marks.clear();
    m_lines = 0;
    m_longest = 0;
    m_allSelected = false;
    // One pass over the characters (millions of lines: no call per line).
    const QChar *chars = m_text.constData();
    const qsizetype size = m_text.size();
    qsizetype start = 0;
    m_marks.push_back(0);
    for (qsizetype i = 0; i < size; ++i) {
        if (chars[i] != u'\n')
            continue;
        crLf = crLf && i > 0 && chars[i - 1] == u'\r';
        m_longest = std::max(m_longest, i - start);
        start = i + 1;
        if (++m_lines % kMarkStride == 0)
            m_marks.push_back(start);
    }
    m_longest = std::max(m_longest, size - start);
    ++m_lines;
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
    updateScrollBars();
    viewport()->update();
    return crLf;
}

qsizetype BigTextView::lineStart(qsizetype index) const
{
    qsizetype start = m_marks[size_t(index / kMarkStride)];
    for (qsizetype i = index % kMarkStride; i > 0; --i)
        start = lineEnd(start).second;
    return start;
}

std::pair<qsizetype, qsizetype> BigTextView::lineEnd(qsizetype start) const
{
    const qsizetype lf = QStringView(m_text).indexOf(u'\n', start);
    if (lf < 0)
        return {m_text.size(), m_text.size()};
    const qsizetype end = lf > start && m_text.at(lf - 1) == u'\r' ? lf - 1 : lf;
    return {end, lf + 1};
}

QStringView BigTextView::line(qsizetype index) const
{
    if (index < 0 || index >= m_lines)
        return {};
    const qsizetype start = lineStart(index);
    return QStringView(m_text).sliced(start, lineEnd(start).first - start);
}

void BigTextView::setAllSelected(bool all)
{
    if (m_allSelected == all)
        return;
    m_allSelected = all;
    viewport()->update();
}

int BigTextView::visibleLines() const
{
    const int height = fontMetrics().lineSpacing();
    return std::max(1, (viewport()->height() - 2 * kMargin) / std::max(1, height));
}

void BigTextView::updateScrollBars()
{
    const int shown = visibleLines();
    const qsizetype lastTop = std::max<qsizetype>(0, m_lines - shown);
    verticalScrollBar()->setRange(0, int(std::min<qsizetype>(lastTop, std::numeric_limits<int>::max())));
    verticalScrollBar()->setPageStep(shown);
    verticalScrollBar()->setSingleStep(1);
    const qsizetype widest = std::min(m_longest, kShownLineChars + 1);
    const qsizetype width = widest * fontMetrics().averageCharWidth() + 2 * kMargin;
    horizontalScrollBar()->setRange(0, int(std::max<qsizetype>(0, width - viewport()->width())));
    horizontalScrollBar()->setPageStep(viewport()->width());
    horizontalScrollBar()->setSingleStep(fontMetrics().averageCharWidth() * 4);
}

bool BigTextView::scrollByKey(const QKeyEvent *event)
{
    QScrollBar *v = verticalScrollBar();
    QScrollBar *h = horizontalScrollBar();
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    switch (event->key()) {
    case Qt::Key_Up: v->triggerAction(QAbstractSlider::SliderSingleStepSub); return true;
    case Qt::Key_Down: v->triggerAction(QAbstractSlider::SliderSingleStepAdd); return true;
    case Qt::Key_PageUp: v->triggerAction(QAbstractSlider::SliderPageStepSub); return true;
    case Qt::Key_PageDown: v->triggerAction(QAbstractSlider::SliderPageStepAdd); return true;
    case Qt::Key_Left: h->triggerAction(QAbstractSlider::SliderSingleStepSub); return true;
    case Qt::Key_Right: h->triggerAction(QAbstractSlider::SliderSingleStepAdd); return true;
    case Qt::Key_Home: (ctrl ? v : h)->triggerAction(QAbstractSlider::SliderToMinimum); return true;
    case Qt::Key_End: (ctrl ? v : h)->triggerAction(QAbstractSlider::SliderToMaximum); return true;
    default: return false;
    }
}

void BigTextView::paintEvent(QPaintEvent *)
{
    QPainter painter(viewport());
    const QPalette &pal = palette();
    const QPalette::ColorGroup group = !isEnabled()                                   ? QPalette::Disabled
                                       : parentWidget() && parentWidget()->hasFocus() ? QPalette::Active
                                                                                      : QPalette::Inactive;
    QColor text = pal.color(group, QPalette::Text);
    if (m_allSelected) {
        painter.fillRect(viewport()->rect(), pal.color(group, QPalette::Highlight));
        text = pal.color(group, QPalette::HighlightedText);
    }
    painter.setPen(text);
    painter.setFont(font());
    const int height = fontMetrics().lineSpacing();
    const int x = kMargin - horizontalScrollBar()->value();
    const int width = viewport()->width() - x;
    qsizetype index = verticalScrollBar()->value();
    if (index >= m_lines)
        return;
    qsizetype start = lineStart(index);
    for (int y = kMargin; index < m_lines && y < viewport()->height(); ++index, y += height) {
        const auto [end, next] = lineEnd(start);
        const QStringView whole = QStringView(m_text).sliced(start, end - start);
        QString shown = whole.left(kShownLineChars).toString();
        if (whole.size() > kShownLineChars)
            shown += QChar(0x2026);
        painter.drawText(QRect(x, y, width, height), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextExpandTabs, shown);
        start = next;
    }
}

void BigTextView::resizeEvent(QResizeEvent *event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

void BigTextView::scrollContentsBy(int, int)
{
    viewport()->update();
}

void BigTextView::contextMenuEvent(QContextMenuEvent *event)
{
    if (m_menu)
        m_menu(event->globalPos());
    event->accept();
}

void BigTextView::changeEvent(QEvent *event)
{
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        updateScrollBars();
}

} // namespace kestrin::ui
