// SPDX-License-Identifier: MIT
// The ReadMe as BBCode and Markdown: golden files for the worked example and
// hard cases, the Markdown read back through a real CommonMark renderer
// (cmark) and the BBCode through a forum's tag rules, both against the
// plain text's lines; the saves; and that none of it changes what Create
// writes.
#include "article.h"
#include "articleform.h"
#include "articlereader.h"
#include "golden.h"
#include "memoryharness.h"
#include "plaintextrenderer.h"
#include "readmeexport.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <random>

using namespace kestrin;

namespace {

const QString kGoldenDir = QStringLiteral(KESTRIN_EXPORT_GOLDEN_DIR);

struct GoldenCase {
    const char *file; // under tests/core/exports, without extension
    std::function<Article()> article;
};

Article workedExample()
{
    return readArticle(readFileBytes(QStringLiteral(KESTRIN_SOURCE_DIR "/examples/harbour-raid.json"))).article;
}

const GoldenCase kCases[] = {
    {"worked-example", workedExample},
    {"empty-fields",
     [] {
         Article a;
         a.kind.clear();
         a.web.clear();
         a.email.clear();
         a.skype = QString();
         a.requiredAddons = QString();
         a.installation = InstallationKind::OwnDescription;
         a.features = QString();
         return a;
     }},
    {"markup-in-text",
     [] {
         Article a;
         a.name = QStringLiteral("[b]Bold[/b] *Ops* _under_ `code` #1");
         a.version = QStringLiteral("1.0 <beta> & more | ~~old~~");
         a.authors = QStringLiteral("C:\\Team\\@Mods \\* [url=http://x]y[/url]");
         a.web = QStringLiteral("https://example.org/a_b?c=[1]&d=2");
         a.email = QStringLiteral("raid_team@example.org");
         a.requiredGame = QStringLiteral("1.05 [patched]");
         a.installation = InstallationKind::Addon;
         a.description =
             QStringLiteral("# not a heading\r\n> not a quote\r\n=====\r\n---\r\n+ plus\r\n<div>html</div>\r\n"
                            "    indented four\r\n\ttabbed\r\n&amp; &copy; entity\r\nends with a backslash\\");
         a.credits = QStringLiteral("[[nested]] ][ [/b]");
         return a;
     }},
    {"list-like-lines",
     [] {
         Article a;
         a.kind = QStringLiteral("Mod");
         a.web = QStringLiteral("http://example.org/mod");
         a.description = QStringLiteral("Intro line\r\n- first\r\n- second\r\n* star\r\nAfter the list\r\n1. one\r\n"
                                        "2. two\r\n4. four\r\n1. again\r\n2011. a year\r\n-not a list\r\n- \r\n1.5 km");
         a.features = QStringLiteral("- # heading in an item\r\n-    spaced item\r\n* - nested?");
         a.changelog = QStringLiteral("1) paren\r\n- fixed");
         return a;
     }},
    {"trailing-line-breaks",
     [] {
         Article a;
         a.name = QStringLiteral("  Spaced  ");
         a.authors = QStringLiteral("A\r\nB\r\n");
         a.skype = QStringLiteral("\r\n");
         a.description = QStringLiteral("\r\nText \r\n\r\n\r\nafter two empty lines\r\n\r\n");
         a.notes = QStringLiteral("last\r\n");
         a.credits = QStringLiteral(" thanks");
         return a;
     }},
    {"outside-latin1",
     [] {
         Article a;
         a.name = QStringLiteral("Nájezd na přístav – Штурм 港 😀");
         a.authors = QStringLiteral("Łukasz, Zoë, Ђорђе");
         a.description = QStringLiteral("Ελληνικά\r\n→ arrows ← and “quotes”\r\n[Ω]");
         return a;
     }},
};

ReadmeModel modelOf(const Article &article)
{
    return readmeModel(article);
}

QString extension(ReadmeFormat format)
{
    return format == ReadmeFormat::Markdown ? QStringLiteral(".md") : QStringLiteral(".bbcode.txt");
}

// The plain text's lines as a reader sees them, without the underlines.
// The plain text's lines as the exports show them: the title reads "kind -
// name" (in Markdown the kind or the name alone when the other is empty),
// one blank line less before the game version, which stands below its
// heading. keepEmpty: as the forum shows them, else as Markdown does.
QStringList plainLines(const ReadmeModel &model, bool keepEmpty)
{
    QStringList out;
    QString text = plainText(model);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    const bool alone = !keepEmpty && (model.article.isEmpty() || model.name.isEmpty());
    text.replace(text.indexOf(QStringLiteral("\t-\t")), 3, alone ? QString() : QStringLiteral(" - "));
    const QString game = model.requiredGame.label;
    bool gameSeen = false;
    for (QString line : text.split(u'\n')) {
        if (!gameSeen && line.startsWith(game)) {
            gameSeen = true;
            if (keepEmpty && out.size() >= 2 && out.last().isEmpty() && out[out.size() - 2].isEmpty())
                out.removeLast();
            out << game.trimmed();
            line.remove(0, game.size());
        }
        while (line.endsWith(u' ') || line.endsWith(u'\t'))
            line.chop(1);
        if (line == QLatin1String("=================") || (line.isEmpty() && !keepEmpty))
            continue;
        out << line;
    }
    return out;
}

// The text of cmark's HTML, a line per line break and per block, each list
// item led by the marker it has in the Markdown.
QStringList renderedLines(const QByteArray &markdown)
{
    QProcess cmark;
    cmark.start(QStringLiteral("cmark"), {QStringLiteral("--sourcepos")});
    cmark.write(markdown);
    cmark.closeWriteChannel();
    if (!cmark.waitForFinished(10000) || cmark.exitCode() != 0)
        return {QStringLiteral("<cmark failed>")};
    QString html = QString::fromUtf8(cmark.readAllStandardOutput());
    // The items of a loose list hold paragraphs: their text is the item's.
    html.replace(QRegularExpression(QStringLiteral("(<li[^>]*>)\\n<p[^>]*>")), QStringLiteral("\\1"));
    const QStringList source = QString::fromUtf8(markdown).split(u'\n');
    static const QRegularExpression item(QStringLiteral("<li data-sourcepos=\"(\\d+):"));
    static const QRegularExpression marker(QStringLiteral("^(- |\\* |\\d+[.)] )"));
    QString withMarkers;
    qsizetype last = 0;
    for (auto it = item.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        QString mark = marker.match(source.value(m.captured(1).toInt() - 1)).captured(1);
        mark.replace(u')', u'.');
        withMarkers += html.mid(last, m.capturedEnd() - last) + QStringLiteral("\">") + mark;
        last = html.indexOf(u'>', m.capturedEnd()) + 1;
    }
    html = withMarkers + html.mid(last);
    html.replace(QRegularExpression(QStringLiteral("<br />\\n|</(p|h1|h2|li)>")), QStringLiteral("\n"));
    html.remove(QRegularExpression(QStringLiteral("<[^>]*>")));
    html.replace(QStringLiteral("&lt;"), QStringLiteral("<"))
        .replace(QStringLiteral("&gt;"), QStringLiteral(">"))
        .replace(QStringLiteral("&quot;"), QStringLiteral("\""))
        .replace(QStringLiteral("&amp;"), QStringLiteral("&"));
    QStringList out;
    for (QString line : html.split(u'\n')) {
        while (line.endsWith(u' ') || line.endsWith(u'\t'))
            line.chop(1);
        if (!line.isEmpty() && line != QLatin1String("================="))
            out << line;
    }
    return out;
}

// The text a forum shows for a post: the tags it knows are taken out; any
// other "[" stays.
QStringList forumLines(const QByteArray &bbcode)
{
    static const QRegularExpression tag(QStringLiteral("\\[/?(b|i|url|size(=\\d+)?)\\]"));
    QString text = QString::fromUtf8(bbcode);
    text.remove(tag);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    QStringList out = text.split(u'\n');
    out.removeLast(); // after the final line end
    for (QString &line : out) {
        while (line.endsWith(u' ') || line.endsWith(u'\t'))
            line.chop(1);
    }
    return out;
}

} // namespace

