// SPDX-License-Identifier: MIT
// Create: the bytes written for a range of form states, the save dialog's
// use, the messages, and saving over files that exist.
#include "contract_suite.h"

#include <QDir>
#include <QFile>

using namespace kestrin;

namespace {

// The fixed lines from "Required game" up to the "Required addons" block.
QStringList head(const QString &kindAndName, const QString &version, const QString &authors, const QString &release,
                 const QString &web, const QString &email, const QStringList &contacts, const QString &game)
{
    QStringList lines{kindAndName,
                      "=================",
                      "Version: " + version,
                      "Author(s): " + authors,
                      "",
                      "Release date: " + release,
                      "",
                      "Contacts:",
                      "=================",
                      "Web: " + web,
                      "Email: " + email};
    lines += contacts;
    lines += QStringList{"", "", "Required game: " + game, "=================", ""};
    return lines;
}

QStringList sectionLines(const QString &heading, const QString &body)
{
    return QStringList{heading, "================="} + body.split(QStringLiteral("\r\n")) + QStringList{""};
}

QStringList tail(const QString &credits)
{
    return sectionLines(QStringLiteral("Credits: "), credits) + golden::disclaimerLines()
           + QStringList{"", golden::footer()};
}

QByteArray bytes(const QStringList &lines)
{
    return crlfLines(lines).toLatin1();
}

const QStringList kNoneAddons{"Required addons: ", "=================", "None - official only", ""};

} // namespace

TEST_P(Contract, CreateWritesTheWorkedExampleByteForByte)
{
    harness->userPickArticle(QStringLiteral("MP mission"));
    harness->userType(Control::Name, QStringLiteral("Harbour Raid"));
    harness->userType(Control::Version, QStringLiteral("1.2"));
    harness->userType(Control::Authors, QStringLiteral("Raid Team"));
    harness->userType(Control::ReleaseDate, QStringLiteral("2011-05-01"));
    harness->userClick(Control::SkypeAllowed);
    harness->userType(Control::Skype, QStringLiteral("raid.team"));
    harness->userClick(Control::OtherContactAllowed);
    harness->userType(Control::OtherContact, QStringLiteral("forum PM to Raid Team"));
    harness->userType(Control::RequiredGame, QStringLiteral("1.05"));
    harness->userClick(Control::InstallOwnDescription);
    harness->userType(Control::Installation, QStringLiteral("Copy the mission file into your MPMissions folder."));
    harness->userType(Control::Description, QStringLiteral("Take the harbour before dawn.\r\nUp to 8 players."));
    harness->userClick(Control::FeaturesAllowed);
    harness->userType(Control::Features, QStringLiteral("- night assault\r\n- random enemy patrols"));
    harness->userClick(Control::NotesAllowed);
    harness->userType(Control::Notes, QStringLiteral("Tested on dedicated server."));
    harness->userType(Control::Credits, QStringLiteral("Thanks to all testers."));

    const QByteArray expected = crlfLines(golden::workedExample()).toLatin1();
    const QByteArray written = createFile();
    EXPECT_EQ(written.count('\n'), 52);
    EXPECT_EQ(written, expected) << visible(written);
}

