// SPDX-License-Identifier: MIT
#include "memoryform.h"

namespace kestrin {

MemoryForm::MemoryForm()
{
    for (int i = 0; i < kControlCount; ++i) {
        const ControlDesign &d = design(Control(i));
        m_state[size_t(i)] = {d.text, d.value, d.enabled, SystemColor::WindowBackground};
    }
}

QString MemoryForm::text(Control control) const
{
    return at(control).text;
}

void MemoryForm::setText(Control control, const QString &text)
{
    if (control == Control::ArticleKind) {
        bool isItem = false;
        for (const char *item : kArticleKinds)
            isItem = isItem || text == QLatin1String(item);
        at(control).text = isItem ? text : QString();
        return;
    }
    at(control).text = text;
}

QString MemoryForm::caption(Control control) const
{
    return at(control).text;
}

int MemoryForm::value(Control control) const
{
    return at(control).value;
}

void MemoryForm::setValue(Control control, int value)
{
    if (at(control).value == value)
        return;
    at(control).value = value;
    notifyClick(control);
}

bool MemoryForm::isSelected(Control control) const
{
    return at(control).value != 0;
}

void MemoryForm::select(Control control)
{
    if (at(control).value != 0)
        return;
    for (Control option : kInstallationOptions)
        at(option).value = option == control ? 1 : 0;
    notifyClick(control);
}

bool MemoryForm::isEnabled(Control control) const
{
    return at(control).enabled;
}

void MemoryForm::setEnabled(Control control, bool enabled)
{
    at(control).enabled = enabled;
}

SystemColor MemoryForm::background(Control control) const
{
    return at(control).color;
}

void MemoryForm::setBackground(Control control, SystemColor color)
{
    at(control).color = color;
}

void MemoryForm::click(Control control)
{
    if (!at(control).enabled)
        return;
    if (controlKind(control) == ControlKind::CheckBox)
        setValue(control, value(control) == 1 ? 0 : 1);
    else if (controlKind(control) == ControlKind::OptionButton)
        select(control);
}

} // namespace kestrin
