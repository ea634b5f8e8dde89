// SPDX-License-Identifier: MIT
// The load handler, the "Allow" switches, the installation options, the
// required-addons pair and New, driven as a user drives them.
#include "contract_suite.h"

using namespace kestrin;

namespace {

const Control kOptionalFields[] = {Control::Skype,    Control::Icq,       Control::OtherContact,
                                   Control::Features, Control::Changelog, Control::Notes};

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
        {Control::Name, true, bg, {}},
        {Control::Version, true, bg, {}},
        {Control::Authors, true, bg, {}},
        {Control::ReleaseDate, true, bg, {}},
        {Control::Web, true, bg, QStringLiteral("http://")},
        {Control::Email, true, bg, QStringLiteral("@")},
        {Control::Skype, false, light, {}},
        {Control::Icq, false, light, {}},
        {Control::OtherContact, false, light, {}},
        {Control::RequiredGame, true, bg, {}},
        {Control::RequiredAddons, false, light, {}},
        {Control::Installation, false, light,
         QStringLiteral("Installation instructions for SP missions will be loaded automatically ...\r\n")},
        {Control::Description, true, bg, {}},
        {Control::Features, false, light, {}},
        {Control::Changelog, false, light, {}},
        {Control::Notes, false, light, {}},
        {Control::Credits, true, bg, {}},
    };
    for (const Expect &e : fields) {
        SCOPED_TRACE(controlName(e.control));
        EXPECT_EQ(form().isEnabled(e.control), e.enabled);
        EXPECT_EQ(form().background(e.control), e.color);
        EXPECT_EQ(form().text(e.control), e.text);
    }
    EXPECT_EQ(form().text(Control::ArticleKind), QStringLiteral("SP mission"));
    for (const AllowSwitch &s : kAllowSwitches)
        EXPECT_EQ(form().value(s.check), 0) << controlName(s.check);
    EXPECT_EQ(form().value(Control::AddonsOfficialOnly), 1);
    EXPECT_EQ(form().value(Control::AddonsUserDefined), 0);
    for (Control option : kInstallationOptions)
        EXPECT_EQ(form().isSelected(option), option == Control::InstallSPMission) << controlName(option);

    EXPECT_EQ(readmeSection(u"Required addons: "), noneSection());
    EXPECT_EQ(readmeSection(u"Installation: "), crlfLines(golden::spInstallation("Arma 2")));
    EXPECT_TRUE(doc().article().hasStartInstallation());
    EXPECT_TRUE(readmeSection(u"Features: ").isEmpty());
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
        {Control::InstallMPMission,
         QStringLiteral("Installation instructions for MP missions will be loaded automatically ..."),
         golden::mpInstallation()},
        {Control::InstallAddon, QStringLiteral("Installation instructions for Addons will be loaded automatically ..."),
         golden::addonInstallation()},
        {Control::InstallMod, QStringLiteral("Installation instructions for Mods will be loaded automatically ..."),
         golden::modInstallation()},
        {Control::InstallSPMission,
         QStringLiteral("Installation instructions for SP missions will be loaded automatically ..."),
         golden::spInstallation("ArmA 2")},
    };
    bool written = false;
    for (const Case &c : cases) {
        SCOPED_TRACE(controlName(c.option));
        // Through Own description with a typed text, which the kind's notice
        // replaces in the field; coming back shows the text again (the
        // prompt only while nothing was written).
        harness->userClick(Control::InstallOwnDescription);
        EXPECT_TRUE(form().isEnabled(Control::Installation));
        EXPECT_EQ(form().background(Control::Installation), SystemColor::WindowBackground);
        EXPECT_EQ(form().text(Control::Installation),
                  written ? QStringLiteral("my own text")
                          : QStringLiteral("Write here your own installation description ..."));
        written = true;
        harness->userType(Control::Installation, QStringLiteral("my own text"));
        harness->userClick(c.option);
        EXPECT_FALSE(form().isEnabled(Control::Installation));
        EXPECT_EQ(form().background(Control::Installation), SystemColor::ThreeDLight);
        EXPECT_EQ(form().text(Control::Installation), c.notice);
        EXPECT_EQ(readmeSection(u"Installation: "), crlfLines(c.section));
        EXPECT_FALSE(doc().article().hasStartInstallation());
    }
}

