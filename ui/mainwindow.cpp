#include "mainwindow.h"

#include "aboutwindow.h"
#include "fields.h"
#include "helpwindow.h"
#include "publishcommands.h"
#include "trayminimizer.h"
#include "windowlayout.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProxyStyle>
#include <QRadioButton>
#include <QStatusBar>
#include <QStyleFactory>
#include <QTabBar>
#include <QTabWidget>

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>
#include <vector>

namespace kestrin::ui {

namespace {

// The menu bar can be reached with the Alt key, and Enter chooses a command
// that stands on the bar itself (Create), as it does on Windows.
class AltNavigationStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override
    {
        if (hint == QStyle::SH_MenuBar_AltKeyNavigation)
            return 1;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

class MainMenuBar : public QMenuBar {
public:
    explicit MainMenuBar(QWidget *parent)
        : QMenuBar(parent)
    {
        auto *style = new AltNavigationStyle(QStyleFactory::create(QApplication::style()->name()));
        style->setParent(this);
        setStyle(style);
    }

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        QAction *action = activeAction();
        const int key = event->key();
        const bool choose = key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space || key == Qt::Key_Down
                            || key == Qt::Key_Up;
        if (action && !action->menu() && action->isEnabled() && choose) {
            // Leave the keyboard mode first, so that the focus is back where
            // it was when the command runs.
            QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
            QMenuBar::keyPressEvent(&escape);
            action->trigger();
            return;
        }
        QMenuBar::keyPressEvent(event);
    }
};

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
        setTabBar(new RowTabBar(this));
        setUsesScrollButtons(false);
        setElideMode(Qt::ElideNone);
    }
};

// A status bar of fixed panels side by side from the left edge, each as wide
// as its design says (two pixels of it the gap to the next).
class PanelStatusBar : public QStatusBar {
public:
    explicit PanelStatusBar(QWidget *parent)
        : QStatusBar(parent)
    {
        setSizeGripEnabled(false);
    }

    QLabel *addPanel(const char *name, const QString &text, int widthTwips, Qt::Alignment alignment)
    {
        auto *label = new QLabel(text, this);
        label->setObjectName(QLatin1String(name));
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setAlignment(alignment | Qt::AlignVCenter);
        label->setMargin(1);
        m_panels.push_back({label, widthTwips});
        placePanels();
        return label;
    }

protected:
    void resizeEvent(QResizeEvent *event) override
    {
        QStatusBar::resizeEvent(event);
        placePanels();
    }

private:
    void placePanels()
    {
        constexpr int gap = 2;
        int x = 0;
        for (const auto &[label, widthTwips] : m_panels) {
            const int width = pixels(widthTwips);
            label->setGeometry(x, gap, width - gap, height() - gap);
            x += width;
        }
    }

    std::vector<std::pair<QLabel *, int>> m_panels;
};

