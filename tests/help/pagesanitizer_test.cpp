// SPDX-License-Identifier: MIT
#include "pagesanitizer.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QStringList>

#include <gtest/gtest.h>

namespace kestrin::help {
namespace {

PageLimits fewPictures()
{
    PageLimits limits;
    limits.maxPictures = 2;
    return limits;
}

PageLimits small()
{
    PageLimits limits;
    limits.maxDepth = 3;
    limits.maxTableDepth = 1;
    limits.maxTableCost = 2;
    limits.maxWordLength = 4;
    return limits;
}

TEST(PageSanitizer, RewritesAPageAsBalancedMarkup)
{
    const struct {
        const char *name;
        const char *in;
        const char *out;
        bool flattened;
        PageLimits limits;
    } cases[] = {
        {"kept", "<P class=x>Hello <b>world</b></p>", "<p class=\"x\">Hello <b>world</b></p>", false, {}},
        {"implied ends",
         "<ul><li>a<li>b</ul><p>x<p>y<div>z",
         "<ul><li>a</li><li>b</li></ul><p>x</p><p>y</p><div>z</div>",
         false,
         {}},
        {"cells",
         "<table><tr><td>a<td>b<tr><th>c</table>",
         "<table><tr><td>a</td><td>b</td></tr><tr><th>c</th></tr></table>",
         false,
         {}},
        {"scripts and comments", "a<script>if (a<b) x()</script><!-- <div> -->b<!DOCTYPE html><?x?>", "ab", false, {}},
        {"stray brackets", "1 < 2 > 0 </ 3", "1 &lt; 2 &gt; 0 ", false, {}},
        {"attributes requoted",
         "<a href='x\"y' title=a&amp;b checked>",
         "<a href=\"x&quot;y\" title=\"a&amp;b\" checked></a>",
         false,
         {}},
        {"self-closing", "<div/>x<br/><br></br>", "<div></div>x<br><br>", false, {}},
        {"style without tags",
         "<style>p > a { color: red } <div></style>x",
         "<style>p > a { color: red }  div></style>x",
         false,
         {}},
        {"title escaped", "<title>a<b</title>", "<title>a&lt;b</title>", false, {}},
        {"tool-tip pages are pages", "<qt type=detail>x", "<html type=\"detail\">x</html>", false, {}},
        {"end tags stop at cells",
         "<div><table><tr><td></div>x</td></tr></table></div>",
         "<div><table><tr><td>x</td></tr></table></div>",
         false,
         {}},
        {"too deep", "<div><div><div><div><b>x</b></div></div></div></div>y", "<div><div><div>x</div></div></div>y",
         true, small()},
        {"tables too deep", "<table><tr><td><table><tr><td>a</td><td>b</td></tr></table></td></tr></table>",
         "<table><tr><td><br><br> a b<br></td></tr></table>", true, small()},
        {"too many cells", "<table><tr><td>1</td><td>2</td><td>3</td></tr></table>",
         "<table><tr><td>1</td><td>2</td></tr></table> 3<br>", true, small()},
        {"long words", "abcdefghij k", "abcd\u200Befgh\u200Bij k", false, small()},
        {"picture sizes",
         "<img src=a.png width=99999 height=50%><img width=12>",
         "<img src=\"a.png\" width=\"4096\" height=\"50%\"><img width=\"12\">",
         true,
         {}},
        {"sizes of any element",
         "<table width=99999999><tr><td height=1234567890123>x",
         "<table width=\"4096\"><tr><td height=\"4096\">x</td></tr></table>",
         true,
         {}},
        {"spacings",
         "<table cellpadding=99999999 cellspacing='70' border=64><tr><td>x",
         "<table cellpadding=\"64\" cellspacing=\"64\" border=\"64\"><tr><td>x</td></tr></table>",
         true,
         {}},
        {"spans",
         "<table><tr><td colspan=100000 rowspan=3>a<td colspan=50 rowspan=50x>b<td colspan=2 rowspan=2>c",
         "<table><tr><td colspan=\"100\" rowspan=\"3\">a</td><td colspan=\"50\" rowspan=\"20\">b</td>"
         "<td colspan=\"2\" rowspan=\"2\">c</td></tr></table>",
         true,
         {}},
        {"pictures beyond their number", "<img src=a><img src=b alt=x><img src=c alt='y<z' width=5>|<img>",
         "<img src=\"a\"><img src=\"b\" alt=\"x\">y&lt;z|", true, fewPictures()},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const SanitizedPage page = sanitizePage(QString::fromUtf8(c.in), c.limits);
        EXPECT_EQ(page.html.toStdString(), c.out);
        EXPECT_EQ(page.flattened, c.flattened);
    }
}

// The deepest nesting of elements and of tables in balanced output, or -1
// when it is not balanced.
std::pair<int, int> nesting(const QString &html)
{
    static const QRegularExpression tag(QStringLiteral("<(/?)([a-z0-9:._-]+)[^>]*>"));
    static const QStringList voids{"br",     "img",   "hr",       "meta",  "link",   "col",
                                   "input",  "area",  "base",     "wbr",   "param",  "embed",
                                   "source", "track", "basefont", "frame", "keygen", "isindex"};
    QStringList open;
    int deepest = 0;
    int tables = 0;
    int deepestTables = 0;
    for (auto it = tag.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        const QString name = m.captured(2);
        if (voids.contains(name))
            continue;
        if (m.capturedLength(1) == 0) {
            open << name;
            tables += name == QLatin1String("table");
        } else {
            if (open.isEmpty() || open.takeLast() != name)
                return {-1, -1};
            tables -= name == QLatin1String("table");
        }
        deepest = std::max(deepest, int(open.size()));
        deepestTables = std::max(deepestTables, tables);
    }
    return open.isEmpty() ? std::pair{deepest, deepestTables} : std::pair{-1, -1};
}

TEST(PageSanitizer, NoInputGoesBeyondTheBounds)
{
    const PageLimits limits;
    QStringList inputs{
        QStringLiteral("<div>").repeated(30000) + QStringLiteral("</div>").repeated(30000),
        QStringLiteral("<table><tr><td>").repeated(25),
        QStringLiteral("<span><table><tr><td><ul><li>").repeated(2000),
        QStringLiteral("<table>") + QStringLiteral("<tr><td>a<td>b").repeated(5000),
    };
    // Tag soup from the parts that matter.
    const char *parts[] = {"<div>",       "</div>", "<table>", "</table>", "<tr>",      "<td>", "</td>",
                           "<li>",        "<ul>",   "</ul>",   "<p>",      "<b>",       "</b>", "<style>",
                           "</style>",    "<br/>",  "<x/>",    "text ",    "<",         ">",    "\"",
                           "<img width=", "<!--",   "-->",     "<script>", "</script>", "</p>", "<th>"};
    QRandomGenerator random(20261207);
    for (int i = 0; i < 200; ++i) {
        QString soup;
        for (int j = 0; j < 2000; ++j)
            soup += QLatin1String(parts[random.bounded(int(std::size(parts)))]);
        inputs << soup;
    }
    for (const QString &input : inputs) {
        const SanitizedPage page = sanitizePage(input, limits);
        const auto [depth, tables] = nesting(page.html);
        ASSERT_GE(depth, 0) << "not balanced: " << page.html.left(300).toStdString();
        EXPECT_LE(depth, limits.maxDepth);
        EXPECT_LE(tables, limits.maxTableDepth);
        EXPECT_LE(page.html.size(), 4 * input.size() + 64);
    }
}

} // namespace
} // namespace kestrin::help
