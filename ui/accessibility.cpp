// SPDX-License-Identifier: MIT
#include "accessibility.h"

#include "windowlayout.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QHash>
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

// The widgets under a root by their names, gathered in one walk of the tree
// (a search per name walks the whole window, its menus and unbuilt pages
// included, for each of the table's fifty-odd names).
class NamedWidgets {
public:
    explicit NamedWidgets(QWidget *root)
    {
        for (QWidget *w : root->findChildren<QWidget *>()) {
            if (!w->objectName().isEmpty())
                m_byName[w->objectName()].append(w);
        }
    }

    // The first widget of the name that is a T, as findChild gives it.
    template <typename T>
    T *find(const char *name) const
    {
        if (!name)
            return nullptr;
        for (QWidget *w : m_byName.value(QLatin1String(name))) {
            if (auto *found = qobject_cast<T *>(w))
                return found;
        }
        return nullptr;
    }

private:
    QHash<QString, QList<QWidget *>> m_byName;
};

void nameFields(const NamedWidgets &window)
{
    for (const ControlPlacement &p : controlPlacements()) {
        if (p.kind == WidgetKind::Label && p.buddy) {
            auto *label = window.find<QLabel>(p.name);
            auto *field = window.find<QWidget>(p.buddy);
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
            auto *button = window.find<QAbstractButton>(p.name);
            const ControlPlacement *row = rowLabel(p);
            if (!button)
                continue;
            button->setAccessibleName(button->text());
            if (auto *label = row ? window.find<QLabel>(row->name) : nullptr)
                button->setAccessibleDescription(spokenText(label));
        }
    }
    // The installation instructions have no label of their own: the one
    // above the options asks which article's instructions to load.
    if (auto *installation = window.find<QWidget>("InstallationText"))
        installation->setAccessibleName(QCoreApplication::translate("Accessibility", "Installation instructions"));
}

void nameTabPages(const NamedWidgets &window)
{
    auto *tabs = window.find<QTabWidget>("MainTab");
    if (!tabs)
        return;
    for (int i = 0; i < tabs->count(); ++i)
        tabs->widget(i)->setAccessibleName(tabs->tabText(i));
}

void nameStatusBar(const NamedWidgets &window)
{
    if (auto *bar = window.find<QStatusBar>("StatusBar1"))
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
        if (auto *label = window.find<QLabel>(panel.name))
            label->setAccessibleName(QCoreApplication::translate("Accessibility", panel.spoken));
    }
    // The first panel's name is its text, as a label's is.
    if (auto *first = window.find<QLabel>("StatusPanel1"))
        first->setAccessibleName(first->text());
}

} // namespace

void nameControlsForAccessibility(QWidget *mainWindow)
{
    if (!mainWindow)
        return;
    const NamedWidgets widgets(mainWindow);
    nameFields(widgets);
    nameTabPages(widgets);
    nameStatusBar(widgets);
}

} // namespace kestrin::ui
