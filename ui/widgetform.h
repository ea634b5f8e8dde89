// SPDX-License-Identifier: MIT
#pragma once

// The controls contract on the main window's widgets: the document's
// handlers read and set the fields, switches and options through it, and it
// reports clicks and edits back.

#include "controlaccess.h"
#include "services.h"

#include <QWidget>

#include <array>
#include <functional>

namespace kestrin::ui {

class WidgetForm : public ControlAccess {
public:
    // The window whose colour scheme the fields follow.
    explicit WidgetForm(QWidget *window);

    // Registers the widget that stands for a control (while the window is built).
    void addControl(Control control, QWidget *widget) { m_controls[size_t(control)] = widget; }
    QWidget *control(Control control) const { return m_controls[size_t(control)]; }

    // Connects the check boxes and options to the click handler and every
    // control to the edit handler; once, after every control is added.
    void connectControls();
    // Runs after any change of a text, a switch or an option, by the user or
    // by the program.
    void setEditHandler(std::function<void()> handler) { m_edited = std::move(handler); }

    // Gives every text box its colour again from the window's current scheme.
    void applySchemeColours();

    QString text(Control control) const override;
    void setText(Control control, const QString &text) override;
    QString caption(Control control) const override;
    int value(Control control) const override;
    void setValue(Control control, int value) override;
    bool isSelected(Control control) const override;
    void select(Control control) override;
    bool isEnabled(Control control) const override;
    void setEnabled(Control control, bool enabled) override;
    SystemColor background(Control control) const override;
    void setBackground(Control control, SystemColor color) override;

private:
    void applyBackground(Control control);
    void edited() const;

    QWidget *m_window;
    std::array<QWidget *, kControlCount> m_controls{};
    std::array<SystemColor, kControlCount> m_colors{};
    std::function<void()> m_edited;
};

} // namespace kestrin::ui