TEST_P(Contract, CreateWritesEachFormStateExactly)
{
    struct Case {
        const char *name;
        std::function<void(FormHarness &)> prepare;
        QStringList expected;
    };
    const QStringList emptyHead = head("SP mission\t-\t", "", "", "", "http://", "@", {}, "");
    const QStringList emptyMiddle = sectionLines("Description: ", "");
    const Case cases[] = {
        {"right after start", [](FormHarness &) {},
         emptyHead + kNoneAddons + golden::spInstallation("Arma 2") + emptyMiddle + tail("")},
        {"SP option after MP",
         [](FormHarness &h) {
             h.userClick(Control::InstallMPMission);
             h.userClick(Control::InstallSPMission);
         },
         emptyHead + kNoneAddons + golden::spInstallation("ArmA 2") + emptyMiddle + tail("")},
        {"MP mission", [](FormHarness &h) { h.userClick(Control::InstallMPMission); },
         emptyHead + kNoneAddons + golden::mpInstallation() + emptyMiddle + tail("")},
        {"Addon", [](FormHarness &h) { h.userClick(Control::InstallAddon); },
         emptyHead + kNoneAddons + golden::addonInstallation() + emptyMiddle + tail("")},
        {"Mod", [](FormHarness &h) { h.userClick(Control::InstallMod); },
         emptyHead + kNoneAddons + golden::modInstallation() + emptyMiddle + tail("")},
        {"own description left at its prompt", [](FormHarness &h) { h.userClick(Control::InstallOwnDescription); },
         emptyHead + kNoneAddons + sectionLines("Installation: ", "Write here your own installation description ...")
             + emptyMiddle + tail("")},
        {"own description of several lines",
         [](FormHarness &h) {
             h.userClick(Control::InstallOwnDescription);
             h.userType(Control::Installation, QStringLiteral("Step one\r\n\tStep two\r\n"));
         },
         emptyHead + kNoneAddons + QStringList{"Installation: ", "=================", "Step one", "\tStep two", "", ""}
             + emptyMiddle + tail("")},
        {"user defined addons list",
         [](FormHarness &h) {
             h.userClick(Control::AddonsUserDefined);
             h.userType(Control::RequiredAddons, QStringLiteral("@CBA_A2\r\n@ACE"));
         },
         emptyHead + sectionLines("Required addons: ", "@CBA_A2\r\n@ACE") + golden::spInstallation("Arma 2")
             + emptyMiddle + tail("")},
        {"user defined with an empty field", [](FormHarness &h) { h.userClick(Control::AddonsUserDefined); },
         emptyHead + QStringList{"Required addons: ", "=================", "", ""} + golden::spInstallation("Arma 2")
             + emptyMiddle + tail("")},
        {"every switch ticked, fields empty",
         [](FormHarness &h) {
             for (const AllowSwitch &s : kAllowSwitches)
                 h.userClick(s.check);
         },
         head("SP mission\t-\t", "", "", "", "http://", "@", {"Skype: ", "ICQ: ", "Other: "}, "") + kNoneAddons
             + golden::spInstallation("Arma 2") + emptyMiddle + sectionLines("Features: ", "")
             + sectionLines("Changelog/known bugs: ", "") + sectionLines("Notes: ", "") + tail("")},
        {"unticked switches hide typed text",
         [](FormHarness &h) {
             for (const AllowSwitch &s : kAllowSwitches) {
                 h.userClick(s.check);
                 h.userType(s.field, QStringLiteral("hidden"));
                 h.userClick(s.check);
             }
         },
         emptyHead + kNoneAddons + golden::spInstallation("Arma 2") + emptyMiddle + tail("")},
        {"trailing line breaks and outer blanks kept",
         [](FormHarness &h) {
             h.userPickArticle(QStringLiteral("Addon"));
             h.userType(Control::Name, QStringLiteral("  Spaced  "));
             h.userType(Control::Version, QStringLiteral(" 1 "));
             h.userType(Control::Authors, QStringLiteral("A\r\nB\r\n"));
             h.userType(Control::Description, QStringLiteral("\r\nText \r\n\r\n"));
             h.userType(Control::Credits, QStringLiteral(" thanks"));
             h.userClick(Control::ChangelogAllowed);
             h.userType(Control::Changelog, QStringLiteral("- fixed\r\n"));
         },
         head("Addon\t-\t  Spaced  ", " 1 ", "A", "", "http://", "@", {}, "").mid(0, 4) + QStringList{"B", ""}
             + head("Addon\t-\t  Spaced  ", " 1 ", "A", "", "http://", "@", {}, "").mid(4) + kNoneAddons
             + golden::spInstallation("Arma 2") + sectionLines("Description: ", "\r\nText \r\n\r\n")
             + sectionLines("Changelog/known bugs: ", "- fixed\r\n") + tail(" thanks")},
        {"contacts and game typed",
         [](FormHarness &h) {
             h.userType(Control::Web, QStringLiteral("http://example.org"));
             h.userType(Control::Email, QStringLiteral("me@example.org"));
             h.userClick(Control::IcqAllowed);
             h.userType(Control::Icq, QStringLiteral("123456"));
             h.userType(Control::RequiredGame, QStringLiteral("1.11"));
         },
         head("SP mission\t-\t", "", "", "", "http://example.org", "me@example.org", {"ICQ: 123456"}, "1.11")
             + kNoneAddons + golden::spInstallation("Arma 2") + emptyMiddle + tail("")},
    };
    int n = 0;
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        harness = GetParam()();
        c.prepare(*harness);
        const QByteArray written = createFile(QStringLiteral("case%1.txt").arg(n++));
        EXPECT_EQ(written, bytes(c.expected)) << visible(written);
    }
}

