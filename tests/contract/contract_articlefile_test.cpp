// SPDX-License-Identifier: MIT
// The article file commands: Open, Save, Save As, the recent list, the
// unsaved-changes question and New, on a real file system.
#include "contract_suite.h"

#include "article.h"
#include "articlereader.h"
#include "articles.h"
#include "articlewriter.h"

#include <QDir>
#include <QFile>

using namespace kestrin;

namespace {

QString examplePath()
{
    return QStringLiteral(KESTRIN_EXAMPLES_DIR "/harbour-raid.json");
}

// Articles that use every key, every kind, and texts with unusual characters.
QList<Article> articleTable()
{
    QList<Article> articles{Article{}, fullArticle()};
    articles << articlePerKind();
    Article odd;
    odd.name = QChar(0xFEFF) + QStringLiteral("Harbour Raid");
    odd.description = joinedLines({"", "", ""});
    odd.credits = QStringLiteral("\t line\r\n") + QChar(0xFEFF) + QStringLiteral("b");
    articles << odd;
    return articles;
}

} // namespace

namespace {

// Picks the file in the open dialog of File > Open Article...
bool openFile(FormHarness &harness, const QString &file)
{
    harness.articleDialog.chooseNext(file);
    return harness.articleFiles().open();
}

QString write(const QTemporaryDir &dir, const char *name, const QByteArray &bytes)
{
    const QString file = dir.filePath(QLatin1String(name));
    EXPECT_TRUE(writeFileBytes(file, bytes));
    return file;
}

} // namespace

TEST_P(Contract, ArticleFileSaveThenOpenGivesBackTheFormAndTheReadMe)
{
    int n = 0;
    for (const Article &article : articleTable()) {
        SCOPED_TRACE(++n);
        std::unique_ptr<FormHarness> first = GetParam()();
        first->articleDialog.chooseNext(write(dir, "in.json", writeArticleJson(article)));
        ASSERT_TRUE(first->articleFiles().open());
        // Save As: a name typed without an extension gets ".json".
        first->articleDialog.chooseNext(dir.filePath(QStringLiteral("copy")));
        ASSERT_TRUE(first->articleFiles().saveAs());
        const QString copy = dir.filePath(QStringLiteral("copy.json"));
        EXPECT_EQ(first->articleFiles().currentFile(), copy);
        EXPECT_EQ(readFileBytes(copy), writeArticleJson(first->articleFiles().currentArticle()));

        std::unique_ptr<FormHarness> second = GetParam()();
        second->articleDialog.chooseNext(copy);
        ASSERT_TRUE(second->articleFiles().open());
        EXPECT_EQ(formState(second->form()).toStdString(), formState(first->form()).toStdString());
        EXPECT_EQ(plainText(second->document().model()).toStdString(),
                  plainText(first->document().model()).toStdString());
    }
}

TEST_P(Contract, ArticleFileAFileWithProblemsLeavesTheFormAsItWasAndListsThem)
{
    QByteArray many = "{\n  \"formatVersion\": 1,\n";
    for (int i = 0; i < 23; ++i)
        many += "  \"unknown" + QByteArray::number(i) + "\": 1,\n";
    many += "  \"name\": 5\n}\n";
    struct Case {
        const char *name;
        QByteArray bytes;
        QStringList expected; // the lines after the first, in order; empty: the first line only
    };
    const Case cases[] = {
        {"syntax error", "{\n  \"name\": \"x\",,\n}", {QStringLiteral("line 2, column ")}},
        {"24 problems", many, {QStringLiteral("line 3, column 3: "), QStringLiteral("and 4 more")}},
    };
    harness->userType(Control::Name, QStringLiteral("Typed before"));
    harness->userClick(Control::SkypeAllowed);
    const QString before = formState(form());
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        harness->messages.clear();
        harness->messages.answerNext(MessageAnswer::Discard);
        EXPECT_FALSE(openFile(*harness, write(dir, "bad.json", c.bytes)));
        EXPECT_EQ(formState(form()).toStdString(), before.toStdString());
        EXPECT_TRUE(harness->articleFiles().currentFile().isEmpty());
        ASSERT_EQ(harness->messages.shown().size(), 2); // the question, then the warning
        const MessageRequest &warning = harness->messages.shown().last();
        EXPECT_EQ(warning.icon, MessageIcon::Warning);
        EXPECT_EQ(warning.title, kProgramTitle);
        const QStringList shown = warning.prompt.split(QStringLiteral("\r\n"));
        EXPECT_TRUE(shown.first().contains(QDir::toNativeSeparators(dir.filePath(QStringLiteral("bad.json")))))
            << shown.first().toStdString();
        EXPECT_TRUE(shown.value(1).startsWith(c.expected.first())) << warning.prompt.toStdString();
        if (c.expected.size() > 1) {
            EXPECT_EQ(shown.size(), 1 + 20 + 1);
            EXPECT_EQ(shown.last(), c.expected.last());
        }
    }
    EXPECT_TRUE(harness->articleFiles().recentArticles().isEmpty());
}