TEST_P(Contract, OwnDescriptionWritesTheFieldAndLeavingItTheOptionsTemplate)
{
    harness->userClick(Control::InstallAddon);
    harness->userClick(Control::InstallOwnDescription);
    // The prompt until something is typed: it is the field's text.
    EXPECT_EQ(readmeSection(u"Installation: "), crlfLines({"Installation: ", "=================",
                                                           "Write here your own installation description ...", ""}));
    harness->userType(Control::Installation, QStringLiteral("unpack\r\nplay"));
    EXPECT_EQ(readmeSection(u"Installation: "),
              crlfLines({"Installation: ", "=================", "unpack", "play", ""}));
    harness->userClick(Control::InstallAddon);
    EXPECT_EQ(readmeSection(u"Installation: "), crlfLines(golden::addonInstallation()));
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
        {"tick User defined", Control::AddonsUserDefined, 0, 1, true},
        {"untick User defined", Control::AddonsUserDefined, 1, 0, false},
        {"untick None", Control::AddonsOfficialOnly, 0, 1, true},
        {"tick None", Control::AddonsOfficialOnly, 1, 0, false},
    };
    for (const Action &a : actions) {
        SCOPED_TRACE(a.what);
        const QString sectionBefore = readmeSection(u"Required addons: ");
        harness->userClick(a.box);
        EXPECT_EQ(form().value(Control::AddonsOfficialOnly), a.check1);
        EXPECT_EQ(form().value(Control::AddonsUserDefined), a.check2);
        EXPECT_EQ(form().isEnabled(Control::RequiredAddons), a.fieldOn);
        EXPECT_EQ(form().background(Control::RequiredAddons),
                  a.fieldOn ? SystemColor::WindowBackground : SystemColor::ThreeDLight);
        if (a.fieldOn) {
            // The field's text as it stands, the old list or none.
            EXPECT_EQ(readmeSection(u"Required addons: "),
                      kestrin::templates::section(u"Required addons: ", form().text(Control::RequiredAddons)));
            EXPECT_NE(readmeSection(u"Required addons: "), sectionBefore);
            harness->userType(Control::RequiredAddons, QStringLiteral("@CBA\r\n@ACE"));
            EXPECT_EQ(readmeSection(u"Required addons: "),
                      crlfLines({"Required addons: ", "=================", "@CBA", "@ACE", ""}));
        } else {
            EXPECT_EQ(readmeSection(u"Required addons: "), noneSection());
            // The list stays in the disabled field.
            EXPECT_EQ(form().text(Control::RequiredAddons), QStringLiteral("@CBA\r\n@ACE"));
        }
    }
}

