// SPDX-License-Identifier: MIT
// The article file in-process: what the reader makes of each key, where it
// places problems, the writer's layout, and the round trips file -> article
// -> file and form -> article -> form.
#include "article.h"
#include "articlefields.h"
#include "articleform.h"
#include "articlereader.h"
#include "articles.h"
#include "articlewriter.h"
#include "clitestsupport.h"
#include "golden.h"
#include "memoryharness.h"
#include "plaintextrenderer.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include <functional>

using namespace kestrin;

namespace {

const QString kOwnPrompt = QStringLiteral("Write here your own installation description ...");

ArticleReadResult read(const QByteArray &json, const QList<ArticleOverride> &overrides = {})
{
    return readArticle(json, overrides);
}

std::string problems(const ArticleReadResult &r)
{
    std::string out;
    for (const ArticleProblem &p : r.problems)
        out += std::to_string(p.line) + ":" + std::to_string(p.column) + " [" + std::to_string(p.overrideIndex) + "] "
               + p.message.toStdString() + "\n";
    return out;
}

} // namespace

TEST(ArticleRead, EveryKeyReachesItsField)
{
    const ArticleReadResult r = read(R"({
        "$schema": "article.schema.json",
        "formatVersion": 1,
        "kind": "Addon",
        "name": "Name",
        "version": "2.0",
        "authors": ["A", "B"],
        "releaseDate": "today",
        "contacts": {"web": "http://x", "email": "a@b", "skype": "", "icq": null, "other": "o1\no2"},
        "requiredGame": "1.62",
        "requiredAddons": "@CBA\r\n@ACE",
        "installation": {"kind": "Mod"},
        "description": "d",
        "features": "f",
        "changelog": null,
        "notes": ["n1", "", "n3\n"],
        "credits": "c"
    })");
    ASSERT_TRUE(r.ok()) << problems(r);
    Article e;
    e.kind = QStringLiteral("Addon");
    e.name = QStringLiteral("Name");
    e.version = QStringLiteral("2.0");
    e.authors = joinedLines({"A", "B"});
    e.releaseDate = QStringLiteral("today");
    e.web = QStringLiteral("http://x");
    e.email = QStringLiteral("a@b");
    e.skype = QString();
    e.other = joinedLines({"o1", "o2"});
    e.requiredGame = QStringLiteral("1.62");
    e.requiredAddons = joinedLines({"@CBA", "@ACE"});
    e.installation = InstallationKind::Mod;
    e.description = QStringLiteral("d");
    e.features = QStringLiteral("f");
    e.notes = joinedLines({"n1", "", "n3", ""});
    e.credits = QStringLiteral("c");
    EXPECT_EQ(r.article, e);
}

TEST(ArticleRead, AbsentOrNullValuesAreTheStartTexts)
{
    for (const char *json : {"{}", "\xEF\xBB\xBF{}",
                             R"({"kind": null, "name": null, "contacts": null, "installation": null,
                                 "requiredAddons": null, "features": null, "credits": null, "formatVersion": null})",
                             R"({"contacts": {"web": null, "email": null, "skype": null}, "installation": {}})"}) {
        const ArticleReadResult r = read(json);
        ASSERT_TRUE(r.ok()) << json << "\n" << problems(r);
        EXPECT_EQ(r.article, Article{}) << json;
        EXPECT_EQ(r.article.web, QStringLiteral("http://"));
        EXPECT_EQ(r.article.email, QStringLiteral("@"));
        EXPECT_EQ(r.article.kind, QStringLiteral("SP mission"));
        EXPECT_FALSE(r.article.installation.has_value());
    }
}