TEST(Export, GoldenFilesAndWhatRenderersShow)
{
    const bool update = qEnvironmentVariableIsSet("KESTRIN_UPDATE_GOLDEN");
    for (const GoldenCase &c : kCases) {
        SCOPED_TRACE(c.file);
        const ReadmeModel model = modelOf(c.article());
        for (ReadmeFormat format : {ReadmeFormat::BBCode, ReadmeFormat::Markdown}) {
            const QString path = kGoldenDir + u'/' + QLatin1String(c.file) + extension(format);
            const QByteArray bytes = renderReadmeUtf8(model, format);
            if (update)
                writeFileBytes(path, bytes);
            bool ok = false;
            EXPECT_EQ(bytes, readFileBytes(path, &ok)) << path.toStdString() << "\n" << visible(bytes);
            EXPECT_TRUE(ok) << path.toStdString();
            EXPECT_EQ(QString::fromUtf8(bytes), renderReadme(model, format));
            EXPECT_FALSE(bytes.startsWith("\xEF\xBB\xBF"));
        }
        const QByteArray markdown = renderReadmeUtf8(model, ReadmeFormat::Markdown);
        EXPECT_FALSE(markdown.contains('\r'));
        EXPECT_EQ(renderedLines(markdown), plainLines(model, false));
        const QByteArray bbcode = renderReadmeUtf8(model, ReadmeFormat::BBCode);
        EXPECT_EQ(bbcode.count("\r\n"), bbcode.count('\n'));
        EXPECT_EQ(forumLines(bbcode), plainLines(model, true));
    }
}

