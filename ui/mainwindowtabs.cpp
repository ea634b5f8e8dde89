// SPDX-License-Identifier: MIT
// The main window's five tabs, built from the layout table. Only the first
// page is built before the window is shown; each other page is built when it
// is first selected (or a control on it is reached for), with the state the
// form has held for its controls until then.

#include "mainwindow.h"

#include "accessibility.h"
#include "fields.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>

#include <algorithm>
#include <functional>
#include <limits>

namespace kestrin::ui {

namespace {

// The tabs in one row across the whole tab control: the room left beside
// the captions is shared out equally.
class RowTabBar : public QTabBar {
public:
    using QTabBar::QTabBar;

protected:
    QSize tabSizeHint(int index) const override
    {
        QSize size = QTabBar::tabSizeHint(index);
        const QWidget *tabs = parentWidget();
        if (!tabs || count() == 0)
            return size;
        int captions = 0;
        for (int i = 0; i < count(); ++i)
            captions += QTabBar::tabSizeHint(i).width();
        const int room = tabs->width() - 2 * kRowMargin - captions;
        if (room > 0)
            size.rwidth() += room / count() + (index < room % count() ? 1 : 0);
        return size;
    }

private:
    static constexpr int kRowMargin = 2;
};

class MainTabWidget : public QTabWidget {
public:
    explicit MainTabWidget(QWidget *parent)
        : QTabWidget(parent)
    {
        auto *bar = new RowTabBar(this);
        // Connected before the tab widget's own connection, so that a page
        // is built before it is shown and given the focus.
        connect(bar, &QTabBar::currentChanged, this, [this](int index) {
            if (m_beforeShow && index >= 0)
                m_beforeShow(index);
        });
        setTabBar(bar);
        setUsesScrollButtons(false);
        setElideMode(Qt::ElideNone);
    }

    void setBeforeShow(std::function<void(int)> beforeShow) { m_beforeShow = std::move(beforeShow); }

private:
    std::function<void(int)> m_beforeShow;
};

// The option buttons of a group are one stop of the Tab key, at the selected
// one; the arrow keys move the selection within the group.
void keepOneTabStop(QButtonGroup *group)
{
    for (QAbstractButton *button : group->buttons()) {
        const Qt::FocusPolicy policy = button->focusPolicy();
        button->setFocusPolicy(button->isChecked() ? Qt::FocusPolicy(policy | Qt::TabFocus)
                                                   : Qt::FocusPolicy(policy & ~Qt::TabFocus));
    }
}

QLabel *makeLabel(const ControlPlacement &p, const QString &caption, QWidget *page)
{
    auto *label = new QLabel(page);
    label->setTextFormat(Qt::PlainText);
    label->setText(fromCrLf(caption));
    label->setAlignment((p.rightAligned ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignTop);
    label->setWordWrap(caption.contains(u'\n'));
    return label;
}

// The page a control of the document stands on.
TabPage pageOf(Control control)
{
    for (const ControlPlacement &p : controlPlacements()) {
        if (documentControl(p) == control)
            return p.page;
    }
    return TabPage::BasicData;
}

} // namespace

void MainWindow::buildTabs()
{
    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("ClientArea"));
    client->setFixedSize(pixels(kClientWidthTwips), pixels(kStatusBarTopTwips));
    setCentralWidget(client);

    auto *tabs = new MainTabWidget(client);
    m_mainTab = tabs;
    m_mainTab->setObjectName(QStringLiteral("MainTab"));
    m_mainTab->setGeometry(pixels(kMainTabTwips.x()), pixels(kMainTabTwips.y()), pixels(kMainTabTwips.width()),
                           pixels(kMainTabTwips.height()));
    for (int i = 0; i < kTabPageCount; ++i) {
        m_pages[size_t(i)] = new QWidget;
        m_mainTab->addTab(m_pages[size_t(i)], tabCaption(TabPage(i)));
    }
    m_placed.assign(controlPlacements().size(), nullptr);

    m_options = new QButtonGroup(this);
    m_options->setObjectName(QStringLiteral("InstallationOptions"));
    m_options->setExclusive(true);
    connect(m_options, &QButtonGroup::buttonToggled, this, [this] { keepOneTabStop(m_options); });

