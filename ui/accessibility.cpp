// SPDX-License-Identifier: MIT
#include "accessibility.h"

#include "windowlayout.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QLabel>
#include <QStatusBar>
#include <QTabWidget>

namespace kestrin::ui {

namespace {

// A label's text as one line (the note on the requirements tab has two).
QString spokenText(const QLabel *label)
{
    return label->text().simplified();
}

// The label that stands in a control's row, or failing that the nearest
// one above it on the same tab.
const ControlPlacement *rowLabel(const ControlPlacement &control)
{
    const ControlPlacement *best = nullptr;
    for (const ControlPlacement &p : controlPlacements()) {
        if (p.kind != WidgetKind::Label || p.page != control.page || p.top > control.top)
            continue;
        if (!best || p.top > best->top)
            best = &p;
    }
    return best;
}

template <typename T>
T *find(QWidget *root, const char *name)
{
    return name ? root->findChild<T *>(QLatin1String(name)) : nullptr;
}

void nameFields(QWidget *window)
{
    for (const ControlPlacement &p : controlPlacements()) {
        if (p.kind == WidgetKind::Label && p.buddy) {
            auto *label = find<QLabel>(window, p.name);
            auto *field = find<QWidget>(window, p.buddy);
            if (!label || !field)
                continue;
            label->setBuddy(field);
            field->setAccessibleName(spokenText(label));
            // A read-only field shown as a label would otherwise be spoken
            // by its text, which the name now replaces: the text becomes
            // its description.
            if (auto *readOnly = qobject_cast<QLabel *>(field))
                readOnly->setAccessibleDescription(spokenText(readOnly));
        } else if (p.kind == WidgetKind::CheckBox || p.kind == WidgetKind::OptionButton) {
            auto *button = find<QAbstractButton>(window, p.name);
            const ControlPlacement *row = rowLabel(p);
            if (!button)
                continue;
            button->setAccessibleName(button->text());
            if (auto *label = row ? find<QLabel>(window, row->name) : nullptr)
                button->setAccessibleDescription(spokenText(label));
        }
    }
    // The installation instructions have no label of their own: the one
    // above the options asks which article's instructions to load.
    if (auto *installation = find<QWidget>(window, "InstallationText"))
        installation->setAccessibleName(QCoreApplication::translate("Accessibility", "Installation instructions"));
}

void nameTabPages(QWidget *window)
{
    auto *tabs = find<QTabWidget>(window, "MainTab");
    if (!tabs)
        return;
    for (int i = 0; i < tabs->count(); ++i)
        tabs->widget(i)->setAccessibleName(tabs->tabText(i));
}

void nameStatusBar(QWidget *window)
{
    if (auto *bar = find<QStatusBar>(window, "StatusBar1"))
        bar->setAccessibleName(QCoreApplication::translate("Accessibility", "Status bar"));
    struct Panel {
        const char *name;
        const char *spoken;
    };
    static const Panel panels[] = {
        {"NumLockPanel", QT_TRANSLATE_NOOP("Accessibility", "Num Lock")},
        {"CapsLockPanel", QT_TRANSLATE_NOOP("Accessibility", "Caps Lock")},
        {"InsertPanel", QT_TRANSLATE_NOOP("Accessibility", "Insert")},
    };
    for (const Panel &panel : panels) {
        if (auto *label = find<QLabel>(window, panel.name))
            label->setAccessibleName(QCoreApplication::translate("Accessibility", panel.spoken));
    }
    // The first panel's name is its text, as a label's is.
    if (auto *first = find<QLabel>(window, "StatusPanel1"))
        first->setAccessibleName(first->text());
}

} // namespace

void nameControlsForAccessibility(QWidget *mainWindow)
{
    if (!mainWindow)
        return;
    nameFields(mainWindow);
    nameTabPages(mainWindow);
    nameStatusBar(mainWindow);
}

} // namespace kestrin::ui