TEST(Export, TheWebAddressIsALinkOnlyWhenItIsOne)
{
    const struct {
        const char *web;
        bool link;
    } cases[] = {
        {"http://", false},
        {"", false},
        {"https://example.org", true},
        {"www.example.org", false},
        {"http://a b", false},
        {"http://x/[1]", false},
        // Only web addresses, and none that could end the link early.
        {"HTTPS://Example.org/a_(b)?c=1&d=2#e", true},
        {"https://", false},
        {"javascript://x%0Aalert(1)", false},
        {"data://text/html,<b>x</b>", false},
        {"file:///etc/passwd", false},
        {"vbscript://x", false},
        {"ftp://example.org", false},
        {"http://a\"onmouseover=alert(1)", false},
        {"http://a'b", false},
        {"http://a/{b}", false},
        {"http://a\x1b[2J", false},
        {"http://a\x7f", false},
        {"http://a\xc2\x85"
         "b",
         false},
        {"http://a\tb", false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.web);
        Article a;
        a.web = QString::fromUtf8(c.web);
        const ReadmeModel model = modelOf(a);
        EXPECT_EQ(renderReadme(model, ReadmeFormat::BBCode)
                      .contains(QStringLiteral("Web: [url]") + a.web + "[/url]\r\n"),
                  c.link);
        EXPECT_EQ(renderReadme(model, ReadmeFormat::Markdown).contains(QStringLiteral("Web: <") + a.web + ">\\\n"),
                  c.link);
    }
}

TEST(Export, PlainTextRendererIsCreatesText)
{
    for (const GoldenCase &c : kCases) {
        SCOPED_TRACE(c.file);
        const Article article = c.article();
        EXPECT_EQ(renderReadme(modelOf(article), ReadmeFormat::PlainText), createdReadme(article) + "\r\n");
    }
}

