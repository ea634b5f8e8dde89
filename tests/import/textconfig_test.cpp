// SPDX-License-Identifier: MIT
// The text config syntax and its preprocessor: what is read, which line it
// was on, and what is refused (includes leaving the folder, loops, macros
// that cannot be expanded, syntax errors) with a note and the rest kept.

#include "configloader.h"
#include "contentsource.h"
#include "gamefiles.h"
#include "textconfig.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace kestrin::import;
using namespace kestrin::testing;

namespace {

ConfigParse parse(const QByteArray &text)
{
    return parseTextConfig(text, SourceRef{QStringLiteral("test.cpp"), {}, 0});
}

QString valueOf(const ConfigClass &root, QStringView path)
{
    // "A/B/name": classes, then a value (an array's items joined by "|").
    const QList<QStringView> parts = path.split(u'/');
    const ConfigClass *at = &root;
    for (qsizetype i = 0; i + 1 < parts.size(); ++i) {
        at = at->findClass(parts[i]);
        if (!at)
            return QStringLiteral("<no class>");
    }
    const ConfigEntry *entry = at->findValue(parts.last());
    if (!entry)
        return QStringLiteral("<none>");
    return entry->value.kind == ConfigValue::Array ? entry->value.texts().join(QLatin1Char('|')) : entry->value.text;
}

QStringList noteTexts(const ImportNotes &notes)
{
    QStringList out;
    for (const ImportNote &n : notes)
        out.append(QStringLiteral("%1: %2").arg(n.where.line).arg(n.text));
    return out;
}

} // namespace

TEST(TextConfig, ReadsValuesOfEveryKind)
{
    const struct {
        const char *name;
        QByteArray text;
        const char16_t *path;
        QString expected;
    } cases[] = {
        {"string", "a = \"text\";", u"a", QStringLiteral("text")},
        {"doubled quotes", "a = \"say \"\"hi\"\"\";", u"a", QStringLiteral("say \"hi\"")},
        {"single quotes", "a = 'it''s';", u"a", QStringLiteral("it's")},
        {"integer", "a = 42;", u"a", QStringLiteral("42")},
        {"negative float", "a = -1.5e-3;", u"a", QStringLiteral("-1.5e-3")},
        {"hex", "a = 0x1F;", u"a", QStringLiteral("0x1F")},
        {"bare word", "gameType = COOP;", u"gameType", QStringLiteral("COOP")},
        {"expression", "a = 1 + 2;", u"a", QStringLiteral("1 + 2")},
        {"array", "a[] = {\"x\", 2, y};", u"a", QStringLiteral("x|2|y")},
        {"nested array", "a[] = {{1,2},{\"b\"}};", u"a", QStringLiteral("1|2|b")},
        {"trailing comma", "a[] = {1,2,};", u"a", QStringLiteral("1|2")},
        {"empty array", "a[] = {};", u"a", QString()},
        {"array +=", "a[] += {\"x\"};", u"a", QStringLiteral("x")},
        {"line comment", "// a = 1;\na = 2; // three", u"a", QStringLiteral("2")},
        {"block comment", "/* a = 1;\n */ a = 2;", u"a", QStringLiteral("2")},
        {"class and inner value", "class A { class B { v = \"in\"; }; };", u"A/B/v", QStringLiteral("in")},
        {"case of names ignored", "class Mission { Addons[] = {\"x\"}; };", u"mission/ADDONS", QStringLiteral("x")},
        {"missing semicolon before brace", "class A { v = 1 };", u"A/v", QStringLiteral("1")},
        {"byte-order mark", "\xEF\xBB\xBFv = 3;", u"v", QStringLiteral("3")},
        {"UTF-8 text", "v = \"\xC4\x8D\";", u"v", QString(QChar(0x10D))},
        {"Windows-1252 text", "v = \"caf\xE9\";", u"v", QStringLiteral("caf\u00e9")},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const ConfigParse p = parse(c.text);
        EXPECT_EQ(valueOf(p.root, QStringView(c.path)), c.expected);
        EXPECT_TRUE(p.notes.isEmpty()) << noteTexts(p.notes).join(QLatin1Char('\n')).toStdString();
    }
}

