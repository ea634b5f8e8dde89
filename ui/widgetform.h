// SPDX-License-Identifier: MIT
#pragma once

// The controls contract on the main window's widgets: the document's
// handlers read and set the fields, switches and options through it, and it
// reports clicks and edits back. A tab page is built when it is first shown:
// until then the form holds its controls' state itself, with the same
// behaviour, and hands it to the widgets when they are made.

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

    // Registers the widget that stands for a control: it takes the state the
    // control has so far (the design's, or what the handlers have set
    // since), and from then on reports its clicks to the click handler and
    // its changes to the edit handler.
    void addControl(Control control, QWidget *widget);
    // The widget of a control, or nullptr while its page is not built.
    QWidget *control(Control control) const { return m_controls[size_t(control)]; }
    // The widget of a control, its page built first if need be.
    QWidget *widget(Control control);
    // Builds the page that holds a control; asked for when a text is set on
    // a control not built yet, so that the widget itself takes the text.
    void setPageBuilder(std::function<void(Control)> build) { m_buildPage = std::move(build); }
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
    // What a control not built yet holds, as its widget would hold it.
    struct Held {
        QString text; // text, or caption of labels, check boxes and options
        int value = 0;
        bool enabled = true;
    };

    void takeHeldState(Control control, QWidget *widget);
    void connectControl(Control control, QWidget *widget);
    void applyBackground(Control control);
    void edited() const;

    QWidget *m_window;
    std::array<QWidget *, kControlCount> m_controls{};
    std::array<Held, kControlCount> m_held;
    std::array<SystemColor, kControlCount> m_colors{};
    std::function<void()> m_edited;
    std::function<void(Control)> m_buildPage;
};

} // namespace kestrin::ui