TEST(ArticleRead, InstallationKindAndText)
{
    struct Row {
        const char *json;
        std::optional<InstallationKind> kind;
        QString text;
    };
    const Row rows[] = {
        {R"({"installation": {"kind": "SP mission"}})", InstallationKind::SPMission, {}},
        {R"({"installation": {"kind": "MP mission", "text": null}})", InstallationKind::MPMission, {}},
        {R"({"installation": {"kind": "Addon"}})", InstallationKind::Addon, {}},
        {R"({"installation": {"kind": "Mod"}})", InstallationKind::Mod, {}},
        // The own description without a text is what the window shows when
        // the option is chosen.
        {R"({"installation": {"kind": "Own description"}})", InstallationKind::OwnDescription, kOwnPrompt},
        {R"({"installation": {"kind": "Own description", "text": ""}})", InstallationKind::OwnDescription, {}},
        // A text alone is an own description.
        {R"({"installation": {"text": ["a", "b"]}})", InstallationKind::OwnDescription, joinedLines({"a", "b"})},
        {R"({"installation": {"kind": null, "text": "x"}})", InstallationKind::OwnDescription, QStringLiteral("x")},
        {R"({"installation": {"kind": null}})", std::nullopt, {}},
    };
    for (const Row &row : rows) {
        const ArticleReadResult r = read(row.json);
        ASSERT_TRUE(r.ok()) << row.json << "\n" << problems(r);
        EXPECT_EQ(r.article.installation, row.kind) << row.json;
        EXPECT_EQ(r.article.installationText, row.text) << row.json;
    }
}

TEST(ArticleRead, LineBreaksBecomeCrLfAndNothingElseChanges)
{
    struct Row {
        const char *value; // JSON
        QString text;
    };
    const Row rows[] = {
        {R"("a\nb")", joinedLines({"a", "b"})},
        {R"("a\r\nb")", joinedLines({"a", "b"})},
        {R"("a\n\r\nb\n")", joinedLines({"a", "", "b", ""})},
        {R"("\n")", joinedLines({"", ""})},
        {R"("a\rb")", QStringLiteral("a\rb")}, // a lone CR is no line break
        {R"(["a", "b"])", joinedLines({"a", "b"})},
        {R"(["a\nb", "c"])", joinedLines({"a", "b", "c"})},
        {R"(["", ""])", joinedLines({"", ""})},
        {R"([])", QString()},
        {R"("  both ends\t ")", QStringLiteral("  both ends\t ")},
        {R"("\u00e9\ud83d\ude00")", QStringLiteral("é😀")},
    };
    for (const Row &row : rows) {
        const QByteArray json = QByteArray(R"({"description": )") + row.value + "}";
        const ArticleReadResult r = read(json);
        ASSERT_TRUE(r.ok()) << row.value << "\n" << problems(r);
        EXPECT_EQ(r.article.description, row.text) << row.value;
    }
}

TEST(ArticleRead, OverridesReplaceAddAndRemoveKeys)
{
    const QByteArray file = R"({"version": "1.0", "contacts": {"skype": "s"}, "features": "f",
                                 "requiredAddons": "@CBA"})";
    struct Row {
        QList<ArticleOverride> overrides;
        std::function<void(Article &)> expect;
    };
    const Row rows[] = {
        {{{QStringLiteral("version"), QStringLiteral("1.1")}}, [](Article &a) { a.version = QStringLiteral("1.1"); }},
        {{{QStringLiteral("contacts.icq"), QStringLiteral("123")}}, [](Article &a) { a.icq = QStringLiteral("123"); }},
        {{{QStringLiteral("contacts.skype"), std::nullopt}}, [](Article &a) { a.skype.reset(); }},
        {{{QStringLiteral("features"), std::nullopt}}, [](Article &a) { a.features.reset(); }},
        {{{QStringLiteral("requiredAddons"), std::nullopt}}, [](Article &a) { a.requiredAddons.reset(); }},
        {{{QStringLiteral("changelog"), QStringLiteral("x\ny")}},
         [](Article &a) {
             a.changelog = joinedLines({"x", "y"});
         }},
        {{{QStringLiteral("version"), std::nullopt}}, [](Article &a) { a.version.clear(); }},
        {{{QStringLiteral("installation.kind"), QStringLiteral("Addon")}},
         [](Article &a) { a.installation = InstallationKind::Addon; }},
        {{{QStringLiteral("installation.text"), QStringLiteral("own")}},
         [](Article &a) {
             a.installation = InstallationKind::OwnDescription;
             a.installationText = QStringLiteral("own");
         }},
        // The later of two overrides of one key counts.
        {{{QStringLiteral("version"), QStringLiteral("2")}, {QStringLiteral("version"), std::nullopt}},
         [](Article &a) { a.version.clear(); }},
        {{{QStringLiteral("version"), std::nullopt}, {QStringLiteral("version"), QStringLiteral("3")}},
         [](Article &a) { a.version = QStringLiteral("3"); }},
    };
    const ArticleReadResult base = read(file);
    ASSERT_TRUE(base.ok()) << problems(base);
    for (const Row &row : rows) {
        const ArticleReadResult r = read(file, row.overrides);
        ASSERT_TRUE(r.ok()) << row.overrides.first().key.toStdString() << "\n" << problems(r);
        Article expected = base.article;
        row.expect(expected);
        EXPECT_EQ(r.article, expected) << row.overrides.first().key.toStdString();
    }
}

