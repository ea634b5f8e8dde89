// SPDX-License-Identifier: MIT
#include "chmarchive.h"
#include "helpcontents.h"
#include "helptestsupport.h"

#include <QRegularExpression>
#include <QUrl>

#include <gtest/gtest.h>

namespace kestrin::help {
namespace {

using namespace testing;

ContentsEntry entry(const char *name, const char *local, QList<ContentsEntry> children = {})
{
    return {QString::fromUtf8(name), QString::fromUtf8(local), std::move(children)};
}

QByteArray item(const char *name, const char *local)
{
    return QByteArray("<LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"") + name
           + "\"><param name=\"Local\" value=\"" + local + "\"></OBJECT>\n";
}

TEST(Sitemap, ReadsTheShapesHelpCompilersAccept)
{
    const struct {
        const char *name;
        QByteArray sitemap;
        QList<ContentsEntry> expected;
    } cases[] = {
        {"flat list",
         "<UL>" + item("One", "a.html") + item("Two", "b/c.html") + "</UL>",
         {entry("One", "/a.html"), entry("Two", "/b/c.html")}},
        {"nested lists",
         "<UL>" + item("Book", "book.html") + "<UL>" + item("Page", "p.html") + "<UL>" + item("Deep", "d.html")
             + "</UL></UL>" + item("After", "after.html") + "</UL>",
         {entry("Book", "/book.html", {entry("Page", "/p.html", {entry("Deep", "/d.html")})}),
          entry("After", "/after.html")}},
        {"lower case, closed LI, single quotes and unquoted values",
         "<ul><li><object type='text/sitemap'><param name=name value='Quoted'><param name=local value=q.html>"
         "</object></li></ul>",
         {entry("Quoted", "/q.html")}},
        {"entities and a '>' inside a value",
         "<UL>" + item("Tom &amp; Jerry &#62; &#x41;&lt;", "t.html") + item("a > b", "ab.html") + "</UL>",
         {entry("Tom & Jerry > A<", "/t.html"), entry("a > b", "/ab.html")}},
        {"a heading without a page",
         "<UL><LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"Group\">"
         "</OBJECT><UL>"
             + item("Child", "c.html") + "</UL></UL>",
         {entry("Group", "", {entry("Child", "/c.html")})}},
        {"fragments, archive prefixes and web pages",
         "<UL>" + item("Anchor", "topics/x.html#part") + item("Prefixed", "ms-its:help.chm::/y.html")
             + item("Web", "http://example.org/") + "</UL>",
         {entry("Anchor", "/topics/x.html#part"), entry("Prefixed", "/y.html"), entry("Web", "http://example.org/")}},
        {"comments, site properties and other objects are skipped",
         "<!-- <UL><LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"Commented\"></OBJECT> -->"
         "<OBJECT type=\"text/site properties\"><param name=\"Name\" value=\"Props\"></OBJECT>"
         "<UL><OBJECT type=\"application/x-oleobject\"><param name=\"Name\" value=\"Ole\"></OBJECT>"
             + item("Real", "r.html") + "</UL>",
         {entry("Real", "/r.html")}},
        {"the first name and page of a merged item count",
         "<UL><LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"First\"><param name=\"Local\" "
         "value=\"1.html\"><param name=\"Name\" value=\"Second\"><param name=\"Local\" value=\"2.html\"></OBJECT></UL>",
         {entry("First", "/1.html")}},
        {"a missing name falls back to the page",
         "<UL><LI><OBJECT type=\"text/sitemap\"><param name=\"Local\" "
         "value=\"n.html\"></OBJECT></UL>",
         {entry("/n.html", "/n.html")}},
        {"a list that skips a level and closes too often",
         "<UL><UL><UL>" + item("Deep first", "d.html") + "</UL></UL>" + item("Back up", "u.html") + "</UL></UL></UL>"
             + item("Outside", "o.html"),
         {entry("Deep first", "/d.html"), entry("Back up", "/u.html"), entry("Outside", "/o.html")}},
        {"cut off in the middle",
         "<UL>" + item("Whole", "w.html") + "<LI><OBJECT type=\"text/sitemap\"><param na",
         {entry("Whole", "/w.html")}},
        {"empty", "", {}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(parseSitemap(c.sitemap), c.expected) << c.name;
}

TEST(Sitemap, DecodesByTheDeclaredCharset)
{
    const QByteArray latin1 = "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=iso-8859-1\"><UL>"
                              + item("Caf\xe9", "c.html") + "</UL>";
    EXPECT_EQ(parseSitemap(latin1), QList<ContentsEntry>{entry("Caf\xc3\xa9", "/c.html")});
    const QByteArray utf8 = "<meta charset=\"utf-8\"><UL>" + item("Caf\xc3\xa9", "c.html") + "</UL>";
    EXPECT_EQ(parseSitemap(utf8), QList<ContentsEntry>{entry("Caf\xc3\xa9", "/c.html")});
}

QStringList flatten(const QList<ContentsEntry> &entries)
{
    QStringList pages;
    for (const ContentsEntry &e : entries)
        pages << e.local << flatten(e.children);
    return pages;
}

TEST(HelpContents, ListsEveryTopicInReadingOrder)
{
    ChmArchive archive;
    ASSERT_TRUE(archive.open(builtHelpFile()));
    const QList<ContentsEntry> contents = parseSitemap(*archive.read(archive.contentsFile()));
    EXPECT_EQ(flatten(contents), helpTopicsInOrder());

    QStringList topLevel;
    for (const ContentsEntry &e : contents)
        topLevel << e.name;
    EXPECT_EQ(topLevel, (QStringList{"Kestrin Editor Help", "Getting started", "The main window",
                                     "The \"Allow\" switches", "Creating the ReadMe", "Keeping the article in a file",
                                     "Importing from a mission or addon", "Starting again with New",
                                     "Minimize to the notification area", "Exit and closing the window",
                                     "Help and About", "Keyboard shortcuts", "The kestrin-readme command"}));
    ASSERT_EQ(contents.at(2).children.size(), 5);
    EXPECT_EQ(contents.at(2).children.at(0).name, QStringLiteral("Basic data"));
    EXPECT_EQ(contents.at(2).children.at(4).name, QStringLiteral("Credits"));
}

// Every link, picture and style sheet of every page of every help file
// (the English one and each translation) leads to something in that file,
// and every "#anchor" to a named place on its page; each translation lists
// the English topics in the same order.
TEST(HelpContents, EveryLinkOfEveryPageResolves)
{
    static const QRegularExpression reference(QStringLiteral("(?:href|src)\\s*=\\s*\"([^\"]*)\""),
                                              QRegularExpression::CaseInsensitiveOption);
    const QStringList files = builtHelpFiles();
    ASSERT_EQ(files.size(), 5) << files.join(u' ').toStdString();
    for (const QString &file : files) {
        SCOPED_TRACE(file.toStdString());
        ChmArchive archive;
        ASSERT_TRUE(archive.open(file));
        EXPECT_EQ(flatten(parseSitemap(*archive.read(archive.contentsFile()))), helpTopicsInOrder());
        int checked = 0;
        for (const QString &page : archive.entries()) {
            if (!page.endsWith(QLatin1String(".html")))
                continue;
            const QString html = QString::fromUtf8(*archive.read(page));
            const QUrl base(QStringLiteral("chm:") + page);
            for (auto it = reference.globalMatch(html); it.hasNext();) {
                const QUrl link(it.next().captured(1));
                if (!link.isRelative() && link.scheme() != QLatin1String("chm"))
                    continue; // a web address
                const QUrl target = base.resolved(link);
                const QString targetPage = ChmArchive::normalizePath(target.path());
                SCOPED_TRACE(page.toStdString() + " -> " + link.toString().toStdString());
                ASSERT_TRUE(archive.contains(targetPage));
                if (target.hasFragment()) {
                    const QString targetHtml = QString::fromUtf8(*archive.read(targetPage));
                    EXPECT_TRUE(targetHtml.contains(QStringLiteral("name=\"%1\"").arg(target.fragment())));
                }
                ++checked;
            }
        }
        EXPECT_GT(checked, 100);
    }
}

TEST(HelpContents, HomePageIsTheDeclaredTopicThenContentsThenIndexThenFirstPage)
{
    const struct {
        QString file;
        const char *home;
    } cases[] = {
        {builtHelpFile(), "/index.html"},          // declared default topic
        {fixtureFile("tocfirst"), "/second.html"}, // no default topic: first page of the contents
        {fixtureFile("bare"), "/alpha.html"},      // neither: first page by name
    };
    for (const auto &c : cases) {
        ChmArchive archive;
        ASSERT_TRUE(archive.open(c.file)) << archive.errorString().toStdString();
        QList<ContentsEntry> contents;
        if (!archive.contentsFile().isEmpty())
            contents = parseSitemap(*archive.read(archive.contentsFile()));
        EXPECT_EQ(chooseHomePage(archive, contents), QString::fromUtf8(c.home)) << c.file.toStdString();
    }
    // Without contents, index.html beats the alphabet.
    ChmArchive archive;
    ASSERT_TRUE(archive.open(fixtureFile("tocfirst")));
    EXPECT_EQ(chooseHomePage(archive, {}), QStringLiteral("/index.html"));
    // Contents that name missing pages are passed over.
    EXPECT_EQ(chooseHomePage(archive, {entry("Gone", "/gone.html"), entry("Second", "/second.html#x")}),
              QStringLiteral("/second.html#x"));
}

} // namespace
} // namespace kestrin::help