TEST(TextConfig, ClassesKeepBaseDeclarationsAndLines)
{
    const ConfigParse p = parse("\n\nclass Car;\nclass Truck: Car\n{\n\tspeed = 90;\n};\ndelete Old;\n");
    ASSERT_EQ(p.root.classes.size(), 3u);
    EXPECT_TRUE(p.root.classes[0].declarationOnly);
    const ConfigClass *truck = p.root.findClass(u"truck");
    ASSERT_NE(truck, nullptr);
    EXPECT_EQ(truck->base, QStringLiteral("Car"));
    EXPECT_EQ(truck->where.line, 4);
    EXPECT_EQ(truck->findValue(u"speed")->where.line, 6);
    EXPECT_TRUE(p.root.classes[2].declarationOnly);
}

TEST(TextConfig, MacrosAndConditionals)
{
    const struct {
        const char *name;
        QByteArray text;
        const char16_t *path;
        QString expected;
        int notes;
    } cases[] = {
        {"object-like macro", "#define NAME \"Escape\"\nonLoadName = NAME;", u"onLoadName", QStringLiteral("Escape"),
         0},
        {"macro in a class name", "#define ADDON kst_main\nclass ADDON { v = 1; };", u"kst_main/v", QStringLiteral("1"),
         0},
        {"macro with arguments", "#define Q(x) #x\nname = Q(abc);\nv = 2;", u"name", QStringLiteral("<none>"), 1},
        {"the rest stays after a macro", "name = QUOTE(abc);\nv = 2;", u"v", QStringLiteral("2"), 1},
        {"__EVAL", "v = __EVAL(1+1);\nw = 1;", u"w", QStringLiteral("1"), 1},
        {"self-referencing macro", "#define A A\nv = A;", u"v", QStringLiteral("A"), 0},
        {"mutually recursive macros", "#define A B\n#define B A\nv = A;", u"v", QStringLiteral("A"), 0},
        {"ifdef taken", "#define X\n#ifdef X\nv = 1;\n#else\nv = 2;\n#endif", u"v", QStringLiteral("1"), 0},
        {"ifdef not taken", "#ifdef X\nv = 1;\n#else\nv = 2;\n#endif", u"v", QStringLiteral("2"), 0},
        {"ifndef", "#ifndef X\nv = 1;\n#endif\nw = 3;", u"w", QStringLiteral("3"), 0},
        {"#if is skipped", "#if 1\nv = 1;\n#else\nv = 2;\n#endif\nw = 3;", u"v", QStringLiteral("<none>"), 1},
        {"undef", "#define X 1\n#undef X\nv = X;", u"v", QStringLiteral("X"), 0},
        {"define with continued line", "#define L \\\n  5\nv = L;", u"v", QStringLiteral("5"), 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const ConfigParse p = parse(c.text);
        EXPECT_EQ(valueOf(p.root, QStringView(c.path)), c.expected);
        EXPECT_EQ(p.notes.size(), c.notes) << noteTexts(p.notes).join(QLatin1Char('\n')).toStdString();
    }
}

TEST(TextConfig, SyntaxErrorsGiveANoteWithTheLineAndTheRestIsRead)
{
    const struct {
        const char *name;
        QByteArray text;
        int line;
    } cases[] = {
        {"stray brace", "a = 1;\n};\nb = 2;", 2},
        {"value without =", "a = 1;\nx 5;\nb = 2;", 2},
        {"unclosed string", "a = 1;\nc = \"open;\nb = 2;", 2},
        {"array without braces", "a = 1;\nc[] = 5;\nb = 2;", 2},
        {"class without name", "a = 1;\nclass { };\nb = 2;", 2},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const ConfigParse p = parse(c.text);
        ASSERT_FALSE(p.notes.isEmpty());
        EXPECT_EQ(p.notes.first().where.line, c.line) << noteTexts(p.notes).join(QLatin1Char('\n')).toStdString();
        EXPECT_EQ(valueOf(p.root, u"a"), QStringLiteral("1"));
        EXPECT_EQ(valueOf(p.root, u"b"), QStringLiteral("2"));
    }
}

TEST(TextConfig, NestingIsBounded)
{
    QByteArray classes;
    QByteArray arrays = "v[] = ";
    for (int i = 0; i < 5000; ++i) {
        classes += "class C { ";
        arrays += "{";
    }
    for (int i = 0; i < 5000; ++i) {
        classes += "}; ";
        arrays += "}";
    }
    for (const QByteArray &text : {classes + "after = 1;", arrays + ";\nafter = 1;"}) {
        const ConfigParse p = parse(text);
        EXPECT_FALSE(p.notes.isEmpty());
        EXPECT_EQ(valueOf(p.root, u"after"), QStringLiteral("1"));
    }
}

class IncludeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        root = dir.filePath(QStringLiteral("mission"));
        writeFile(root + QLatin1String("/secret.txt"), "outside");
        writeFile(dir.filePath(QStringLiteral("outside.hpp")), "stolen = 1;");
    }
    ConfigParse load(const QByteArray &main, const QList<QPair<QString, QByteArray>> &others = {},
                     const TextConfigLimits &limits = {})
    {
        writeFile(root + QLatin1String("/description.ext"), main);
        for (const auto &[name, text] : others)
            writeFile(root + QLatin1Char('/') + name, text);
        FolderSource source(root, QString());
        ImportNotes notes;
        auto parse = loadConfig(source, QStringLiteral("description.ext"), notes, {}, limits);
        EXPECT_TRUE(parse);
        return parse.value_or(ConfigParse{});
    }
    QTemporaryDir dir;
    QString root;
};