TEST(ArticleRead, ProblemsOfAnOverrideNameTheOverrideNotTheFile)
{
    const ArticleReadResult r =
        read(R"({"kind": "Bogus", "name": 5})", {{QStringLiteral("name"), QStringLiteral("ok")},
                                                 {QStringLiteral("installation.kind"), QStringLiteral("Tank")},
                                                 {QStringLiteral("contacts"), QStringLiteral("x")}});
    EXPECT_EQ(problems(r),
              "1:10 [-1] unknown article kind \"Bogus\"; the article kinds are \"SP mission\", \"MP mission\", "
              "\"Addon\" and \"Mod\"\n"
              "0:0 [1] unknown installation kind \"Tank\"; the installation kinds are \"SP mission\", \"MP mission\", "
              "\"Addon\", \"Mod\" and \"Own description\"\n"
              "0:0 [2] \"contacts\" is a group of keys; give one of \"contacts.web\", \"contacts.email\", "
              "\"contacts.skype\", \"contacts.icq\" or \"contacts.other\"\n");
}

TEST(ArticleWrite, LayoutOfTheFile)
{
    Article a;
    a.kind = QStringLiteral("MP mission");
    a.name = QStringLiteral("Tab\tand \"quote\" and \\ and \x01");
    a.skype = QString();
    a.installation = InstallationKind::Addon;
    a.installationText = QStringLiteral("ignored for a template kind");
    a.description = joinedLines({"one", "two"});
    a.notes = QStringLiteral("ż");
    EXPECT_EQ(writeArticleJson(a).toStdString(), R"({
    "formatVersion": 1,
    "kind": "MP mission",
    "name": "Tab\tand \"quote\" and \\ and \u0001",
    "version": "",
    "authors": "",
    "releaseDate": "",
    "contacts": {
        "web": "http://",
        "email": "@",
        "skype": ""
    },
    "requiredGame": "",
    "installation": {
        "kind": "Addon"
    },
    "description": [
        "one",
        "two"
    ],
    "notes": "ż",
    "credits": ""
}
)");
}

TEST(ArticleWrite, RoundTripKeepsEveryArticle)
{
    Article withoutInstallation = fullArticle();
    withoutInstallation.installation.reset();
    withoutInstallation.installationText.clear();
    QList<Article> articles{Article{}, fullArticle(), withoutInstallation};
    articles << articlePerKind();
    Article odd;
    odd.name = QStringLiteral("cr\ralone, nul ") + QChar(0) + QStringLiteral(" and del \x7f");
    odd.description = joinedLines({"", "", ""});
    odd.credits = QStringLiteral("\t\u2028 line separator");
    articles << odd;
    // U+FEFF (zero width no-break space, as pasted from a file with a
    // byte-order mark) opening a text and a line of one.
    Article zeroWidth;
    zeroWidth.name = QChar(0xFEFF) + QStringLiteral("Harbour Raid");
    zeroWidth.description = QStringLiteral("a\r\n") + QChar(0xFEFF) + QStringLiteral("b");
    articles << zeroWidth;

    for (const Article &a : articles) {
        const QByteArray json = writeArticleJson(a);
        QJsonParseError error;
        QJsonDocument::fromJson(json, &error);
        EXPECT_EQ(error.error, QJsonParseError::NoError) << json.toStdString();
        const ArticleReadResult r = read(json);
        ASSERT_TRUE(r.ok()) << json.toStdString() << problems(r);
        EXPECT_EQ(r.article, a) << json.toStdString();
        EXPECT_EQ(writeArticleJson(r.article), json);
    }
}

