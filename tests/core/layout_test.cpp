// SPDX-License-Identifier: MIT
// The layout as a pure function of the field texts and blocks.
#include "golden.h"
#include "plaintextrenderer.h"
#include "templates.h"

#include <gtest/gtest.h>

using namespace kestrin;

namespace {

LayoutFields emptyFields()
{
    LayoutFields f;
    f.disclaimer = templates::disclaimer();
    return f;
}

} // namespace

TEST(Layout, EmptyEverythingKeepsEveryLabelAndTheFixedLines)
{
    const QString text = layoutReadme(emptyFields(), SectionBlocks{});
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
    // The assembled text ends with the footer itself; the writer adds CR LF.
    EXPECT_EQ(text + QStringLiteral("\r\n"), crlfLines(expected)) << visible(text);
    EXPECT_TRUE(text.endsWith(golden::footer()));
}

TEST(Layout, BlocksStandInTheirRowsInOrder)
{
    SectionBlocks b;
    b.skypeLine = QStringLiteral("S\r\n");
    b.icqLine = QStringLiteral("I\r\n");
    b.otherLine = QStringLiteral("O\r\n");
    b.addonsBlock = QStringLiteral("A\r\n");
    b.installationBlock = QStringLiteral("N\r\n");
    b.featuresBlock = QStringLiteral("F\r\n");
    b.changelogBlock = QStringLiteral("C\r\n");
    b.notesBlock = QStringLiteral("T\r\n");
    LayoutFields f = emptyFields();
    f.article = QStringLiteral("Mod");
    f.name = QStringLiteral("N1");
    f.description = QStringLiteral("D");
    f.credits = QStringLiteral("R");
    f.disclaimer = QStringLiteral("X");
    const QString text = layoutReadme(f, b);
    EXPECT_EQ(text, QStringLiteral("Mod\t-\tN1\r\n=================\r\nVersion: \r\nAuthor(s): \r\n\r\nRelease date: "
                                   "\r\n\r\nContacts:\r\n=================\r\nWeb: \r\nEmail: \r\nS\r\nI\r\nO\r\n\r\n"
                                   "\r\nRequired game: \r\n=================\r\n\r\nA\r\nN\r\nDescription: \r\n"
                                   "=================\r\nD\r\n\r\nF\r\nC\r\nT\r\nCredits: \r\n=================\r\n"
                                   "R\r\n\r\nX\r\n\r\n--- ReadMe file created in Kestrin Editor by Vantry ---"))
        << visible(text);
}

TEST(Layout, ValuesAreInsertedVerbatim)
{
    const QString odd = QStringLiteral("  \t<&>\"'|\\ äöü 😀 \r\n ");
    LayoutFields f = emptyFields();
    f.name = odd;
    f.version = odd;
    f.credits = odd;
    const QString text = layoutReadme(f, SectionBlocks{});
    EXPECT_TRUE(text.startsWith(QStringLiteral("\t-\t") + odd + QStringLiteral("\r\n=================\r\nVersion: ")
                                + odd + QStringLiteral("\r\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("Credits: \r\n=================\r\n") + odd + QStringLiteral("\r\n\r\n")));
}

TEST(Layout, LargeValuesAreNotTruncated)
{
    LayoutFields f = emptyFields();
    f.description = QString(3'000'000, QLatin1Char('d'));
    const QString text = layoutReadme(f, SectionBlocks{});
    EXPECT_TRUE(text.contains(f.description));
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