double luminance(const QColor &c)
{
    auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

double contrast(const QColor &a, const QColor &b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The scheme's grey text for a disabled field, unless it all but vanishes on
// the field's colour (as some schemes' does on their 3D-light colour); then
// a grey between the normal text and the field's colour.
QColor legibleGreyText(const QColor &grey, const QColor &text, const QColor &background)
{
    if (contrast(grey, background) >= 3.0)
        return grey;
    constexpr double towardsBackground = 0.45;
    auto mix = [](double a, double b) { return a + (b - a) * towardsBackground; };
    return QColor::fromRgbF(float(mix(text.redF(), background.redF())), float(mix(text.greenF(), background.greenF())),
                            float(mix(text.blueF(), background.blueF())));
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

} // namespace

MainWindow::MainWindow(MessageBoxService &messages, SaveDialogService &dialog, TextFileService &files, QWidget *parent)
    : QMainWindow(parent)
    , m_messages(messages)
{
    setObjectName(QStringLiteral("Main"));
    setWindowTitle(kProgramTitle);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setWindowIcon(applicationIcon());
    setFont(windowFont(8.25));
    // The window's background is the menu bar's colour.
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);

    m_colors.fill(SystemColor::WindowBackground);
    buildMenus();
    buildTabs();
    buildStatusBar();
    for (int i = 0; i < kControlCount; ++i) {
        if (isTextBox(Control(i)))
            applyBackground(Control(i));
    }

    const int clientWidth = pixels(kClientWidthTwips);
    const int clientHeight = pixels(kClientHeightTwips);
    setFixedSize(clientWidth, menuBar()->heightForWidth(clientWidth) + clientHeight);
    centreOnScreen(this);

    connectControls();
    m_document = std::make_unique<ReadmeDocument>(*this, messages, dialog, files);
    m_document->Form_Load();
    m_tray = new TrayMinimizer(this);

    m_mainTab->setCurrentIndex(int(TabPage::BasicData));
    m_mainTab->setFocus(Qt::OtherFocusReason);
}

MainWindow::~MainWindow() = default;

void MainWindow::buildMenus()
{
    auto *bar = new MainMenuBar(this);
    bar->setObjectName(QStringLiteral("MenuBar"));
    // Menus keep the system's menu font.
    bar->setFont(QApplication::font(bar));
    setMenuBar(bar);

    auto addItem = [this](QMenu *menu, const char *name, const QString &caption, const QKeySequence &shortcut,
                          void (MainWindow::*slot)()) {
        QAction *action = menu->addAction(caption);
        action->setObjectName(QLatin1String(name));
        action->setShortcut(shortcut);
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    auto addSeparator = [](QMenu *menu, const char *name) { menu->addSeparator()->setObjectName(QLatin1String(name)); };

    QMenu *file = bar->addMenu(QStringLiteral("File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    addItem(file, "mnuNew", QStringLiteral("New"), QKeySequence(Qt::CTRL | Qt::Key_N), &MainWindow::mnuNew_Click);
    addSeparator(file, "space0");
    m_publish = new PublishCommands(*this, m_messages);
    m_publish->addTo(file);
    addItem(file, "mnuMinimize", QStringLiteral("Minimize"), QKeySequence(Qt::CTRL | Qt::Key_M),
            &MainWindow::mnuMinimize_Click);
    addSeparator(file, "space1");
    addItem(file, "mnuExit", QStringLiteral("Exit"), {}, &MainWindow::mnuExit_Click);

    QAction *create = bar->addAction(QStringLiteral("Create"));
    create->setObjectName(QStringLiteral("mnuCreate"));
    connect(create, &QAction::triggered, this, &MainWindow::mnuCreate_Click);

    QMenu *help = bar->addMenu(QStringLiteral("Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    addItem(help, "mnuHelpContents", QStringLiteral("Help Contents"), QKeySequence(Qt::Key_F1),
            &MainWindow::mnuHelpContents_Click);
    addSeparator(help, "space3");
    addItem(help, "mnuAbout", QStringLiteral("About"), {}, &MainWindow::mnuAbout_Click);
}

void MainWindow::buildTabs()
{
    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("ClientArea"));
    client->setFixedSize(pixels(kClientWidthTwips), pixels(kStatusBarTopTwips));
    setCentralWidget(client);

    m_mainTab = new MainTabWidget(client);
    m_mainTab->setObjectName(QStringLiteral("MainTab"));
    m_mainTab->setGeometry(pixels(kMainTabTwips.x()), pixels(kMainTabTwips.y()), pixels(kMainTabTwips.width()),
                           pixels(kMainTabTwips.height()));

    std::array<QWidget *, kTabPageCount> pages{};
    for (int i = 0; i < kTabPageCount; ++i) {
        pages[size_t(i)] = new QWidget;
        m_mainTab->addTab(pages[size_t(i)], tabCaption(TabPage(i)));
    }

    auto *options = new QButtonGroup(this);
    options->setObjectName(QStringLiteral("InstallationOptions"));
    options->setExclusive(true);

    std::vector<std::pair<int, QWidget *>> tabOrder;
    std::vector<std::pair<QLabel *, const char *>> buddies;
    for (const ControlPlacement &p : controlPlacements()) {
        QWidget *page = pages[size_t(p.page)];
        const std::optional<Control> id = documentControl(p);
        const ControlDesign *d = id ? &design(*id) : nullptr;
        QWidget *widget = nullptr;
        switch (p.kind) {
        case WidgetKind::Label: {
            QLabel *label = makeLabel(p, QString::fromLatin1(p.caption), page);
            label->lower();
            if (p.buddy)
                buddies.emplace_back(label, p.buddy);
            widget = label;
            break;
        }
        case WidgetKind::ReadOnlyField: {
            auto *field = new ReadOnlyField(page);
            field->setCaption(d ? d->text : QString());
            widget = field;
            break;
        }
        case WidgetKind::LineEdit: {
            auto *edit = new QLineEdit(page);
            // No length limit (QLineEdit's default is 32767 characters).
            edit->setMaxLength(std::numeric_limits<int>::max());
            edit->setText(d ? d->text : QString());
            edit->setCursorPosition(0);
            widget = edit;
            break;
        }
        case WidgetKind::MultiLineEdit: {
            auto *edit = new MultiLineEdit(page);
            edit->setCrLfText(d ? d->text : QString());
            widget = edit;
            break;
        }
        case WidgetKind::ComboBox: {
            auto *combo = new QComboBox(page);
            combo->setEditable(false);
            for (const char *item : kArticleKinds)
                combo->addItem(QLatin1String(item));
            combo->setCurrentIndex(-1);
            widget = combo;
            break;
        }
        case WidgetKind::CheckBox: {
            auto *box = new QCheckBox(d ? d->text : QString(), page);
            box->setChecked(d && d->value == 1);
            widget = box;
            break;
        }
        case WidgetKind::OptionButton: {
            auto *option = new QRadioButton(d ? d->text : QString(), page);
            options->addButton(option);
            option->setChecked(d && d->value == 1);
            widget = option;
            break;
        }
        }
        widget->setObjectName(QLatin1String(p.name));
        widget->setGeometry(pageRect(p));
        if (p.toolTip)
            widget->setToolTip(QString::fromLatin1(p.toolTip));
        if (d)
            widget->QWidget::setEnabled(d->enabled);
        if (id)
            m_controls[size_t(*id)] = widget;
        if (widget->focusPolicy() & Qt::TabFocus)
            tabOrder.emplace_back(p.tabIndex, widget);
    }

    for (const auto &[label, buddyName] : buddies)
        label->setBuddy(m_mainTab->findChild<QWidget *>(QLatin1String(buddyName)));

    // The Tab key follows the tab indexes; the tab strip has index 0.
    std::sort(tabOrder.begin(), tabOrder.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
    QWidget *previous = m_mainTab;
    for (const auto &[index, widget] : tabOrder) {
        QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}

void MainWindow::buildStatusBar()
{
    auto *bar = new PanelStatusBar(this);
    bar->setObjectName(QStringLiteral("StatusBar1"));
    bar->setFont(windowFont(6.75));
    bar->setFixedHeight(pixels(kStatusBarHeightTwips));
    setStatusBar(bar);

    bar->addPanel("StatusPanel1", QStringLiteral("Kestrin Editor by Vantry"), 2700, Qt::AlignLeft);
    m_numPanel = bar->addPanel("NumLockPanel", QStringLiteral("NUM"), 1440, Qt::AlignHCenter);
    m_capsPanel = bar->addPanel("CapsLockPanel", QStringLiteral("CAPS"), 1440, Qt::AlignHCenter);
    m_insertPanel = bar->addPanel("InsertPanel", QStringLiteral("INS"), 1440, Qt::AlignHCenter);

    m_indicators = new KeyIndicators(this);
    connect(m_indicators, &KeyIndicators::changed, this, &MainWindow::showIndicators);
    showIndicators(m_indicators->state());
}

void MainWindow::showIndicators(KeyIndicators::State state)
{
    // An indicator whose key is off shows its caption greyed.
    const std::pair<QLabel *, bool> panels[] = {{m_numPanel, state.numLock},
                                                {m_capsPanel, state.capsLock},
                                                {m_insertPanel, state.insert}};
    for (const auto &[label, on] : panels) {
        label->setEnabled(on);
        label->setAccessibleDescription(on ? QStringLiteral("on") : QStringLiteral("off"));
    }
}

void MainWindow::connectControls()
{
    for (int i = 0; i < kControlCount; ++i) {
        const Control c = Control(i);
        switch (controlKind(c)) {
        case ControlKind::CheckBox:
            // toggled, not clicked: a change made by setValue runs the handler
            // as a user's click does, and setting the same value runs nothing.
            connect(static_cast<QCheckBox *>(control(c)), &QCheckBox::toggled, this,
                    [this, c](bool) { notifyClick(c); });
            break;
        case ControlKind::OptionButton:
            // Only the newly selected option of the group reports.
            connect(static_cast<QRadioButton *>(control(c)), &QRadioButton::toggled, this, [this, c](bool on) {
                if (on)
                    notifyClick(c);
            });
            break;
        default: break;
        }
    }
}

QString MainWindow::text(Control c) const
{
    QWidget *w = control(c);
    switch (controlKind(c)) {
    case ControlKind::ComboBox: return static_cast<QComboBox *>(w)->currentText();
    case ControlKind::LineEdit: return static_cast<QLineEdit *>(w)->text();
    case ControlKind::MultiLineEdit: return static_cast<MultiLineEdit *>(w)->crLfText();
    case ControlKind::Label: return static_cast<ReadOnlyField *>(w)->caption();
    case ControlKind::CheckBox:
    case ControlKind::OptionButton: return static_cast<QAbstractButton *>(w)->text();
    }
    return {};
}

void MainWindow::setText(Control c, const QString &text)
{
    QWidget *w = control(c);
    switch (controlKind(c)) {
    case ControlKind::ComboBox: {
        auto *combo = static_cast<QComboBox *>(w);
        combo->setCurrentIndex(combo->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive));
        break;
    }
    case ControlKind::LineEdit: {
        auto *edit = static_cast<QLineEdit *>(w);
        edit->setText(text);
        edit->setCursorPosition(0);
        break;
    }
    case ControlKind::MultiLineEdit: static_cast<MultiLineEdit *>(w)->setCrLfText(text); break;
    case ControlKind::Label: static_cast<ReadOnlyField *>(w)->setCaption(text); break;
    case ControlKind::CheckBox:
    case ControlKind::OptionButton: static_cast<QAbstractButton *>(w)->setText(text); break;
    }
}

QString MainWindow::caption(Control c) const
{
    return text(c);
}

int MainWindow::value(Control c) const
{
    if (controlKind(c) != ControlKind::CheckBox)
        return 0;
    return static_cast<QCheckBox *>(control(c))->isChecked() ? 1 : 0;
}

void MainWindow::setValue(Control c, int value)
{
    if (controlKind(c) == ControlKind::CheckBox)
        static_cast<QCheckBox *>(control(c))->setChecked(value == 1);
}

bool MainWindow::isSelected(Control c) const
{
    if (controlKind(c) != ControlKind::OptionButton)
        return false;
    return static_cast<QRadioButton *>(control(c))->isChecked();
}

void MainWindow::select(Control c)
{
    if (controlKind(c) == ControlKind::OptionButton)
        static_cast<QRadioButton *>(control(c))->setChecked(true);
}

bool MainWindow::isEnabled(Control c) const
{
    // The control's own state, whatever the window's.
    return control(c)->isEnabledTo(this);
}

void MainWindow::setEnabled(Control c, bool enabled)
{
    control(c)->setEnabled(enabled);
}

SystemColor MainWindow::background(Control c) const
{
    return m_colors[size_t(c)];
}

void MainWindow::setBackground(Control c, SystemColor color)
{
    m_colors[size_t(c)] = color;
    applyBackground(c);
}

void MainWindow::applyBackground(Control c)
{
    // A system colour is a reference into the current scheme. The 3D-light
    // colour is what Qt's palette calls Midlight (Light is the 3D highlight).
    // The field keeps its colour in every state, enabled or not.
    const QPalette &scheme = palette();
    const QPalette::ColorRole role =
        m_colors[size_t(c)] == SystemColor::ThreeDLight ? QPalette::Midlight : QPalette::Base;
    const QColor colour = scheme.color(QPalette::Active, role);
    QWidget *w = control(c);
    QPalette pal = w->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        pal.setColor(group, QPalette::Base, colour);
    pal.setColor(QPalette::Disabled, QPalette::Text,
                 legibleGreyText(scheme.color(QPalette::Disabled, QPalette::Text),
                                 scheme.color(QPalette::Active, QPalette::Text), colour));
    w->setPalette(pal);
}

void MainWindow::changeEvent(QEvent *event)
{
    switch (event->type()) {
    case QEvent::PaletteChange:
        // The scheme changed: every field takes its colour from the new one.
        if (m_document) {
            for (int i = 0; i < kControlCount; ++i) {
                if (isTextBox(Control(i)))
                    applyBackground(Control(i));
            }
        }
        break;
    case QEvent::ActivationChange:
        if (m_indicators && isActiveWindow())
            m_indicators->refresh();
        break;
    default: break;
    }
    QMainWindow::changeEvent(event);
}

void MainWindow::mnuNew_Click()
{
    m_document->mnuNew_Click();
}

void MainWindow::mnuCreate_Click()
{
    m_document->mnuCreate_Click();
}

void MainWindow::mnuExit_Click()
{
    const MessageAnswer answer =
        m_messages.show({QStringLiteral("Do you really want to quit ?\r\nAll unsaved data will be lost."),
                         kProgramTitle, MessageButtons::YesNo, MessageIcon::Question, MessageAnswer::Yes});
    if (answer == MessageAnswer::Yes)
        close();
}

void MainWindow::mnuMinimize_Click()
{
    minimize_to_tray();
}

void MainWindow::minimize_to_tray()
{
    m_tray->minimize();
}

void MainWindow::mnuHelpContents_Click()
{
    help::HelpWindow::showHelp(this);
}

void MainWindow::mnuAbout_Click()
{
    // One About window at a time; it disables this window while it is open
    // and deletes itself when it closes, so each About is loaded afresh.
    if (!m_about)
        m_about = new AboutWindow(this);
    m_about->show();
    m_about->raise();
    m_about->activateWindow();
}

AboutWindow *MainWindow::aboutWindow() const
{
    return m_about;
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // Form_Unload: closing never asks and is never cancelled; the
    // notification-area icon goes with the window, and so does an open
    // About window.
    m_tray->removeIcon();
    if (m_about)
        m_about->close();
    QMainWindow::closeEvent(event);
}

} // namespace kestrin::ui