namespace {

struct FormScript {
    const char *name;
    std::function<void(MemoryHarness &)> run;
    bool choosesInstallation; // false: the start section ("Arma 2") stays
};

const QList<FormScript> &formScripts()
{
    using C = Control;
    static const QList<FormScript> scripts{
        {"untouched", [](MemoryHarness &) {}, false},
        {"worked example",
         [](MemoryHarness &u) {
             u.userPickArticle(QStringLiteral("MP mission"));
             u.userType(C::Name, QStringLiteral("Harbour Raid"));
             u.userType(C::Version, QStringLiteral("1.2"));
             u.userClick(C::SkypeAllowed);
             u.userType(C::Skype, QStringLiteral("raid.team"));
             u.userClick(C::OtherContactAllowed);
             u.userType(C::OtherContact, QStringLiteral("forum PM to Raid Team"));
             u.userClick(C::InstallOwnDescription);
             u.userType(C::Installation, QStringLiteral("Copy the mission file into your MPMissions folder."));
             u.userType(C::Description, joinedLines({"Take the harbour before dawn.", "Up to 8 players."}));
             u.userClick(C::FeaturesAllowed);
             u.userType(C::Features, joinedLines({"- night assault", "- random enemy patrols"}));
             u.userClick(C::NotesAllowed);
             u.userType(C::Notes, QStringLiteral("Tested on dedicated server."));
         },
         true},
        {"every switch on, empty fields",
         [](MemoryHarness &u) {
             for (const AllowSwitch &s : kAllowSwitches)
                 u.userClick(s.check);
             u.userClick(C::AddonsUserDefined);
             u.userClick(C::InstallAddon);
         },
         true},
        {"user defined addons, mod",
         [](MemoryHarness &u) {
             u.userPickArticle(QStringLiteral("Mod"));
             u.userClick(C::AddonsUserDefined);
             u.userType(C::RequiredAddons, joinedLines({"@CBA", "@ACE", ""}));
             u.userClick(C::InstallMod);
             u.userClick(C::IcqAllowed);
             u.userType(C::Icq, QStringLiteral("123456"));
             u.userClick(C::ChangelogAllowed);
             u.userType(C::Changelog, joinedLines({"1.1: fixed", "1.0: first"}));
             u.userType(C::Credits, QStringLiteral("  Thanks  "));
         },
         true},
        {"own description left with the prompt, then SP again",
         [](MemoryHarness &u) {
             u.userClick(C::InstallOwnDescription);
             u.userClick(C::InstallMPMission);
             u.userClick(C::InstallSPMission);
             u.userPickArticle(QStringLiteral("Addon"));
         },
         true},
        {"own description without typing", [](MemoryHarness &u) { u.userClick(C::InstallOwnDescription); }, true},
    };
    return scripts;
}

} // namespace

TEST(ArticleForm, FormToArticleToFormKeepsTheForm)
{
    for (const FormScript &script : formScripts()) {
        MemoryHarness original;
        script.run(original);
        const Article article = articleFromForm(original.form());

        MemoryHarness copy;
        applyArticle(article, copy.form());
        if (!script.choosesInstallation) {
            // The file names SP mission, so the copy has the option's
            // notice where a new window shows its design text.
            EXPECT_EQ(copy.form().text(Control::Installation),
                      QStringLiteral("Installation instructions for SP missions will be loaded automatically ..."));
            copy.form().setText(Control::Installation, original.form().text(Control::Installation));
        }
        EXPECT_EQ(formState(copy.form()).toStdString(), formState(original.form()).toStdString()) << script.name;
        EXPECT_EQ(articleFromForm(copy.form()), article) << script.name;
        if (script.choosesInstallation) {
            EXPECT_EQ(plainText(copy.document().model()).toStdString(),
                      plainText(original.document().model()).toStdString())
                << script.name;
        }
        // Through the file as well.
        const ArticleReadResult r = read(writeArticleJson(article));
        ASSERT_TRUE(r.ok()) << problems(r);
        EXPECT_EQ(r.article, article) << script.name;
    }
}