TEST_P(Contract, CreateUsesTheDialogAndReportsOncePerWrittenFile)
{
    const QString path = dir.filePath(QStringLiteral("ReadMe"));
    harness->dialog.chooseNext(path);
    doc().create();
    EXPECT_EQ(harness->dialog.filter(), QStringLiteral("*.txt|*.txt"));
    // The name is taken as it is: no extension is added.
    EXPECT_TRUE(QFile::exists(path));
    EXPECT_FALSE(QFile::exists(path + QStringLiteral(".txt")));
    ASSERT_EQ(harness->messages.shown().size(), 1);
    const MessageRequest &done = harness->messages.shown().front();
    EXPECT_EQ(done.prompt, QStringLiteral("ReadMe file created successfully ..."));
    EXPECT_EQ(done.title, QStringLiteral("Kestrin Editor"));
    EXPECT_EQ(done.icon, MessageIcon::Information);
    EXPECT_EQ(done.buttons, MessageButtons::Ok);

    // Cancelled: nothing written, nothing shown; the form still gives the
    // ReadMe with the line just switched on.
    harness->messages.clear();
    harness->userClick(Control::SkypeAllowed);
    harness->dialog.chooseNext(std::nullopt);
    ASSERT_TRUE(QFile::remove(path));
    doc().create();
    EXPECT_TRUE(harness->messages.shown().isEmpty());
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_TRUE(readme().contains(QStringLiteral("\r\nSkype: \r\n")));

    // The dialog remembers the name of the previous Create.
    EXPECT_EQ(harness->dialog.fileName(), path);
}

TEST_P(Contract, CreateTwiceGivesIdenticalBytesAndReplacesLongerFiles)
{
    const QString path = dir.filePath(QStringLiteral("readme.txt"));
    ASSERT_TRUE(writeFileBytes(path, QByteArray(100000, 'x')));
    harness->userType(Control::Name, QStringLiteral("Twice"));
    const QByteArray first = createFile();
    const QByteArray second = createFile();
    EXPECT_EQ(first, second);
    EXPECT_TRUE(first.startsWith("SP mission\t-\tTwice\r\n"));
    EXPECT_TRUE(first.endsWith("--- ReadMe file created in Kestrin Editor by Vantry ---\r\n"));
    EXPECT_EQ(harness->messages.prompts(),
              QStringList({"ReadMe file created successfully ...", "ReadMe file created successfully ..."}));
    // No temporary files are left beside it.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"readme.txt"});
}

TEST_P(Contract, AFailedSaveWarnsNamesThePathAndTheNextCreateWritesTheSameText)
{
    const QString path = dir.filePath(QStringLiteral("missing/readme.txt"));
    harness->userClick(Control::IcqAllowed);
    harness->dialog.chooseNext(path);
    doc().create();
    ASSERT_EQ(harness->messages.shown().size(), 1);
    const MessageRequest &warning = harness->messages.shown().front();
    EXPECT_EQ(warning.icon, MessageIcon::Warning);
    EXPECT_EQ(warning.buttons, MessageButtons::Ok);
    EXPECT_EQ(warning.title, QStringLiteral("Kestrin Editor"));
    EXPECT_TRUE(warning.prompt.startsWith(QStringLiteral("The ReadMe file could not be saved to ") + path
                                          + QStringLiteral(":\r\n")))
        << visible(warning.prompt);
    EXPECT_GT(warning.prompt.size(), path.size() + 42);
    // Nothing of the attempt is lost: the form still holds it all.
    const QByteArray retried = createFile();
    EXPECT_TRUE(retried.contains("\r\nICQ: \r\n"));
    EXPECT_TRUE(retried.endsWith(golden::footer().toLatin1() + "\r\n"));
}
