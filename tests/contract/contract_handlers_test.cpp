// SPDX-License-Identifier: MIT
// The load handler, the "Allow" switches, the installation options, the
// required-addons pair and New, driven as a user drives them.
#include "contract_suite.h"

using namespace kestrin;

namespace {

const Control kOptionalFields[] = {Control::ContactText3, Control::ContactText4,  Control::ContactText5,
                                   Control::ContentText,  Control::ChangelogText, Control::ClassnamesText};

QString noneSection()
{
    return crlfLines({"Required addons: ", "=================", "None - official only", ""});
}

} // namespace

TEST_P(Contract, LoadLeavesTheStartState)
{
    struct Expect {
        Control control;
        bool enabled;
        SystemColor color;
        QString text;
    };
    const auto bg = SystemColor::WindowBackground;
    const auto light = SystemColor::ThreeDLight;
    const Expect fields[] = {
        {Control::ArticleNameText, true, bg, {}},
        {Control::VersionText, true, bg, {}},
        {Control::AuthorText, true, bg, {}},
        {Control::ReleaseText, true, bg, {}},
        {Control::ContactText1, true, bg, QStringLiteral("http://")},
        {Control::ContactText2, true, bg, QStringLiteral("@")},
        {Control::ContactText3, false, light, {}},
        {Control::ContactText4, false, light, {}},
        {Control::ContactText5, false, light, {}},
        {Control::RequiredGameText, true, bg, {}},
        {Control::AddonsText, false, light, {}},
        {Control::InstallationText, false, light,
         QStringLiteral("Installation instructions for SP missions will be loaded automatically ...\r\n")},
        {Control::DescriptionText, true, bg, {}},
        {Control::ContentText, false, light, {}},
        {Control::ChangelogText, false, light, {}},
        {Control::ClassnamesText, false, light, {}},
        {Control::CreditsText, true, bg, {}},
    };
    for (const Expect &e : fields) {
        SCOPED_TRACE(controlName(e.control));
        EXPECT_EQ(form().isEnabled(e.control), e.enabled);
        EXPECT_EQ(form().background(e.control), e.color);
        EXPECT_EQ(form().text(e.control), e.text);
    }
    EXPECT_EQ(form().text(Control::ArticleCombo), QStringLiteral("SP mission"));
    for (const AllowSwitch &s : kAllowSwitches)
        EXPECT_EQ(form().value(s.check), 0) << controlName(s.check);
    EXPECT_EQ(form().value(Control::AddonsCheck1), 1);
    EXPECT_EQ(form().value(Control::AddonsCheck2), 0);
    for (Control option : kInstallationOptions)
        EXPECT_EQ(form().isSelected(option), option == Control::SPmissionOption) << controlName(option);

    EXPECT_EQ(doc().blocks().addonsBlock, noneSection());
    EXPECT_EQ(doc().blocks().installationBlock, crlfLines(golden::spInstallation("Arma 2")));
    EXPECT_TRUE(doc().blocks().featuresBlock.isEmpty());
    EXPECT_TRUE(doc().readmeText().isEmpty());
}

TEST_P(Contract, EachAllowSwitchGovernsOnlyItsOwnFieldAndKeepsItsText)
{
    for (const AllowSwitch &s : kAllowSwitches) {
        SCOPED_TRACE(controlName(s.check));
        harness->userClick(s.check);
        EXPECT_EQ(form().value(s.check), 1);
        EXPECT_TRUE(form().isEnabled(s.field));
        EXPECT_EQ(form().background(s.field), SystemColor::WindowBackground);
        for (Control other : kOptionalFields) {
            if (other != s.field) {
                EXPECT_FALSE(form().isEnabled(other)) << controlName(other);
            }
        }
        harness->userType(s.field, QStringLiteral("kept\r\ntext"));
        harness->userClick(s.check);
        EXPECT_FALSE(form().isEnabled(s.field));
        EXPECT_EQ(form().background(s.field), SystemColor::ThreeDLight);
        EXPECT_EQ(form().text(s.field), QStringLiteral("kept\r\ntext"));
        harness->userClick(s.check);
        EXPECT_TRUE(form().isEnabled(s.field));
        EXPECT_EQ(form().text(s.field), QStringLiteral("kept\r\ntext"));
        harness->userClick(s.check);
    }
}

