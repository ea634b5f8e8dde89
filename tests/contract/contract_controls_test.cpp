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
        {Control::SkypeAllowed, 0, false},       {Control::SkypeAllowed, 1, true},
        {Control::SkypeAllowed, 1, false},       {Control::SkypeAllowed, 0, true},
        {Control::AddonsOfficialOnly, 1, false}, {Control::AddonsUserDefined, 1, true},
        {Control::NotesAllowed, 0, false},
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
        if (c == Control::SkypeAllowed)
            form().setValue(Control::IcqAllowed, 1);
        if (c == Control::IcqAllowed)
            form().setValue(Control::SkypeAllowed, 1); // already 1: nothing runs
        trace << QStringLiteral("leave %1").arg(QLatin1String(controlName(c)));
    });
    form().setValue(Control::SkypeAllowed, 1);
    trace << QStringLiteral("returned");
    EXPECT_EQ(trace,
              QStringList({"enter SkypeCheck", "enter ICQCheck", "leave ICQCheck", "leave SkypeCheck", "returned"}));
}

TEST_P(Contract, SelectingAnOptionRunsOnlyTheNewlySelectedOnesHandler)
{
    QList<Control> calls;
    form().setClickHandler([&](Control c) { calls.append(c); });

    const Control sequence[] = {Control::InstallSPMission,      Control::InstallMPMission, Control::InstallMPMission,
                                Control::InstallOwnDescription, Control::InstallAddon,     Control::InstallMod,
                                Control::InstallSPMission};
    Control selected = Control::InstallSPMission;
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
        {Control::Authors, QStringLiteral("Ann\r\nBob\r\n"), QStringLiteral("Ann\r\nBob\r\n")},
        {Control::Description, QStringLiteral("  lead\r\n\r\ntrail  "), QStringLiteral("  lead\r\n\r\ntrail  ")},
        {Control::Version, QStringLiteral(" 1.0 "), QStringLiteral(" 1.0 ")},
        {Control::Credits, QString(), QString()},
        {Control::ArticleKind, QStringLiteral("Mod"), QStringLiteral("Mod")},
        {Control::ArticleKind, QStringLiteral("MP mission"), QStringLiteral("MP mission")},
        {Control::ArticleKind, QStringLiteral("Campaign"), QString()},
        // Disabled fields keep and take their text.
        {Control::OtherContact, QStringLiteral("irc\r\nforum"), QStringLiteral("irc\r\nforum")},
    };
    for (const Case &c : cases) {
        form().setText(c.control, c.set);
        EXPECT_EQ(form().text(c.control), c.expected) << controlName(c.control) << " " << visible(c.set);
    }
}

TEST_P(Contract, EnabledStateAndColourAreKeptPerControl)
{
    form().setEnabled(Control::Version, false);
    form().setBackground(Control::Version, SystemColor::ThreeDLight);
    EXPECT_FALSE(form().isEnabled(Control::Version));
    EXPECT_EQ(form().background(Control::Version), SystemColor::ThreeDLight);
    EXPECT_TRUE(form().isEnabled(Control::ReleaseDate));
    EXPECT_EQ(form().background(Control::ReleaseDate), SystemColor::WindowBackground);
    form().setEnabled(Control::Version, true);
    form().setBackground(Control::Version, SystemColor::WindowBackground);
    EXPECT_TRUE(form().isEnabled(Control::Version));
    EXPECT_EQ(form().background(Control::Version), SystemColor::WindowBackground);
}

TEST_P(Contract, CaptionsAreTheDesignCaptions)
{
    EXPECT_EQ(form().caption(Control::Disclaimer), golden::disclaimerLines().join(QStringLiteral("\r\n")));
    EXPECT_EQ(form().caption(Control::AddonsOfficialOnly), QStringLiteral("None - official only"));
    EXPECT_EQ(form().caption(Control::AddonsUserDefined), QStringLiteral("User defined"));
    EXPECT_EQ(form().caption(Control::InstallOwnDescription), QStringLiteral("Own description"));
    EXPECT_EQ(form().caption(Control::SkypeAllowed), QStringLiteral("Allow"));
}

TEST_P(Contract, AUserCannotClickADisabledSwitch)
{
    form().setEnabled(Control::SkypeAllowed, false);
    harness->userClick(Control::SkypeAllowed);
    EXPECT_EQ(form().value(Control::SkypeAllowed), 0);
    form().setEnabled(Control::SkypeAllowed, true);
    harness->userClick(Control::SkypeAllowed);
    EXPECT_EQ(form().value(Control::SkypeAllowed), 1);
}
