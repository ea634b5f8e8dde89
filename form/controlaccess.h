// SPDX-License-Identifier: MIT
#pragma once

// The form's controls as the handlers see them. The main window implements
// this with widgets; MemoryForm implements it in memory, so the same
// handlers run with or without a screen.

#include "controls.h"

#include <QString>

#include <functional>

namespace kestrin {

class ControlAccess {
public:
    using ClickHandler = std::function<void(Control)>;

    virtual ~ControlAccess() = default;

    // Text boxes and the combo box. Lines are separated by CR LF. Setting the
    // combo box's text to one of its items selects that item; any other text
    // leaves it with no item selected (and an empty text).
    virtual QString text(Control control) const = 0;
    virtual void setText(Control control, const QString &text) = 0;

    // Labels, check boxes and option buttons.
    virtual QString caption(Control control) const = 0;

    // Check boxes: 0 or 1. Setting a new value runs the box's click handler
    // at once, before setValue returns; setting the current value runs
    // nothing.
    virtual int value(Control control) const = 0;
    virtual void setValue(Control control, int value) = 0;

    // Option buttons. Selecting an unselected button unselects the others of
    // its group and runs its click handler at once; selecting the selected
    // one runs nothing.
    virtual bool isSelected(Control control) const = 0;
    virtual void select(Control control) = 0;

    virtual bool isEnabled(Control control) const = 0;
    virtual void setEnabled(Control control, bool enabled) = 0;

    virtual SystemColor background(Control control) const = 0;
    virtual void setBackground(Control control, SystemColor color) = 0;

    // The document installs one handler that receives every click, whether
    // the user made it or a setValue/select call did.
    void setClickHandler(ClickHandler handler) { m_clickHandler = std::move(handler); }

protected:
    void notifyClick(Control control) const
    {
        if (m_clickHandler)
            m_clickHandler(control);
    }

private:
    ClickHandler m_clickHandler;
};

} // namespace kestrin
