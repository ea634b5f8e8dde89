// SPDX-License-Identifier: MIT
#pragma once

#include "controlaccess.h"

#include <array>

namespace kestrin {

// The window's controls held in memory, created with the window's design
// values. Used wherever the document runs without a screen.
class MemoryForm : public ControlAccess {
public:
    MemoryForm();

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

    // What a user's click does: toggles a check box, selects an option.
    // Disabled controls take no clicks.
    void click(Control control);

private:
    struct State {
        QString text;
        int value = 0;
        bool enabled = true;
        SystemColor color = SystemColor::WindowBackground;
    };
    std::array<State, kControlCount> m_state;

    State &at(Control c) { return m_state[size_t(c)]; }
    const State &at(Control c) const { return m_state[size_t(c)]; }
};

} // namespace kestrin