TEST(ArticleForm, ApplyingToAFormInAnyStateGivesTheSameForm)
{
    // A form that has been used: switches on, texts typed, other kinds.
    auto dirty = [](MemoryHarness &u) {
        for (const FormScript &script : formScripts())
            script.run(u);
        u.userClick(Control::AddonsUserDefined);
        u.userType(Control::RequiredAddons, QStringLiteral("left over"));
        u.userType(Control::Skype, QStringLiteral("left over"));
    };
    QList<Article> articles(3);
    articles[0].installation = InstallationKind::SPMission;
    articles[1] = fullArticle();
    articles[2].installation = InstallationKind::Addon;
    articles[2].requiredAddons = QStringLiteral("@X");
    for (const Article &a : std::as_const(articles)) {
        MemoryHarness fresh;
        applyArticle(a, fresh.form());
        MemoryHarness used;
        dirty(used);
        applyArticle(a, used.form());
        EXPECT_EQ(formState(used.form()).toStdString(), formState(fresh.form()).toStdString());
        EXPECT_EQ(plainText(used.document().model()).toStdString(), plainText(fresh.document().model()).toStdString());
    }
}

TEST(ArticleForm, TemplateKindsGiveTheTemplatesTheirHandlersStore)
{
    // Even SP mission, which a new window has selected already: the file
    // asks for the template, so the option's handler stores it.
    struct Row {
        InstallationKind kind;
        QStringList section;
    };
    const Row rows[] = {
        {InstallationKind::SPMission, golden::spInstallation("ArmA 2")},
        {InstallationKind::MPMission, golden::mpInstallation()},
        {InstallationKind::Addon, golden::addonInstallation()},
        {InstallationKind::Mod, golden::modInstallation()},
    };
    for (const Row &row : rows) {
        Article a;
        a.installation = row.kind;
        EXPECT_TRUE(createdReadme(a).contains(crlfLines(row.section))) << int(row.kind);
    }
    // Without an installation the ReadMe is that of a new window, also on
    // a window whose SP mission option has stored its template.
    EXPECT_TRUE(createdReadme(Article{}).contains(crlfLines(golden::spInstallation("Arma 2"))));
    MemoryHarness used;
    used.userClick(Control::InstallMPMission);
    used.userClick(Control::InstallSPMission);
    used.document().applyArticle(Article{});
    EXPECT_TRUE(used.document().article().hasStartInstallation());
    EXPECT_TRUE(plainText(used.document().model()).contains(crlfLines(golden::spInstallation("Arma 2"))));
    used.userClick(Control::InstallMod);
    used.document().applyArticle(Article{});
    EXPECT_TRUE(used.document().article().hasStartInstallation());
}

TEST(ArticleSource, PlacesOfKeysAndValues)
{
    // Each problem's place: the key for a wrong type or an unknown key, the
    // value for an unknown kind or a line of a text.
    struct Row {
        const char *json;
        const char *places;
    };
    const Row rows[] = {
        {R"({"a": 1})", "1:2"},
        // Columns count characters, not bytes.
        {R"({"ż": "ł", "kind": "x"})", "1:2 1:20"},
        {"{\r\n  \"description\": [\"a\",\r\n\t2]}", "3:2"},
        {"{\n\"contacts\": {\"skype\": 1,\n  \"ẞ\": 2}}", "2:14 3:3"},
        // A key inside a string is no key.
        {R"({"name": "{\"kind\": [", "kind": {"w": null}})", "1:26"},
        {R"({"\u0061b": true})", "1:2"},
        {R"({"c": {"d": {"e": {"f": 1}}}, "name": 0})", "1:2 1:31"},
        // A bad line of the own text is the one problem of the installation.
        {R"({"installation": {"kind": "Mod", "text": [1]}})", "1:43"},
    };
    for (const Row &row : rows) {
        QStringList places;
        for (const ArticleProblem &p : read(row.json).problems)
            places << QStringLiteral("%1:%2").arg(p.line).arg(p.column);
        EXPECT_EQ(places.join(QLatin1Char(' ')).toStdString(), row.places) << row.json;
    }
}