// A form in memory filled in and clicked through, with what a preview
// reads between the steps; Create must write the same as without it.
TEST(Export, ReadingTheModelChangesNothingCreateKeeps)
{
    using C = Control;
    const std::function<void(MemoryHarness &)> steps[] = {
        [](MemoryHarness &h) { h.userClick(C::SkypeAllowed); },
        [](MemoryHarness &h) { h.userType(C::Skype, QStringLiteral("raid.team")); },
        [](MemoryHarness &h) { h.userClick(C::InstallOwnDescription); },
        [](MemoryHarness &h) { h.userType(C::Installation, QStringLiteral("Own text")); },
        [](MemoryHarness &h) { h.userClick(C::AddonsUserDefined); },
        [](MemoryHarness &h) { h.userType(C::RequiredAddons, QStringLiteral("@CBA")); },
        [](MemoryHarness &h) { h.userClick(C::FeaturesAllowed); },
        [](MemoryHarness &h) { h.userClick(C::SkypeAllowed); },
        [](MemoryHarness &h) { h.userClick(C::InstallMPMission); },
    };
    QTemporaryDir dir;
    auto run = [&](bool preview) {
        MemoryHarness h;
        QStringList seen;
        for (const auto &step : steps) {
            step(h);
            if (preview) {
                for (ReadmeFormat format : kReadmeFormats)
                    seen << renderReadme(h.document().model(), format);
            }
        }
        const QString path = dir.filePath(preview ? QStringLiteral("with.txt") : QStringLiteral("without.txt"));
        h.dialog.chooseNext(path);
        h.document().create();
        return std::make_pair(readFileBytes(path), h.document().article());
    };
    EXPECT_EQ(run(true), run(false));
}

TEST(Export, SavesAskReportAndReplaceAtomically)
{
    QTemporaryDir dir;
    MemoryHarness h;
    h.userType(Control::Name, QStringLiteral("Přístav [x]"));
    ReadmeExporter exporter(h.document(), h.messages, h.files);
    const ReadmeModel model = h.document().model();

    // BBCode and Markdown: UTF-8, with the format's own filter, its
    // extension added to a name chosen without one, and whole sentences.
    const struct {
        ReadmeFormat format;
        const char *filter;
        const char *written;
        const char *message;
    } exports[] = {
        {ReadmeFormat::BBCode, "BBCode forum posts|*.bbcode.txt|All files|*", "bbcode.bbcode.txt",
         "BBCode file created successfully ..."},
        {ReadmeFormat::Markdown, "Markdown files|*.md|All files|*", "markdown.md",
         "Markdown file created successfully ..."},
    };
    for (const auto &e : exports) {
        h.messages.clear();
        h.dialog.chooseNext(dir.filePath(formatKey(e.format)));
        EXPECT_EQ(exporter.exportAs(e.format, h.dialog), ReadmeExporter::Outcome::Saved);
        EXPECT_EQ(h.dialog.filter(), QString::fromUtf8(e.filter));
        EXPECT_EQ(readFileBytes(dir.filePath(QString::fromUtf8(e.written))), renderReadmeUtf8(model, e.format));
        EXPECT_EQ(h.messages.prompts(), QStringList{QString::fromUtf8(e.message)});
    }

    // Plain text: the code page question exactly as Create asks it; "No"
    // writes "?" in the code page.
    h.messages.clear();
    h.dialog.chooseNext(dir.filePath(QStringLiteral("plain.txt")));
    h.messages.answerNext(MessageAnswer::No);
    EXPECT_EQ(exporter.exportAs(ReadmeFormat::PlainText, h.dialog), ReadmeExporter::Outcome::Saved);
    ASSERT_EQ(h.messages.shown().size(), 2);
    EXPECT_TRUE(h.messages.shown()[0].prompt.startsWith("The ReadMe contains characters that the windows-1252 code "
                                                        "page cannot hold:\r\nř (U+0159)"));
    EXPECT_EQ(h.messages.shown()[1].prompt, QStringLiteral("ReadMe file created successfully ..."));
    EXPECT_TRUE(
        readFileBytes(dir.filePath(QStringLiteral("plain.txt"))).startsWith("SP mission\t-\tP?\xEDstav [x]\r\n"));

    // Cancelled: nothing; a missing folder: the warning names the file.
    h.messages.clear();
    h.dialog.chooseNext(std::nullopt);
    EXPECT_EQ(exporter.exportAs(ReadmeFormat::Markdown, h.dialog), ReadmeExporter::Outcome::Cancelled);
    EXPECT_TRUE(h.messages.shown().isEmpty());
    const QString missing = dir.filePath(QStringLiteral("missing/post.txt"));
    h.dialog.chooseNext(missing);
    EXPECT_EQ(exporter.exportAs(ReadmeFormat::BBCode, h.dialog), ReadmeExporter::Outcome::Failed);
    ASSERT_EQ(h.messages.shown().size(), 1);
    EXPECT_TRUE(h.messages.shown()[0].prompt.startsWith("The BBCode file could not be saved to "
                                                        + QDir::toNativeSeparators(missing) + ":\r\n"));
    EXPECT_EQ(h.messages.shown()[0].icon, MessageIcon::Warning);
}

