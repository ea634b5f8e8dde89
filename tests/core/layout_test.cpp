// SPDX-License-Identifier: MIT
// The plain-text layout as a pure function of the ReadMe's model.
#include "golden.h"
#include "plaintextrenderer.h"
#include "templates.h"

#include <gtest/gtest.h>

using namespace kestrin;

namespace {

// The model of nothing but the fixed lines: every label, no optional line
// or section, the disclaimer and the footer.
ReadmeModel bareModel()
{
    ReadmeModel m;
    m.version = {QStringLiteral("Version: "), {}};
    m.authors = {QStringLiteral("Author(s): "), {}};
    m.releaseDate = {QStringLiteral("Release date: "), {}};
    m.contactsHeading = QStringLiteral("Contacts:");
    m.contacts = {{QStringLiteral("Web: "), {}}, {QStringLiteral("Email: "), {}}};
    m.requiredGame = {QStringLiteral("Required game: "), {}};
    m.sections = {{QStringLiteral("Description: "), {}}, {QStringLiteral("Credits: "), {}}};
    m.disclaimer = {templates::kDisclaimerHeading.toString(), templates::disclaimerBody()};
    m.footer = templates::kFooter.toString();
    return m;
}

} // namespace

TEST(Layout, EmptyEverythingKeepsEveryLabelAndTheFixedLines)
{
    const QString text = plainText(bareModel());
    QStringList expected{"\t-\t",
                         "=================",
                         "Version: ",
                         "Author(s): ",
                         "",
                         "Release date: ",
                         "",
                         "Contacts:",
                         "=================",
                         "Web: ",
                         "Email: ",
                         "",
                         "",
                         "Required game: ",
                         "=================",
                         "",
                         "Description: ",
                         "=================",
                         "",
                         "",
                         "Credits: ",
                         "=================",
                         "",
                         ""};
    expected += golden::disclaimerLines();
    expected += QStringList{"", golden::footer()};
    // The text ends with the footer itself; the writer adds CR LF.
    EXPECT_EQ(text + QStringLiteral("\r\n"), crlfLines(expected)) << visible(text);
    EXPECT_TRUE(text.endsWith(golden::footer()));
}

TEST(Layout, LinesAndSectionsStandInTheirRowsInOrder)
{
    ReadmeModel m = bareModel();
    m.article = QStringLiteral("Mod");
    m.name = QStringLiteral("N1");
    m.contacts << ReadmeEntry{QStringLiteral("S: "), QStringLiteral("s")}
               << ReadmeEntry{QStringLiteral("I: "), QStringLiteral("i")};
    m.sections = {{QStringLiteral("A: "), QStringLiteral("a")},
                  {QStringLiteral("Description: "), QStringLiteral("D")},
                  {QStringLiteral("F: "), QStringLiteral("f")},
                  {QStringLiteral("Credits: "), QStringLiteral("R")}};
    m.disclaimer = {QStringLiteral("X:"), QStringLiteral("x")};
    const QString text = plainText(m);
    EXPECT_EQ(text, QStringLiteral("Mod\t-\tN1\r\n=================\r\nVersion: \r\nAuthor(s): \r\n\r\nRelease date: "
                                   "\r\n\r\nContacts:\r\n=================\r\nWeb: \r\nEmail: \r\nS: s\r\nI: i\r\n"
                                   "\r\n\r\nRequired game: \r\n=================\r\n\r\nA: \r\n=================\r\n"
                                   "a\r\n\r\nDescription: \r\n=================\r\nD\r\n\r\nF: \r\n"
                                   "=================\r\nf\r\n\r\nCredits: \r\n=================\r\n"
                                   "R\r\n\r\nX:\r\n=================\r\nx\r\n\r\n"
                                   "--- ReadMe file created in Kestrin Editor by Vantry ---"))
        << visible(text);
}

TEST(Layout, ValuesAreInsertedVerbatim)
{
    const QString odd = QStringLiteral("  \t<&>\"'|\\ äöü 😀 \r\n ");
    Article a;
    a.name = odd;
    a.version = odd;
    a.credits = odd;
    const QString text = plainText(readmeModel(a));
    EXPECT_TRUE(text.startsWith(QStringLiteral("SP mission\t-\t") + odd
                                + QStringLiteral("\r\n=================\r\nVersion: ") + odd + QStringLiteral("\r\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("Credits: \r\n=================\r\n") + odd + QStringLiteral("\r\n\r\n")));
}

TEST(Layout, LargeValuesAreNotTruncated)
{
    Article a;
    a.description = QString(3'000'000, QLatin1Char('d'));
    const QString text = plainText(readmeModel(a));
    EXPECT_TRUE(text.contains(a.description));
}

TEST(Templates, SectionFrameAndTabLines)
{
    EXPECT_EQ(templates::section(u"H: ", u""), QStringLiteral("H: \r\n=================\r\n\r\n\r\n"));
    EXPECT_TRUE(
        templates::installationSection(InstallationKind::Addon).contains(QStringLiteral("\r\n\t-mod=@MyAddons\r\n")));
    EXPECT_TRUE(
        templates::installationSection(InstallationKind::Mod).contains(QStringLiteral("\r\n\t-mod=@MyMod\r\n")));
    EXPECT_TRUE(templates::installationSection(InstallationKind::OwnDescription).isEmpty());
}