TEST_P(Contract, ArticleFileUnsavedChangesAskSaveDiscardOrCancel)
{
    const QByteArray other = writeArticleJson(Article{});
    struct Case {
        MessageAnswer answer;
        bool opened;
        QString savedVersion; // what the first file holds afterwards
    };
    const Case cases[] = {
        {MessageAnswer::Save, true, QStringLiteral("9.9")},
        {MessageAnswer::Discard, true, QStringLiteral("1.2")},
        {MessageAnswer::Cancel, false, QStringLiteral("1.2")},
    };
    for (const Case &c : cases) {
        harness = GetParam()();
        const QString first = write(dir, "first.json", readFileBytes(examplePath()));
        const QString second = write(dir, "second.json", other);
        ASSERT_TRUE(openFile(*harness, first));
        harness->userType(Control::Version, QStringLiteral("9.9"));
        EXPECT_TRUE(harness->articleFiles().isModified());

        harness->messages.answerNext(c.answer);
        EXPECT_EQ(openFile(*harness, second), c.opened);
        ASSERT_EQ(harness->messages.shown().size(), 1);
        const MessageRequest &question = harness->messages.shown().first();
        EXPECT_EQ(question.prompt, QStringLiteral("Save changes to first.json?"));
        EXPECT_EQ(question.buttons, MessageButtons::SaveDiscardCancel);
        EXPECT_EQ(question.title, kProgramTitle);
        EXPECT_EQ(harness->articleFiles().currentFile(), c.opened ? second : first);
        EXPECT_EQ(form().text(Control::Version), c.opened ? QString() : QStringLiteral("9.9"));
        EXPECT_EQ(readArticleFile(first).result.article.version, c.savedVersion);
        // Cancel: the open dialog was never shown.
        EXPECT_EQ(harness->articleDialog.openFolders().size(), c.opened ? 2 : 1);
    }
}

TEST_P(Contract, ArticleFileModifiedFollowsTheFormNotTheKeysPressed)
{
    // A form without a file asks as soon as it differs from the start state.
    EXPECT_FALSE(harness->articleFiles().isModified());
    harness->userType(Control::Version, QStringLiteral("1"));
    EXPECT_TRUE(harness->articleFiles().isModified());
    harness->userType(Control::Version, QString());
    EXPECT_FALSE(harness->articleFiles().isModified());

    ASSERT_TRUE(openFile(*harness, write(dir, "a.json", readFileBytes(examplePath()))));
    harness->userType(Control::Version, QStringLiteral("1.23"));
    EXPECT_TRUE(harness->articleFiles().isModified());
    harness->userType(Control::Version, QStringLiteral("1.2"));
    EXPECT_FALSE(harness->articleFiles().isModified());
    harness->userClick(Control::IcqAllowed);
    EXPECT_TRUE(harness->articleFiles().isModified());
    ASSERT_TRUE(harness->articleFiles().save());
    EXPECT_FALSE(harness->articleFiles().isModified());
    EXPECT_EQ(readArticleFile(dir.filePath(QStringLiteral("a.json"))).result.article.icq, QString());

    harness->messages.answerNext(MessageAnswer::Yes);
    harness->articleFiles().newArticle();
    EXPECT_TRUE(harness->articleFiles().currentFile().isEmpty());
    EXPECT_FALSE(harness->articleFiles().isModified());
    EXPECT_TRUE(harness->dialog.startFolder().isEmpty());
}

TEST_P(Contract, ArticleFileRecentListIsNewestFirstAndForgetsFilesThatAreGone)
{
    const QByteArray bytes = writeArticleJson(Article{});
    QStringList written;
    for (int i = 0; i < 10; ++i) {
        written.prepend(write(dir, QByteArray("a" + QByteArray::number(i) + ".json").constData(), bytes));
        ASSERT_TRUE(openFile(*harness, written.first()));
    }
    EXPECT_EQ(harness->articleFiles().recentArticles(), written.mid(0, 8));
    // Open looks in the folder of the last article; so does Create.
    EXPECT_EQ(harness->articleDialog.openFolders().last(), dir.path());
    EXPECT_EQ(harness->dialog.startFolder(), dir.path());

    ASSERT_TRUE(harness->articleFiles().openRecent(written[3]));
    EXPECT_EQ(harness->articleFiles().recentArticles().first(), written[3]);
    EXPECT_EQ(harness->articleFiles().recentArticles().size(), 8);
    EXPECT_EQ(harness->recent.load(), harness->articleFiles().recentArticles());

    ASSERT_TRUE(QFile::remove(written[5]));
    EXPECT_FALSE(harness->articleFiles().openRecent(written[5]));
    EXPECT_TRUE(harness->messages.prompts().last().contains(QDir::toNativeSeparators(written[5])));
    EXPECT_FALSE(harness->articleFiles().recentArticles().contains(written[5]));
    EXPECT_EQ(harness->articleFiles().currentFile(), written[3]);

    harness->articleFiles().clearRecentArticles();
    EXPECT_TRUE(harness->articleFiles().recentArticles().isEmpty());
    EXPECT_TRUE(harness->recent.load().isEmpty());
}

