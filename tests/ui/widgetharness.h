// SPDX-License-Identifier: MIT
#pragma once

#include "formharness.h"
#include "mainwindow.h"

class QWidget;

// The real main window, shown offscreen, driven with mouse clicks and key
// presses as a user drives it.
class WidgetHarness : public FormHarness {
public:
    WidgetHarness();
    ~WidgetHarness() override;

    kestrin::ControlAccess &form() override { return m_window.form(); }
    kestrin::ReadmeDocument &document() override { return m_window.document(); }
    kestrin::ArticleFileController &articleFiles() override { return m_window.articleFiles(); }
    kestrin::ui::MainWindow &window() { return m_window; }

    void userClick(kestrin::Control control) override;
    void userType(kestrin::Control control, const QString &text) override;
    void userPickArticle(const QString &kind) override;

    // Clicks the tab that holds the widget, unless it is showing already.
    void showTabOf(QWidget *widget);
    // Shows every tab in turn, as a user looking through the window does
    // (a page is built when first shown), and comes back to the first.
    void showEveryTab();
    // Types a text into the focused field key by key; CR LF presses Enter.
    static void typeKeys(QWidget *field, const QString &text, bool multiLine);

private:
    kestrin::ui::MainWindow m_window;
};