TEST_P(Contract, NewAnsweredNoChangesNothing)
{
    harness->userClick(Control::SkypeAllowed);
    harness->userType(Control::Skype, QStringLiteral("me"));
    harness->userClick(Control::InstallOwnDescription);
    harness->userClick(Control::AddonsUserDefined);
    const QByteArray before = createFile(QStringLiteral("before.txt"));

    harness->messages.clear();
    harness->messages.answerNext(MessageAnswer::No);
    doc().newReadme();
    ASSERT_EQ(harness->messages.shown().size(), 1);
    const MessageRequest &q = harness->messages.shown().front();
    EXPECT_EQ(q.prompt, QStringLiteral("Do you really want to set all defaults ?\r\nAll unsaved data will be lost."));
    EXPECT_EQ(q.title, QStringLiteral("Kestrin Editor"));
    EXPECT_EQ(q.buttons, MessageButtons::YesNo);
    EXPECT_EQ(q.icon, MessageIcon::Warning);
    EXPECT_EQ(doc().lastNewAnswer(), MessageAnswer::No);

    EXPECT_EQ(form().value(Control::SkypeAllowed), 1);
    EXPECT_TRUE(form().isSelected(Control::InstallOwnDescription));
    EXPECT_EQ(form().value(Control::AddonsUserDefined), 1);
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
             h.userClick(Control::InstallOwnDescription);
             h.userType(Control::Installation, QStringLiteral("own"));
             h.userClick(Control::AddonsUserDefined);
             h.userType(Control::RequiredAddons, QStringLiteral("@CBA"));
             h.userPickArticle(QStringLiteral("Mod"));
             h.userType(Control::Name, QStringLiteral("name"));
             h.userType(Control::Web, QStringLiteral("http://x"));
             h.userType(Control::Credits, QStringLiteral("c"));
         }},
        {"addon kind chosen", [](FormHarness &h) { h.userClick(Control::InstallAddon); }},
    };
    for (const Scenario &s : scenarios) {
        SCOPED_TRACE(s.name);
        harness = GetParam()();
        s.prepare(*harness);
        harness->messages.answerNext(MessageAnswer::Yes);
        doc().newReadme();
        EXPECT_EQ(doc().lastNewAnswer(), MessageAnswer::Yes);

        for (const AllowSwitch &sw : kAllowSwitches) {
            EXPECT_EQ(form().value(sw.check), 0) << controlName(sw.check);
            EXPECT_FALSE(form().isEnabled(sw.field)) << controlName(sw.field);
            EXPECT_EQ(form().background(sw.field), SystemColor::ThreeDLight) << controlName(sw.field);
            EXPECT_EQ(form().text(sw.field), QString()) << controlName(sw.field);
        }
        EXPECT_EQ(form().text(Control::ArticleKind), QStringLiteral("SP mission"));
        EXPECT_TRUE(form().isSelected(Control::InstallSPMission));
        EXPECT_EQ(form().value(Control::AddonsOfficialOnly), 1);
        EXPECT_EQ(form().value(Control::AddonsUserDefined), 0);
        EXPECT_FALSE(form().isEnabled(Control::RequiredAddons));
        EXPECT_EQ(form().background(Control::RequiredAddons), SystemColor::ThreeDLight);
        EXPECT_FALSE(form().isEnabled(Control::Installation));
        EXPECT_EQ(form().background(Control::Installation), SystemColor::ThreeDLight);
        // New shows the whole default sections in the two fields.
        EXPECT_EQ(form().text(Control::RequiredAddons), noneSection());
        EXPECT_EQ(form().text(Control::Installation), crlfLines(golden::spInstallation("ArmA 2")));
        EXPECT_EQ(readmeSection(u"Required addons: "), noneSection());
        EXPECT_EQ(readmeSection(u"Installation: "), crlfLines(golden::spInstallation("ArmA 2")));
        EXPECT_FALSE(doc().article().hasStartInstallation());
        EXPECT_TRUE(readmeSection(u"Features: ").isEmpty());
        EXPECT_EQ(form().text(Control::Web), QStringLiteral("http://"));
        EXPECT_EQ(form().text(Control::Email), QStringLiteral("@"));
        for (Control c : {Control::Name, Control::Version, Control::Authors, Control::ReleaseDate,
                          Control::RequiredGame, Control::Description, Control::Credits})
            EXPECT_EQ(form().text(c), QString()) << controlName(c);
    }
}

TEST_P(Contract, UserDefinedAfterNewOffersTheNoneSectionText)
{
    harness->messages.answerNext(MessageAnswer::Yes);
    doc().newReadme();
    harness->userClick(Control::AddonsUserDefined);
    EXPECT_TRUE(form().isEnabled(Control::RequiredAddons));
    EXPECT_EQ(form().text(Control::RequiredAddons), noneSection());
}