TEST_P(Contract, ArticleFileSaveAsProposesTheArticlesNameAsAFileName)
{
    const std::pair<const char *, const char *> cases[] = {
        {"Harbour Raid", "Harbour Raid.json"},
        {"a/b\\c:d*e?f\"g<h>i|j", "a_b_c_d_e_f_g_h_i_j.json"},
        {"  dots...  ", "dots.json"},
        {"", "article.json"},
    };
    // Long names: the first 120 characters, without half a surrogate pair,
    // then trimmed; what comes later plays no part.
    const QString x = QStringLiteral("x");
    const std::pair<QString, QString> longCases[] = {
        {x.repeated(200), x.repeated(120)},
        {x.repeated(119) + QStringLiteral("\U0001F600") + QStringLiteral("y*\t"), x.repeated(119)},
        {QStringLiteral("  ") + x.repeated(130), x.repeated(118)},
        {x.repeated(118) + QStringLiteral("\t.") + x.repeated(10), x.repeated(118) + QStringLiteral("_")},
    };
    for (const auto &[name, proposed] : longCases) {
        harness->userType(Control::Name, name);
        harness->articleDialog.chooseNext(std::nullopt);
        EXPECT_FALSE(harness->articleFiles().save());
        EXPECT_EQ(harness->articleDialog.proposals().last(), proposed + QStringLiteral(".json"));
    }
    for (const auto &[name, proposed] : cases) {
        harness->userType(Control::Name, QString::fromUtf8(name));
        harness->articleDialog.chooseNext(std::nullopt);
        EXPECT_FALSE(harness->articleFiles().save()); // no file yet: Save is Save As
        EXPECT_EQ(harness->articleDialog.proposals().last(), QString::fromUtf8(proposed));
    }
    ASSERT_TRUE(openFile(*harness, write(dir, "x.json", writeArticleJson(Article{}))));
    harness->articleDialog.chooseNext(std::nullopt);
    EXPECT_FALSE(harness->articleFiles().saveAs());
    EXPECT_EQ(harness->articleDialog.proposals().last(), dir.filePath(QStringLiteral("x.json")));
}

// A fill given up midway puts back all the form held: what was typed into a
// switched-off field, the own installation text kept aside while another
// kind is selected, the start state's installation. The form is filled with
// a whole other article in between, as a fill would leave it at worst.
TEST_P(Contract, ArticleFileAFormStatePutBackIsTheFormAsItWas)
{
    const struct {
        const char *name;
        std::function<void(FormHarness &)> setUp;
    } rows[] = {
        {"the start state", [](FormHarness &) {}},
        {"texts typed into switched-off fields",
         [](FormHarness &h) {
             h.userClick(Control::SkypeAllowed);
             h.userType(Control::Skype, QStringLiteral("kept.skype"));
             h.userClick(Control::SkypeAllowed);
             h.userClick(Control::FeaturesAllowed);
             h.userType(Control::Features, QStringLiteral("a feature\r\nanother"));
             h.userClick(Control::FeaturesAllowed);
             h.userClick(Control::AddonsUserDefined);
             h.userType(Control::RequiredAddons, QStringLiteral("cba_main"));
             h.userClick(Control::AddonsOfficialOnly);
         }},
        {"an own installation kept aside under another kind",
         [](FormHarness &h) {
             h.userClick(Control::InstallOwnDescription);
             h.userType(Control::Installation, QStringLiteral("Unpack it\r\nsomewhere"));
             h.userClick(Control::InstallMod);
             h.userType(Control::Name, QStringLiteral("Mine"));
         }},
        {"an own installation shown",
         [](FormHarness &h) {
             h.userClick(Control::InstallOwnDescription);
             h.userType(Control::Installation, QStringLiteral("By hand"));
             h.userClick(Control::NotesAllowed);
         }},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        std::unique_ptr<FormHarness> h = GetParam()();
        row.setUp(*h);
        const QString shown = formState(h->form());
        const QString readme = plainText(h->document().model());
        const ReadmeDocument::FormState held = h->document().formState();

        h->document().applyArticle(fullArticle());
        ASSERT_NE(formState(h->form()), shown);
        h->document().restoreFormState(held);
        EXPECT_EQ(formState(h->form()).toStdString(), shown.toStdString());
        EXPECT_EQ(plainText(h->document().model()).toStdString(), readme.toStdString());
        // What was kept aside comes back when its switch or option does.
        for (const AllowSwitch &s : kAllowSwitches) {
            if (h->form().value(s.check) == 0)
                h->userClick(s.check);
        }
        h->userClick(Control::InstallOwnDescription);
        h->userClick(Control::AddonsUserDefined);
        const Article after = h->document().article();
        if (shown.contains(QLatin1String("kept.skype"))) {
            EXPECT_EQ(after.skype.value_or(QString()), QStringLiteral("kept.skype"));
            EXPECT_EQ(after.features.value_or(QString()), QStringLiteral("a feature\r\nanother"));
            EXPECT_EQ(after.requiredAddons.value_or(QString()), QStringLiteral("cba_main"));
        }
        if (QByteArray(row.name).contains("kept aside")) {
            EXPECT_EQ(after.installationText, QStringLiteral("Unpack it\r\nsomewhere"));
        }
    }
}
