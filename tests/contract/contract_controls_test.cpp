// SPDX-License-Identifier: MIT
// The control operations the handlers stand on, above all the rule that a
// changed check box or newly selected option runs its handler nested.
#include "contract_suite.h"

#include <QList>

using namespace kestrin;

namespace {

struct Call {
    Control control;
    int depth;
};

} // namespace

TEST_P(Contract, SettingACheckBoxRunsItsHandlerOnlyWhenTheValueChanges)
{
    QList<Call> calls;
    int depth = 0;
    QList<int> valuesSeen;
    form().setClickHandler([&](Control c) {
        calls.append({c, depth});
        valuesSeen.append(form().value(c));
    });

    struct Step {
        Control box;
        int value;
        bool runs;
    };
    // Design values: ContentCheck ticked, SkypeCheck unticked (the load
    // handler has unticked everything but AddonsCheck1).
    const Step steps[] = {
        {Control::SkypeCheck, 0, false},      {Control::SkypeCheck, 1, true},    {Control::SkypeCheck, 1, false},
        {Control::SkypeCheck, 0, true},       {Control::AddonsCheck1, 1, false}, {Control::AddonsCheck2, 1, true},
        {Control::ClassnamesCheck, 0, false},
    };
    for (const Step &s : steps) {
        calls.clear();
        valuesSeen.clear();
        form().setValue(s.box, s.value);
        SCOPED_TRACE(controlName(s.box));
        EXPECT_EQ(form().value(s.box), s.value);
        ASSERT_EQ(calls.size(), s.runs ? 1 : 0);
        if (s.runs) {
            EXPECT_EQ(calls[0].control, s.box);
            // The handler sees the new value: it runs after the change.
            EXPECT_EQ(valuesSeen[0], s.value);
        }
    }
}

TEST_P(Contract, HandlersRunNestedInsideTheSettingCall)
{
    QStringList trace;
    form().setClickHandler([&](Control c) {
        trace << QStringLiteral("enter %1").arg(QLatin1String(controlName(c)));
        if (c == Control::SkypeCheck)
            form().setValue(Control::ICQCheck, 1);
        if (c == Control::ICQCheck)
            form().setValue(Control::SkypeCheck, 1); // already 1: nothing runs
        trace << QStringLiteral("leave %1").arg(QLatin1String(controlName(c)));
    });
    form().setValue(Control::SkypeCheck, 1);
    trace << QStringLiteral("returned");
    EXPECT_EQ(trace,
              QStringList({"enter SkypeCheck", "enter ICQCheck", "leave ICQCheck", "leave SkypeCheck", "returned"}));
}

TEST_P(Contract, SelectingAnOptionRunsOnlyTheNewlySelectedOnesHandler)
{
    QList<Control> calls;
    form().setClickHandler([&](Control c) { calls.append(c); });

    const Control sequence[] = {Control::SPmissionOption,      Control::MPmissionOption, Control::MPmissionOption,
                                Control::OwnDescriptionOption, Control::AddonOption,     Control::ModOption,
                                Control::SPmissionOption};
    Control selected = Control::SPmissionOption;
    for (Control option : sequence) {
        calls.clear();
        form().select(option);
        SCOPED_TRACE(controlName(option));
        if (option == selected)
            EXPECT_TRUE(calls.isEmpty());
        else
            EXPECT_EQ(calls, QList<Control>{option});
        selected = option;
        for (Control other : kInstallationOptions)
            EXPECT_EQ(form().isSelected(other), other == option) << controlName(other);
    }
}

TEST_P(Contract, TextsKeepCrLfLineBreaksAndTheComboTakesOnlyItsItems)
{
    struct Case {
        Control control;
        QString set;
        QString expected;
    };
    const Case cases[] = {
        {Control::AuthorText, QStringLiteral("Ann\r\nBob\r\n"), QStringLiteral("Ann\r\nBob\r\n")},
        {Control::DescriptionText, QStringLiteral("  lead\r\n\r\ntrail  "), QStringLiteral("  lead\r\n\r\ntrail  ")},
        {Control::VersionText, QStringLiteral(" 1.0 "), QStringLiteral(" 1.0 ")},
        {Control::CreditsText, QString(), QString()},
        {Control::ArticleCombo, QStringLiteral("Mod"), QStringLiteral("Mod")},
        {Control::ArticleCombo, QStringLiteral("MP mission"), QStringLiteral("MP mission")},
        {Control::ArticleCombo, QStringLiteral("Campaign"), QString()},
        // Disabled fields keep and take their text.
        {Control::ContactText5, QStringLiteral("irc\r\nforum"), QStringLiteral("irc\r\nforum")},
    };
    for (const Case &c : cases) {
        form().setText(c.control, c.set);
        EXPECT_EQ(form().text(c.control), c.expected) << controlName(c.control) << " " << visible(c.set);
    }
}

TEST_P(Contract, EnabledStateAndColourAreKeptPerControl)
{
    form().setEnabled(Control::VersionText, false);
    form().setBackground(Control::VersionText, SystemColor::ThreeDLight);
    EXPECT_FALSE(form().isEnabled(Control::VersionText));
    EXPECT_EQ(form().background(Control::VersionText), SystemColor::ThreeDLight);
    EXPECT_TRUE(form().isEnabled(Control::ReleaseText));
    EXPECT_EQ(form().background(Control::ReleaseText), SystemColor::WindowBackground);
    form().setEnabled(Control::VersionText, true);
    form().setBackground(Control::VersionText, SystemColor::WindowBackground);
    EXPECT_TRUE(form().isEnabled(Control::VersionText));
    EXPECT_EQ(form().background(Control::VersionText), SystemColor::WindowBackground);
}

TEST_P(Contract, CaptionsAreTheDesignCaptions)
{
    EXPECT_EQ(form().caption(Control::DisclaimerText), golden::disclaimerLines().join(QStringLiteral("\r\n")));
    EXPECT_EQ(form().caption(Control::AddonsCheck1), QStringLiteral("None - official only"));
    EXPECT_EQ(form().caption(Control::AddonsCheck2), QStringLiteral("User defined"));
    EXPECT_EQ(form().caption(Control::OwnDescriptionOption), QStringLiteral("Own description"));
    EXPECT_EQ(form().caption(Control::SkypeCheck), QStringLiteral("Allow"));
}

TEST_P(Contract, AUserCannotClickADisabledSwitch)
{
    form().setEnabled(Control::SkypeCheck, false);
    harness->userClick(Control::SkypeCheck);
    EXPECT_EQ(form().value(Control::SkypeCheck), 0);
    form().setEnabled(Control::SkypeCheck, true);
    harness->userClick(Control::SkypeCheck);
    EXPECT_EQ(form().value(Control::SkypeCheck), 1);
}