TEST_P(Contract, InstallationOptionsSetTheFieldAndStoreTheirSection)
{
    struct Case {
        Control option;
        QString notice;
        QStringList section;
    };
    const Case cases[] = {
        {Control::MPmissionOption,
         QStringLiteral("Installation instructions for MP missions will be loaded automatically ..."),
         golden::mpInstallation()},
        {Control::AddonOption, QStringLiteral("Installation instructions for Addons will be loaded automatically ..."),
         golden::addonInstallation()},
        {Control::ModOption, QStringLiteral("Installation instructions for Mods will be loaded automatically ..."),
         golden::modInstallation()},
        {Control::SPmissionOption,
         QStringLiteral("Installation instructions for SP missions will be loaded automatically ..."),
         golden::spInstallation("ArmA 2")},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(controlName(c.option));
        // Through Own description with a typed text, which the kind replaces.
        harness->userClick(Control::OwnDescriptionOption);
        EXPECT_TRUE(form().isEnabled(Control::InstallationText));
        EXPECT_EQ(form().background(Control::InstallationText), SystemColor::WindowBackground);
        EXPECT_EQ(form().text(Control::InstallationText),
                  QStringLiteral("Write here your own installation description ..."));
        harness->userType(Control::InstallationText, QStringLiteral("my own text"));
        harness->userClick(c.option);
        EXPECT_FALSE(form().isEnabled(Control::InstallationText));
        EXPECT_EQ(form().background(Control::InstallationText), SystemColor::ThreeDLight);
        EXPECT_EQ(form().text(Control::InstallationText), c.notice);
        EXPECT_EQ(doc().blocks().installationBlock, crlfLines(c.section));
    }
}

TEST_P(Contract, OwnDescriptionKeepsThePreviousSectionUntilCreate)
{
    harness->userClick(Control::AddonOption);
    harness->userClick(Control::OwnDescriptionOption);
    EXPECT_EQ(doc().blocks().installationBlock, crlfLines(golden::addonInstallation()));
}

TEST_P(Contract, RequiredAddonsPairCascades)
{
    struct Action {
        const char *what;
        Control box;
        int check1, check2;
        bool fieldOn;
    };
    // From the start state (None ticked): each user action and the state it
    // leaves. Unticking either box ticks the other.
    const Action actions[] = {
        {"tick User defined", Control::AddonsCheck2, 0, 1, true},
        {"untick User defined", Control::AddonsCheck2, 1, 0, false},
        {"untick None", Control::AddonsCheck1, 0, 1, true},
        {"tick None", Control::AddonsCheck1, 1, 0, false},
    };
    for (const Action &a : actions) {
        SCOPED_TRACE(a.what);
        const QString blockBefore = doc().blocks().addonsBlock;
        harness->userClick(a.box);
        EXPECT_EQ(form().value(Control::AddonsCheck1), a.check1);
        EXPECT_EQ(form().value(Control::AddonsCheck2), a.check2);
        EXPECT_EQ(form().isEnabled(Control::AddonsText), a.fieldOn);
        EXPECT_EQ(form().background(Control::AddonsText),
                  a.fieldOn ? SystemColor::WindowBackground : SystemColor::ThreeDLight);
        if (a.fieldOn) {
            EXPECT_EQ(doc().blocks().addonsBlock, blockBefore);
            harness->userType(Control::AddonsText, QStringLiteral("@CBA\r\n@ACE"));
            doc().assemble();
            EXPECT_EQ(doc().blocks().addonsBlock,
                      crlfLines({"Required addons: ", "=================", "@CBA", "@ACE", ""}));
        } else {
            EXPECT_EQ(doc().blocks().addonsBlock, noneSection());
            // The list stays in the disabled field.
            EXPECT_EQ(form().text(Control::AddonsText), QStringLiteral("@CBA\r\n@ACE"));
        }
    }
}

TEST_P(Contract, NewAnsweredNoChangesNothing)
{
    harness->userClick(Control::SkypeCheck);
    harness->userType(Control::ContactText3, QStringLiteral("me"));
    harness->userClick(Control::OwnDescriptionOption);
    harness->userClick(Control::AddonsCheck2);
    const QByteArray before = createFile(QStringLiteral("before.txt"));

    harness->messages.clear();
    harness->messages.answerNext(MessageAnswer::No);
    doc().mnuNew_Click();
    ASSERT_EQ(harness->messages.shown().size(), 1);
    const MessageRequest &q = harness->messages.shown().front();
    EXPECT_EQ(q.prompt, QStringLiteral("Do you really want to set all defaults ?\r\nAll unsaved data will be lost."));
    EXPECT_EQ(q.title, QStringLiteral("Kestrin Editor"));
    EXPECT_EQ(q.buttons, MessageButtons::YesNo);
    EXPECT_EQ(q.icon, MessageIcon::Warning);
    EXPECT_EQ(doc().lastNewAnswer(), MessageAnswer::No);

    EXPECT_EQ(form().value(Control::SkypeCheck), 1);
    EXPECT_TRUE(form().isSelected(Control::OwnDescriptionOption));
    EXPECT_EQ(form().value(Control::AddonsCheck2), 1);
    EXPECT_EQ(createFile(QStringLiteral("after.txt")), before);
}