namespace {

// Every property name of the schema, as dotted paths.
void schemaKeys(const QJsonObject &schema, const QString &prefix, QStringList &out, QStringList &open)
{
    const QJsonObject properties = schema.value(QStringLiteral("properties")).toObject();
    if (schema.value(QStringLiteral("additionalProperties")) != QJsonValue(false))
        open << (prefix.isEmpty() ? QStringLiteral("(top)") : prefix);
    for (auto it = properties.begin(); it != properties.end(); ++it) {
        const QString path = prefix.isEmpty() ? it.key() : prefix + QLatin1Char('.') + it.key();
        out << path;
        if (it.value().toObject().contains(QStringLiteral("properties")))
            schemaKeys(it.value().toObject(), path, out, open);
    }
}

QJsonObject schemaDefinition(const QJsonObject &root, const QString &name)
{
    return root.value(QStringLiteral("$defs")).toObject().value(name).toObject();
}

} // namespace

TEST(ArticleDocs, SchemaNamesExactlyTheKeysTheReaderKnows)
{
    bool ok = false;
    const QByteArray bytes = readFileBytes(sourcePath(QStringLiteral("docs/article.schema.json")), &ok);
    ASSERT_TRUE(ok);
    QJsonParseError error;
    const QJsonObject schema = QJsonDocument::fromJson(bytes, &error).object();
    ASSERT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();

    QStringList keys;
    QStringList open;
    schemaKeys(schema, QString(), keys, open);
    QStringList known = articleKeys();
    keys.sort();
    known.sort();
    EXPECT_EQ(keys, known);
    EXPECT_TRUE(open.isEmpty()) << open.join(QStringLiteral(", ")).toStdString();

    auto enumOf = [](const QJsonObject &o) {
        QStringList out;
        for (const QJsonValue &v : o.value(QStringLiteral("enum")).toArray())
            out << v.toString();
        return out;
    };
    QStringList articleKinds;
    for (const char *k : kArticleKinds)
        articleKinds << QLatin1String(k);
    EXPECT_EQ(enumOf(schemaDefinition(schema, QStringLiteral("articleKind"))), articleKinds);
    QStringList installationKinds;
    for (int i = 0; i < 5; ++i)
        installationKinds << installationKindName(InstallationKind(i));
    EXPECT_EQ(enumOf(schemaDefinition(schema, QStringLiteral("installationKind"))), installationKinds);
}

TEST(ArticleDocs, ExamplesReadWithoutProblems)
{
    // The examples folder, and the complete example of the format's page.
    QList<QPair<QString, QByteArray>> files;
    const QDir examples(sourcePath(QStringLiteral("examples")));
    for (const QString &name : examples.entryList({QStringLiteral("*.json")}, QDir::Files))
        files.append({name, readFileBytes(examples.filePath(name))});
    ASSERT_FALSE(files.isEmpty());

    const QString page = QString::fromUtf8(readFileBytes(sourcePath(QStringLiteral("docs/article-format.md"))));
    const QRegularExpression block(QStringLiteral("```json\\n(.*?)```"),
                                   QRegularExpression::DotMatchesEverythingOption);
    auto it = block.globalMatch(page);
    int blocks = 0;
    while (it.hasNext()) {
        const QString json = it.next().captured(1);
        // Blocks that show a single key are fragments; the complete ones
        // start with the opening brace.
        if (json.startsWith(QLatin1Char('{')))
            files.append({QStringLiteral("docs block %1").arg(++blocks), json.toUtf8()});
    }
    EXPECT_GE(blocks, 1);
    for (const auto &[name, bytes] : files) {
        const ArticleReadResult r = read(bytes);
        EXPECT_TRUE(r.ok()) << name.toStdString() << "\n" << problems(r);
    }
}