// Lines made of the pieces that CommonMark reads as markup, at random: the
// rendered page still shows the plain text's lines, and the forum the
// post's.
TEST(Export, RandomMarkupSurvivesCmarkAndTheForum)
{
    static const char *const tokens[] = {"- ",   "* ",    "1. ", "2. ",  "3) ",  "#",    "> ", "=", "---",
                                         "+ ",   "`",     "```", "~~~",  "*",    "_",    "[",  "]", "(x)",
                                         "<b>",  "&amp;", "\\",  "|",    "!",    "    ", "\t", " ", "a",
                                         "word", "1",     ".",   "\r\n", "\r\n", "\r\n", "\n", "\r"};
    std::mt19937 random(11);
    auto text = [&random] {
        QString out;
        const int n = std::uniform_int_distribution<int>(0, 24)(random);
        for (int i = 0; i < n; ++i)
            out += QString::fromLatin1(tokens[std::uniform_int_distribution<size_t>(0, std::size(tokens) - 1)(random)]);
        return out;
    };
    for (int round = 0; round < 300; ++round) {
        Article a;
        a.name = text();
        a.authors = text();
        a.web = text();
        a.other = text();
        a.requiredGame = text();
        a.description = text();
        a.features = text();
        a.credits = text();
        const ReadmeModel model = modelOf(a);
        SCOPED_TRACE(visible(plainText(model)));
        const QByteArray markdown = renderReadmeUtf8(model, ReadmeFormat::Markdown);
        ASSERT_EQ(visible(renderedLines(markdown).join(u'\n')), visible(plainLines(model, false).join(u'\n')))
            << visible(markdown);
        ASSERT_EQ(forumLines(renderReadmeUtf8(model, ReadmeFormat::BBCode)), plainLines(model, true));
    }
}

// Rendered chunk by chunk, an export is the same bytes as rendered whole:
// texts several chunks long, one line that long, and characters outside
// the Basic Multilingual Plane at every offset, so that some fall on a
// chunk's edge. A writer that stops taking chunks gets no more.
TEST(Export, ChunkedRenderingIsTheWholeTextAndStopsWhenTheWriterDoes)
{
    QString mixed;
    for (int i = 0; mixed.size() < 300 * 1024; ++i)
        mixed += QStringLiteral("- item [%1] *x* 😀\r\n1. Ω_%1 \\ `c` &amp;\r\n").arg(i);
    Article big;
    big.name = QStringLiteral("Big 😀 [x]");
    big.description = mixed;
    big.features = QString(200 * 1024, u'a') + QStringLiteral("😀") + QString(70 * 1024, u'*');
    big.credits = QStringLiteral("x") + QStringLiteral("😀").repeated(90 * 1024);
    const ReadmeModel models[] = {modelOf(workedExample()), modelOf(big)};
    for (const ReadmeModel &model : models) {
        for (ReadmeFormat format : kReadmeFormats) {
            SCOPED_TRACE(formatKey(format).toStdString());
            QByteArray joined;
            int chunks = 0;
            EXPECT_TRUE(renderReadmeUtf8(model, format, [&](QByteArrayView chunk) {
                EXPECT_LE(chunk.size(), 512 * 1024);
                joined += chunk;
                ++chunks;
                return true;
            }));
            const QByteArray whole = renderReadmeUtf8(model, format);
            EXPECT_EQ(joined, whole);
            EXPECT_EQ(whole, renderReadme(model, format).toUtf8());
            if (&model == &models[0])
                continue;
            EXPECT_GT(chunks, 10);
            int after = 0;
            EXPECT_FALSE(renderReadmeUtf8(model, format, [&after](QByteArrayView) {
                ++after;
                return false;
            }));
            EXPECT_EQ(after, 1);
        }
    }
}