TEST_F(IncludeTest, FollowsIncludesInsideTheFolder)
{
    const ConfigParse p = load("#include \"cfg\\header.hpp\"\nafter = 2;\n",
                               {{QStringLiteral("cfg/header.hpp"), "\nauthor = \"Kes\";\n#include \"..\\more.hpp\"\n"},
                                {QStringLiteral("more.hpp"), "more = 1;\n"}});
    EXPECT_TRUE(p.notes.isEmpty()) << noteTexts(p.notes).join(QLatin1Char('\n')).toStdString();
    const ConfigEntry *author = p.root.findValue(u"author");
    ASSERT_NE(author, nullptr);
    EXPECT_EQ(author->value.text, QStringLiteral("Kes"));
    EXPECT_EQ(author->where.file, QStringLiteral("cfg/header.hpp"));
    EXPECT_EQ(author->where.line, 2);
    EXPECT_EQ(valueOf(p.root, u"more"), QStringLiteral("1"));
    EXPECT_EQ(p.root.findValue(u"after")->where.line, 2);
}

TEST_F(IncludeTest, RefusesWhatLeavesTheFolderAndLoops)
{
    const struct {
        const char *name;
        QByteArray main;
        QList<QPair<QString, QByteArray>> others;
    } cases[] = {
        {"parent folder", "#include \"..\\outside.hpp\"\nafter = 1;", {}},
        {"absolute game path", "#include \"\\x\\cba\\addons\\main\\script_macros.hpp\"\nafter = 1;", {}},
        {"absolute file path", "#include \"/etc/passwd\"\nafter = 1;", {}},
        {"drive letter", "#include \"C:\\secret.hpp\"\nafter = 1;", {}},
        {"missing file", "#include \"none.hpp\"\nafter = 1;", {}},
        {"includes itself", "#include \"description.ext\"\nafter = 1;", {}},
        {"loop of two",
         "#include \"a.hpp\"\nafter = 1;",
         {{QStringLiteral("a.hpp"), "#include \"b.hpp\"\n"}, {QStringLiteral("b.hpp"), "#include \"a.hpp\"\n"}}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const ConfigParse p = load(c.main, c.others);
        EXPECT_EQ(p.notes.size(), 1) << noteTexts(p.notes).join(QLatin1Char('\n')).toStdString();
        EXPECT_EQ(valueOf(p.root, u"after"), QStringLiteral("1"));
        EXPECT_EQ(p.root.findValue(u"stolen"), nullptr);
    }
}

TEST_F(IncludeTest, LinkLeadingOutIsRefused)
{
    ASSERT_TRUE(QFile::link(dir.filePath(QStringLiteral("outside.hpp")), root + QLatin1String("/link.hpp")));
    const ConfigParse p = load("#include \"link.hpp\"\nafter = 1;");
    EXPECT_EQ(p.notes.size(), 1);
    EXPECT_EQ(p.root.findValue(u"stolen"), nullptr);
}

TEST_F(IncludeTest, DepthAndFanOutAreBounded)
{
    // A chain 20 deep, and a file included 16 times by each of 8 levels
    // (16^8 copies if nothing stopped it).
    QList<QPair<QString, QByteArray>> chain;
    for (int i = 0; i < 20; ++i)
        chain.append({QStringLiteral("c%1.hpp").arg(i), QStringLiteral("#include \"c%1.hpp\"\n").arg(i + 1).toUtf8()});
    const ConfigParse deep = load("#include \"c0.hpp\"\nafter = 1;", chain);
    EXPECT_FALSE(deep.notes.isEmpty());
    EXPECT_EQ(valueOf(deep.root, u"after"), QStringLiteral("1"));

    QList<QPair<QString, QByteArray>> fan;
    for (int level = 0; level < 8; ++level) {
        QByteArray text = QByteArray(4096, ' ') + "\n";
        for (int k = 0; k < 16; ++k)
            text += QStringLiteral("#include \"f%1.hpp\"\n").arg(level + 1).toUtf8();
        fan.append({QStringLiteral("f%1.hpp").arg(level), text});
    }
    fan.append({QStringLiteral("f8.hpp"), "x = 1;\n"});
    // A bound of 1 MB instead of the usual 64 MB is reached the same way, sooner.
    TextConfigLimits limits;
    limits.maxTotalBytes = 1024 * 1024;
    const ConfigParse wide = load("#include \"f0.hpp\"\nafter = 1;", fan, limits);
    EXPECT_FALSE(wide.notes.isEmpty());
    EXPECT_EQ(valueOf(wide.root, u"after"), QStringLiteral("1"));
}

TEST(TextConfig, ClassesNotWantedAreSkippedWithoutLosingTheRest)
{
    // Groups is not wanted: its content is passed over, also when it holds
    // strings with braces, comments, a directive or an unclosed text; what
    // follows keeps its line.
    const struct {
        const char *name;
        QByteArray groups;
        int notes;
    } cases[] = {
        {"plain", "class Item0 { side = \"WEST\"; };", 0},
        {"braces in texts and comments", "init = \"{ }}\"; // }\n/* } */ x[] = {{1},{2}};", 0},
        {"a directive inside", "\n#define SIDE \"EAST\"\nside = SIDE;\n", 0},
        {"an unclosed text", "init = \"this {\nx = 1;", 1},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const QByteArray text = "class Mission\n{\n\tclass Groups\n\t{\n" + c.groups
                                + "\n\t};\n\tclass Intel { name = \"x\"; };\n};\nafter = 1;\n";
        const ConfigParse p =
            parseTextConfig(text, SourceRef{QStringLiteral("mission.sqm"), {}, 0}, {}, {},
                            [](const QStringList &path) { return path.last() != QLatin1String("Groups"); });
        EXPECT_EQ(p.notes.size(), c.notes) << noteTexts(p.notes).join(QLatin1Char('\n')).toStdString();
        const ConfigClass *groups = p.root.findPath({u"Mission", u"Groups"});
        ASSERT_NE(groups, nullptr);
        EXPECT_TRUE(groups->values.empty() && groups->classes.empty());
        EXPECT_EQ(valueOf(p.root, u"Mission/Intel/name"), QStringLiteral("x"));
        const ConfigEntry *after = p.root.findValue(u"after");
        ASSERT_NE(after, nullptr);
        EXPECT_EQ(after->where.line, int(text.left(text.indexOf("after")).count('\n')) + 1);
    }
}

TEST(TextConfig, ContinuedDirectiveLinesCountOnlyRealLineBreaks)
{
    // A backslash joins the next line only before LF or CR LF; a lone CR is
    // no line break, so the value after it stays on the line it is on.
    const struct {
        const char *name;
        QByteArray text;
        int line;
    } cases[] = {
        {"backslash LF", "#define A 1 \\\n 2\nafter = 1;", 3},
        {"backslash CR LF", "#define A 1 \\\r\n 2\r\nafter = 1;", 3},
        {"backslash lone CR", "#define A 1 \\\r 2\nafter = 1;", 2},
        {"backslash lone CRs in an include", "#include \"\r\\\r\r\"\nafter = 1;", 2},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const ConfigParse p = parse(c.text);
        const ConfigEntry *after = p.root.findValue(u"after");
        ASSERT_NE(after, nullptr) << noteTexts(p.notes).join(QLatin1Char('\n')).toStdString();
        EXPECT_EQ(after->where.line, c.line);
    }
}
