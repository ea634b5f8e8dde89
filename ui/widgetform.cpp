// SPDX-License-Identifier: MIT
#include "widgetform.h"

#include "fields.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

#include <algorithm>
#include <cmath>

namespace kestrin::ui {

namespace {

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

} // namespace

WidgetForm::WidgetForm(QWidget *window)
    : m_window(window)
{
    m_colors.fill(SystemColor::WindowBackground);
}

void WidgetForm::connectControls()
{
    for (int i = 0; i < kControlCount; ++i) {
        const Control c = Control(i);
        QWidget *w = control(c);
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
            QObject::connect(static_cast<MultiLineEdit *>(w), &QPlainTextEdit::textChanged, m_window,
                             [this] { edited(); });
            break;
        case ControlKind::ComboBox:
            QObject::connect(static_cast<QComboBox *>(w), &QComboBox::currentIndexChanged, m_window,
                             [this] { edited(); });
            break;
        case ControlKind::Label: break;
        }
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

void WidgetForm::setText(Control c, const QString &text)
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

QString WidgetForm::caption(Control c) const
{
    return text(c);
}

int WidgetForm::value(Control c) const
{
    if (controlKind(c) != ControlKind::CheckBox)
        return 0;
    return static_cast<QCheckBox *>(control(c))->isChecked() ? 1 : 0;
}

void WidgetForm::setValue(Control c, int value)
{
    if (controlKind(c) == ControlKind::CheckBox)
        static_cast<QCheckBox *>(control(c))->setChecked(value == 1);
}

bool WidgetForm::isSelected(Control c) const
{
    if (controlKind(c) != ControlKind::OptionButton)
        return false;
    return static_cast<QRadioButton *>(control(c))->isChecked();
}

void WidgetForm::select(Control c)
{
    if (controlKind(c) == ControlKind::OptionButton)
        static_cast<QRadioButton *>(control(c))->setChecked(true);
}

bool WidgetForm::isEnabled(Control c) const
{
    // The control's own state, whatever the window's.
    return control(c)->isEnabledTo(m_window);
}

void WidgetForm::setEnabled(Control c, bool enabled)
{
    control(c)->setEnabled(enabled);
}

SystemColor WidgetForm::background(Control c) const
{
    return m_colors[size_t(c)];
}

void WidgetForm::setBackground(Control c, SystemColor color)
{
    m_colors[size_t(c)] = color;
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