TEST_P(Contract, NewAnsweredYesResetsFromAnyState)
{
    struct Scenario {
        const char *name;
        std::function<void(FormHarness &)> prepare;
    };
    const Scenario scenarios[] = {
        {"right after start", [](FormHarness &) {}},
        {"every switch ticked, own description, user defined",
         [](FormHarness &h) {
             for (const AllowSwitch &s : kAllowSwitches) {
                 h.userClick(s.check);
                 h.userType(s.field, QStringLiteral("x"));
             }
             h.userClick(Control::OwnDescriptionOption);
             h.userType(Control::InstallationText, QStringLiteral("own"));
             h.userClick(Control::AddonsCheck2);
             h.userType(Control::AddonsText, QStringLiteral("@CBA"));
             h.userPickArticle(QStringLiteral("Mod"));
             h.userType(Control::ArticleNameText, QStringLiteral("name"));
             h.userType(Control::ContactText1, QStringLiteral("http://x"));
             h.userType(Control::CreditsText, QStringLiteral("c"));
         }},
        {"addon kind chosen", [](FormHarness &h) { h.userClick(Control::AddonOption); }},
    };
    for (const Scenario &s : scenarios) {
        SCOPED_TRACE(s.name);
        harness = GetParam()();
        s.prepare(*harness);
        harness->messages.answerNext(MessageAnswer::Yes);
        doc().mnuNew_Click();
        EXPECT_EQ(doc().lastNewAnswer(), MessageAnswer::Yes);

        for (const AllowSwitch &sw : kAllowSwitches) {
            EXPECT_EQ(form().value(sw.check), 0) << controlName(sw.check);
            EXPECT_FALSE(form().isEnabled(sw.field)) << controlName(sw.field);
            EXPECT_EQ(form().background(sw.field), SystemColor::ThreeDLight) << controlName(sw.field);
            EXPECT_EQ(form().text(sw.field), QString()) << controlName(sw.field);
        }
        EXPECT_EQ(form().text(Control::ArticleCombo), QStringLiteral("SP mission"));
        EXPECT_TRUE(form().isSelected(Control::SPmissionOption));
        EXPECT_EQ(form().value(Control::AddonsCheck1), 1);
        EXPECT_EQ(form().value(Control::AddonsCheck2), 0);
        EXPECT_FALSE(form().isEnabled(Control::AddonsText));
        EXPECT_EQ(form().background(Control::AddonsText), SystemColor::ThreeDLight);
        EXPECT_FALSE(form().isEnabled(Control::InstallationText));
        EXPECT_EQ(form().background(Control::InstallationText), SystemColor::ThreeDLight);
        // New shows the whole default sections in the two fields.
        EXPECT_EQ(form().text(Control::AddonsText), noneSection());
        EXPECT_EQ(form().text(Control::InstallationText), crlfLines(golden::spInstallation("ArmA 2")));
        EXPECT_EQ(doc().blocks().addonsBlock, noneSection());
        EXPECT_EQ(doc().blocks().installationBlock, crlfLines(golden::spInstallation("ArmA 2")));
        EXPECT_TRUE(doc().blocks().featuresBlock.isEmpty());
        EXPECT_EQ(form().text(Control::ContactText1), QStringLiteral("http://"));
        EXPECT_EQ(form().text(Control::ContactText2), QStringLiteral("@"));
        for (Control c : {Control::ArticleNameText, Control::VersionText, Control::AuthorText, Control::ReleaseText,
                          Control::RequiredGameText, Control::DescriptionText, Control::CreditsText})
            EXPECT_EQ(form().text(c), QString()) << controlName(c);
    }
}

TEST_P(Contract, UserDefinedAfterNewOffersTheNoneSectionText)
{
    harness->messages.answerNext(MessageAnswer::Yes);
    doc().mnuNew_Click();
    harness->userClick(Control::AddonsCheck2);
    EXPECT_TRUE(form().isEnabled(Control::AddonsText));
    EXPECT_EQ(form().text(Control::AddonsText), noneSection());
}
