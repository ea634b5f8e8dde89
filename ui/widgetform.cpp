// SPDX-License-Identifier: MIT
#include "widgetform.h"

#include "fields.h"
#include "windowlayout.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

#include <algorithm>
#include <array>

namespace kestrin::ui {

namespace {

// Raises to the power 2.4 without the maths library, whose pow() alone
// brings some 300 kB of it into memory at start: x^2 times the fifth root of
// x^2, found by Newton's method from above, where it falls steadily onto it.
constexpr double power2_4(double x)
{
    const double square = x * x;
    double root = 1.0;
    for (int i = 0; i < 64; ++i) {
        const double fourth = root * root * root * root;
        root -= (fourth * root - square) / (5 * fourth);
    }
    return square * root;
}

// The sRGB transfer function for every 8-bit channel value, made when the
// program is compiled.
constexpr std::array<double, 256> kLinearChannel = [] {
    std::array<double, 256> table{};
    for (int i = 0; i < 256; ++i) {
        const double v = i / 255.0;
        table[size_t(i)] = v <= 0.03928 ? v / 12.92 : power2_4((v + 0.055) / 1.055);
    }
    return table;
}();

double luminance(const QColor &c)
{
    const QColor rgb = c.toRgb();
    return 0.2126 * kLinearChannel[size_t(rgb.red())] + 0.7152 * kLinearChannel[size_t(rgb.green())]
           + 0.0722 * kLinearChannel[size_t(rgb.blue())];
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

} // namespace

WidgetForm::WidgetForm(QWidget *window)
    : m_window(window)
{
    m_colors.fill(SystemColor::WindowBackground);
    for (int i = 0; i < kControlCount; ++i) {
        const ControlDesign &d = design(Control(i));
        const bool button = d.kind == ControlKind::CheckBox || d.kind == ControlKind::OptionButton;
        // The combo box starts with no item chosen.
        const QString text = d.kind == ControlKind::ComboBox ? QString() : button ? controlCaption(d) : d.text;
        m_held[size_t(i)] = {text, d.value == 1 ? 1 : 0, d.enabled};
    }
}

QWidget *WidgetForm::widget(Control c)
{
    if (!control(c) && m_buildPage)
        m_buildPage(c);
    return control(c);
}

void WidgetForm::addControl(Control c, QWidget *widget)
{
    takeHeldState(c, widget);
    m_controls[size_t(c)] = widget;
    if (isTextBox(c))
        applyBackground(c);
    connectControl(c, widget);
}

void WidgetForm::takeHeldState(Control c, QWidget *w)
{
    const Held &held = m_held[size_t(c)];
    switch (controlKind(c)) {
    case ControlKind::ComboBox: {
        auto *combo = static_cast<QComboBox *>(w);
        combo->setCurrentIndex(combo->findText(held.text, Qt::MatchExactly | Qt::MatchCaseSensitive));
        break;
    }
    case ControlKind::LineEdit: static_cast<LineEdit *>(w)->setWholeText(held.text); break;
    case ControlKind::MultiLineEdit: static_cast<MultiLineEdit *>(w)->setCrLfText(held.text); break;
    case ControlKind::Label: static_cast<ReadOnlyField *>(w)->setCaption(held.text); break;
    case ControlKind::CheckBox:
    case ControlKind::OptionButton: {
        auto *button = static_cast<QAbstractButton *>(w);
        button->setText(held.text);
        button->setChecked(held.value == 1);
        break;
    }
    }
    w->QWidget::setEnabled(held.enabled);
}

void WidgetForm::connectControl(Control c, QWidget *w)
{
    switch (controlKind(c)) {
    case ControlKind::CheckBox:
        // toggled, not clicked: a change made by setValue runs the handler
        // as a user's click does, and setting the same value runs nothing.
        QObject::connect(static_cast<QCheckBox *>(w), &QCheckBox::toggled, m_window, [this, c](bool) {
            notifyClick(c);
            edited();
        });
        break;
    case ControlKind::OptionButton:
        // Only the newly selected option of the group reports.
        QObject::connect(static_cast<QRadioButton *>(w), &QRadioButton::toggled, m_window, [this, c](bool on) {
            if (on) {
                notifyClick(c);
                edited();
            }
        });
        break;
    case ControlKind::LineEdit:
        QObject::connect(static_cast<QLineEdit *>(w), &QLineEdit::textChanged, m_window, [this] { edited(); });
        break;
    case ControlKind::MultiLineEdit:
        QObject::connect(static_cast<MultiLineEdit *>(w), &QPlainTextEdit::textChanged, m_window, [this] { edited(); });
        break;
    case ControlKind::ComboBox:
        QObject::connect(static_cast<QComboBox *>(w), &QComboBox::currentIndexChanged, m_window, [this] { edited(); });
        break;
    case ControlKind::Label: break;
    }
}

void WidgetForm::edited() const
{
    if (m_edited)
        m_edited();
}

QString WidgetForm::text(Control c) const
{
    QWidget *w = control(c);
    if (!w)
        return m_held[size_t(c)].text;
    switch (controlKind(c)) {
    case ControlKind::ComboBox: return static_cast<QComboBox *>(w)->currentText();
    case ControlKind::LineEdit: return static_cast<LineEdit *>(w)->wholeText();
    case ControlKind::MultiLineEdit: return static_cast<MultiLineEdit *>(w)->crLfText();
    case ControlKind::Label: return static_cast<ReadOnlyField *>(w)->caption();
    case ControlKind::CheckBox:
    case ControlKind::OptionButton: return static_cast<QAbstractButton *>(w)->text();
    }
    return {};
}

void WidgetForm::setText(Control c, const QString &text)
{
    // The widget itself takes a new text, as it would from the user: what
    // it keeps of it is its own business (line breaks, an unknown item).
    QWidget *w = widget(c);
    if (!w) {
        m_held[size_t(c)].text = text;
        edited();
        return;
    }
    switch (controlKind(c)) {
    case ControlKind::ComboBox: {
        auto *combo = static_cast<QComboBox *>(w);
        combo->setCurrentIndex(combo->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive));
        break;
    }
    case ControlKind::LineEdit: static_cast<LineEdit *>(w)->setWholeText(text); break;
    case ControlKind::MultiLineEdit: static_cast<MultiLineEdit *>(w)->setCrLfText(text); break;
    case ControlKind::Label: static_cast<ReadOnlyField *>(w)->setCaption(text); break;
    case ControlKind::CheckBox:
    case ControlKind::OptionButton: static_cast<QAbstractButton *>(w)->setText(text); break;
    }
}

QString WidgetForm::caption(Control c) const
{
    return text(c);
}

int WidgetForm::value(Control c) const
{
    if (controlKind(c) != ControlKind::CheckBox)
        return 0;
    if (const QWidget *w = control(c))
        return static_cast<const QCheckBox *>(w)->isChecked() ? 1 : 0;
    return m_held[size_t(c)].value;
}

void WidgetForm::setValue(Control c, int value)
{
    if (controlKind(c) != ControlKind::CheckBox)
        return;
    if (QWidget *w = control(c)) {
        static_cast<QCheckBox *>(w)->setChecked(value == 1);
        return;
    }
    // As the box's toggled signal does: a change reports a click.
    const int checked = value == 1 ? 1 : 0;
    if (m_held[size_t(c)].value == checked)
        return;
    m_held[size_t(c)].value = checked;
    notifyClick(c);
    edited();
}

bool WidgetForm::isSelected(Control c) const
{
    if (controlKind(c) != ControlKind::OptionButton)
        return false;
    if (const QWidget *w = control(c))
        return static_cast<const QRadioButton *>(w)->isChecked();
    return m_held[size_t(c)].value == 1;
}

void WidgetForm::select(Control c)
{
    if (controlKind(c) != ControlKind::OptionButton)
        return;
    if (QWidget *w = control(c)) {
        static_cast<QRadioButton *>(w)->setChecked(true);
        return;
    }
    // The options stand on one page: built together or not at all.
    if (m_held[size_t(c)].value == 1)
        return;
    for (Control option : kInstallationOptions)
        m_held[size_t(option)].value = option == c ? 1 : 0;
    notifyClick(c);
    edited();
}

bool WidgetForm::isEnabled(Control c) const
{
    // The control's own state, whatever the window's.
    if (const QWidget *w = control(c))
        return w->isEnabledTo(m_window);
    return m_held[size_t(c)].enabled;
}

void WidgetForm::setEnabled(Control c, bool enabled)
{
    if (QWidget *w = control(c))
        w->setEnabled(enabled);
    else
        m_held[size_t(c)].enabled = enabled;
}

SystemColor WidgetForm::background(Control c) const
{
    return m_colors[size_t(c)];
}

void WidgetForm::setBackground(Control c, SystemColor color)
{
    m_colors[size_t(c)] = color;
    if (control(c))
        applyBackground(c);
}

void WidgetForm::applySchemeColours()
{
    for (int i = 0; i < kControlCount; ++i) {
        if (isTextBox(Control(i)) && control(Control(i)))
            applyBackground(Control(i));
    }
}

void WidgetForm::applyBackground(Control c)
{
    // A system colour is a reference into the current scheme. The 3D-light
    // colour is what Qt's palette calls Midlight (Light is the 3D highlight).
    // The field keeps its colour in every state, enabled or not.
    const QPalette &scheme = m_window->palette();
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

} // namespace kestrin::ui