    tabs->setBeforeShow([this](int index) { buildPage(TabPage(index)); });
    m_form.setPageBuilder([this](Control control) { buildPage(pageOf(control)); });
    buildPage(TabPage::BasicData);
}

void MainWindow::buildPage(TabPage page)
{
    if (m_pageBuilt[size_t(page)])
        return;
    m_pageBuilt[size_t(page)] = true;
    QWidget *pageWidget = m_pages[size_t(page)];
    std::vector<std::pair<QLabel *, const char *>> buddies;
    const std::span<const ControlPlacement> placements = controlPlacements();
    for (size_t i = 0; i < placements.size(); ++i) {
        const ControlPlacement &p = placements[i];
        if (p.page != page)
            continue;
        QWidget *widget = makeControl(p, pageWidget);
        widget->setObjectName(QLatin1String(p.name));
        widget->setGeometry(pageRect(p));
        if (p.toolTip)
            widget->setToolTip(layoutText(p.toolTip));
        if (p.kind == WidgetKind::Label && p.buddy)
            buddies.emplace_back(static_cast<QLabel *>(widget), p.buddy);
        // The form gives the control its state, the design's or what the
        // handlers have set since.
        if (const std::optional<Control> id = documentControl(p))
            m_form.addControl(*id, widget);
        m_placed[i] = widget;
    }
    finishPage(pageWidget, buddies);
}

QWidget *MainWindow::makeControl(const ControlPlacement &p, QWidget *page)
{
    switch (p.kind) {
    case WidgetKind::Label: {
        QLabel *label = makeLabel(p, layoutText(p.caption), page);
        label->lower();
        return label;
    }
    case WidgetKind::ReadOnlyField: return new ReadOnlyField(page);
    case WidgetKind::LineEdit: {
        auto *edit = new LineEdit(page);
        // A text too long to show whole is shown cut, and the user told so.
        connect(edit, &LineEdit::shownCut, this, [this](qsizetype characters) {
            MessageRequest request;
            request.prompt = tr("The field now holds %1 characters and shows the first %2 of them. To change "
                                "the text, select all of it and type, delete or paste; Undo takes the paste "
                                "back.")
                                 .arg(QLocale().toString(characters), QLocale().toString(LineEdit::kShownChars));
            request.title = kProgramTitle;
            QTimer::singleShot(0, this, [this, request] { m_messages.show(request); });
        });
        return edit;
    }
    case WidgetKind::MultiLineEdit: {
        auto *edit = new MultiLineEdit(page);
        // A text too big to edit is shown read-only, and the user told so.
        connect(edit, &MultiLineEdit::shownBig, this, [this](qsizetype characters, qsizetype lines) {
            MessageRequest request;
            request.prompt = tr("The field now holds %1 lines (%2 characters), too many to edit: it shows them "
                                "read-only. To change the text, select all of it and type, delete or paste; Undo "
                                "takes the paste back.")
                                 .arg(QLocale().toString(lines), QLocale().toString(characters));
            request.title = kProgramTitle;
            QTimer::singleShot(0, this, [this, request] { m_messages.show(request); });
        });
        // Big texts come a slice at a time, the window answering meanwhile.
        edit->setStepRunner([this](const std::function<bool()> &step) {
            if (m_fileWork)
                return m_fileWork->runSteps(step);
            while (step()) {
            }
            return true;
        });
        return edit;
    }
    case WidgetKind::ComboBox: {
        auto *combo = new QComboBox(page);
        combo->setEditable(false);
        for (const char *item : kArticleKinds)
            combo->addItem(QLatin1String(item));
        return combo;
    }
    case WidgetKind::CheckBox: return new QCheckBox(page);
    case WidgetKind::OptionButton: {
        auto *option = new QRadioButton(page);
        m_options->addButton(option);
        return option;
    }
    }
    return nullptr;
}

void MainWindow::finishPage(QWidget *page, const std::vector<std::pair<QLabel *, const char *>> &buddies)
{
    for (const auto &[label, buddyName] : buddies)
        label->setBuddy(page->findChild<QWidget *>(QLatin1String(buddyName)));
    widenCaptionsIntoFreeRoom(page);
    nameControlsForAccessibility(page);
    // A file dropped on a field opens as an article, as anywhere else.
    for (int i = 0; i < kControlCount; ++i) {
        QWidget *w = m_form.control(Control(i));
        if (w && w->parentWidget() == page)
            acceptFileDropsOn(w);
    }
    chainTabOrder();
    keepOneTabStop(m_options);
}

void MainWindow::chainTabOrder()
{
    // The Tab key follows the tab indexes; the tab strip has index 0.
    const std::span<const ControlPlacement> placements = controlPlacements();
    std::vector<std::pair<int, QWidget *>> order;
    for (size_t i = 0; i < placements.size(); ++i) {
        if (m_placed[i] && (m_placed[i]->focusPolicy() & Qt::TabFocus))
            order.emplace_back(placements[i].tabIndex, m_placed[i]);
    }
    std::sort(order.begin(), order.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
    // From the strip itself: ordered after the tab widget, the chain would
    // start after whichever of its descendants last takes focus.
    QWidget *previous = m_mainTab->tabBar();
    for (const auto &[index, widget] : order) {
        QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}

namespace {

// The width a check box or option needs to draw its whole caption: the
// indicator, the style's spacing and the text (its size hint adds a focus
// frame margin the control does not need).
int captionWidth(const QAbstractButton *button)
{
    const QStyle *style = button->style();
    const bool option = qobject_cast<const QRadioButton *>(button);
    const int indicator =
        style->pixelMetric(option ? QStyle::PM_ExclusiveIndicatorWidth : QStyle::PM_IndicatorWidth, nullptr, button);
    const int spacing =
        style->pixelMetric(option ? QStyle::PM_RadioButtonLabelSpacing : QStyle::PM_CheckBoxLabelSpacing, nullptr,
                           button);
    return indicator + spacing + button->fontMetrics().horizontalAdvance(button->text());
}

} // namespace

void MainWindow::widenCaptionsIntoFreeRoom(QWidget *page)
{
    // A translated caption longer than its control's design width takes the
    // room to its right where no other control stands; the English captions
    // all fit, so the design itself is unchanged.
    const QList<QWidget *> controls = page->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    for (QWidget *w : controls) {
        auto *label = qobject_cast<QLabel *>(w);
        if ((!label || label->wordWrap()) && !qobject_cast<QCheckBox *>(w) && !qobject_cast<QRadioButton *>(w))
            continue;
        const int needed = label ? label->sizeHint().width() : captionWidth(static_cast<QAbstractButton *>(w));
        if (needed <= w->width())
            continue;
        QRect wider = w->geometry();
        wider.setWidth(needed);
        // The room taken, less the edge rows where the design lets a field
        // below touch its caption.
        const QRect taken =
            QRect(w->geometry().right() + 1, w->y(), needed - w->width(), w->height()).adjusted(0, 2, 0, -2);
        const bool free = page->rect().contains(wider)
                          && std::none_of(controls.begin(), controls.end(), [w, &taken](const QWidget *other) {
                                 return other != w && other->geometry().intersects(taken);
                             });
        if (free)
            w->setGeometry(wider);
    }
}

} // namespace kestrin::ui
