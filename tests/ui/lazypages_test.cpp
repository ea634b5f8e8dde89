// SPDX-License-Identifier: MIT
// The tab pages the user has not opened yet: built only when first shown or
// reached for, and then showing exactly what the handlers did to their
// controls meanwhile.
#include "widgetharness.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include <functional>
#include <vector>

using namespace kestrin;
using namespace kestrin::ui;

namespace {

// What the controls contract tells of every control.
struct ControlState {
    QString text;
    int value;
    bool selected;
    bool enabled;
    SystemColor colour;
    bool operator==(const ControlState &) const = default;
};

std::vector<ControlState> readAll(const ControlAccess &form)
{
    std::vector<ControlState> all;
    for (int i = 0; i < kControlCount; ++i) {
        const Control c = Control(i);
        all.push_back({form.text(c), form.value(c), form.isSelected(c), form.isEnabled(c), form.background(c)});
    }
    return all;
}

void PrintTo(const ControlState &s, std::ostream *out)
{
    *out << "{" << s.text.left(40).toStdString() << ", value " << s.value << ", selected " << s.selected << ", enabled "
         << s.enabled << ", colour " << int(s.colour) << "}";
}

class LazyPages : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(QTest::qWaitForWindowExposed(&window())); }
    MainWindow &window() { return harness.window(); }
    std::vector<TabPage> builtPages()
    {
        std::vector<TabPage> built;
        for (int i = 0; i < kTabPageCount; ++i) {
            if (window().isPageBuilt(TabPage(i)))
                built.push_back(TabPage(i));
        }
        return built;
    }

    WidgetHarness harness;
};

} // namespace

TEST_F(LazyPages, OnlyTheFirstPageIsBuiltUntilItsTabIsShownOrAControlOnItIsReachedFor)
{
    using P = TabPage;
    EXPECT_EQ(builtPages(), std::vector<P>{P::BasicData});
    EXPECT_EQ(window().findChild<QWidget *>(QStringLiteral("CreditsText")), nullptr);

    QTabBar *bar = window().mainTab()->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(int(P::Details)).center());
    EXPECT_EQ(builtPages(), (std::vector<P>{P::BasicData, P::Details}));
    EXPECT_NE(window().findChild<QWidget *>(QStringLiteral("ContentText")), nullptr);

    // A control reached for by its name in the contract.
    QWidget *credits = window().control(Control::Credits);
    ASSERT_NE(credits, nullptr);
    EXPECT_EQ(credits->objectName(), QStringLiteral("CreditsText"));
    EXPECT_EQ(builtPages(), (std::vector<P>{P::BasicData, P::Details, P::Credits}));
    EXPECT_FALSE(credits->isVisible());
}

TEST_F(LazyPages, APageShowsWhatTheHandlersDidToItsControlsBeforeItWasBuilt)
{
    struct Case {
        const char *name;
        std::function<void(ControlAccess &)> act;
    };
    const Case cases[] = {
        {"the start state", [](ControlAccess &) {}},
        {"Features allowed", [](ControlAccess &f) { f.setValue(Control::FeaturesAllowed, 1); }},
        {"Notes allowed and disallowed again",
         [](ControlAccess &f) {
             f.setValue(Control::NotesAllowed, 1);
             f.setValue(Control::NotesAllowed, 0);
         }},
        {"MP mission chosen", [](ControlAccess &f) { f.select(Control::InstallMPMission); }},
        {"user-defined addons", [](ControlAccess &f) { f.setValue(Control::AddonsUserDefined, 1); }},
        {"a field disabled and greyed by hand",
         [](ControlAccess &f) {
             f.setEnabled(Control::Credits, false);
             f.setBackground(Control::Credits, SystemColor::ThreeDLight);
         }},
        {"a text set on a page not built",
         [](ControlAccess &f) { f.setText(Control::Notes, QStringLiteral("a\r\nb")); }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        WidgetHarness fresh;
        ControlAccess &form = fresh.form();
        int clicks = 0;
        form.setClickHandler([&clicks, &fresh](Control control) {
            ++clicks;
            fresh.document().handleClick(control);
        });
        c.act(form);
        const int clicksBefore = clicks;
        const std::vector<ControlState> held = readAll(form);

        // Building a page runs no handler and changes nothing.
        fresh.showEveryTab();
        EXPECT_EQ(readAll(form), held);
        EXPECT_EQ(clicks, clicksBefore);
        // And the widgets themselves show it.
        for (int i = 0; i < kControlCount; ++i) {
            const Control control = Control(i);
            const ControlState &was = held[size_t(i)];
            SCOPED_TRACE(controlName(control));
            QWidget *w = fresh.window().control(control);
            EXPECT_EQ(w->isEnabledTo(&fresh.window()), was.enabled);
            if (auto *button = qobject_cast<QAbstractButton *>(w)) {
                EXPECT_EQ(button->isChecked(), was.value == 1 || was.selected);
                EXPECT_EQ(button->text(), was.text);
            }
            if (isTextBox(control)) {
                const QPalette::ColorRole role =
                    was.colour == SystemColor::ThreeDLight ? QPalette::Midlight : QPalette::Base;
                EXPECT_EQ(w->palette().color(QPalette::Active, QPalette::Base),
                          fresh.window().palette().color(QPalette::Active, role));
            }
        }
    }
}

TEST_F(LazyPages, TheKeyboardSwitchToAnUnbuiltTabTakesTheFocusIntoItsPage)
{
    QWidget *name = window().control(Control::Name);
    name->setFocus(Qt::TabFocusReason);
    ASSERT_EQ(window().focusWidget(), name);
    QTest::keyClick(name, Qt::Key_Tab, Qt::ControlModifier);
    ASSERT_EQ(window().mainTab()->currentIndex(), int(TabPage::Requirements));
    QWidget *focused = window().focusWidget();
    ASSERT_NE(focused, nullptr);
    EXPECT_EQ(focused->parentWidget(), window().mainTab()->widget(int(TabPage::Requirements)))
        << focused->objectName().toStdString();
}
