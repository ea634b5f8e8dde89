// SPDX-License-Identifier: MIT
// kestrin-readme as a user runs it: the bytes it writes against what Create
// writes for the same form, and every way it refuses, each with its message,
// its exit status, and no file written or changed.
#include "article.h"
#include "articlefields.h"
#include "articlereader.h"
#include "articlewriter.h"
#include "clitestsupport.h"
#include "golden.h"
#include "memoryharness.h"
#include "plaintextrenderer.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QTemporaryDir>

#include <fcntl.h>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>

using namespace kestrin;
using C = Control;

namespace {

QByteArray harbourRaid()
{
    return readFileBytes(sourcePath(QStringLiteral("examples/harbour-raid.json")));
}

// The worked example as the user fills in the form.
void fillInHarbourRaid(MemoryHarness &u)
{
    u.userPickArticle(QStringLiteral("MP mission"));
    u.userType(C::Name, QStringLiteral("Harbour Raid"));
    u.userType(C::Version, QStringLiteral("1.2"));
    u.userType(C::Authors, QStringLiteral("Raid Team"));
    u.userType(C::ReleaseDate, QStringLiteral("2011-05-01"));
    u.userClick(C::SkypeAllowed);
    u.userType(C::Skype, QStringLiteral("raid.team"));
    u.userClick(C::OtherContactAllowed);
    u.userType(C::OtherContact, QStringLiteral("forum PM to Raid Team"));
    u.userType(C::RequiredGame, QStringLiteral("1.05"));
    u.userClick(C::InstallOwnDescription);
    u.userType(C::Installation, QStringLiteral("Copy the mission file into your MPMissions folder."));
    u.userType(C::Description, QStringLiteral("Take the harbour before dawn.\r\nUp to 8 players."));
    u.userClick(C::FeaturesAllowed);
    u.userType(C::Features, QStringLiteral("- night assault\r\n- random enemy patrols"));
    u.userClick(C::NotesAllowed);
    u.userType(C::Notes, QStringLiteral("Tested on dedicated server."));
    u.userType(C::Credits, QStringLiteral("Thanks to all testers."));
}

// Every file under a folder with its bytes.
QMap<QString, QByteArray> snapshot(const QString &folder)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(folder, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files.insert(QDir(folder).relativeFilePath(path),
                     it.fileInfo().isDir() ? QByteArray("<dir>") : readFileBytes(path));
    }
    return files;
}

class Cli : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }

    QString path(const QString &name) const { return dir.filePath(name); }
    void write(const QString &name, const QByteArray &bytes) { ASSERT_TRUE(writeFileBytes(path(name), bytes)); }

    CliResult run(const QStringList &args, const QString &locale = QStringLiteral("en_US.UTF-8"))
    {
        CliRun r;
        r.args = args;
        r.workingDirectory = dir.path();
        r.locale = locale;
        return runCli(r);
    }

    QTemporaryDir dir;
};

} // namespace

TEST_F(Cli, WorkedExampleGivesTheFiftyTwoLines)
{
    const CliResult r = run({sourcePath(QStringLiteral("examples/harbour-raid.json"))});
    EXPECT_EQ(r.exitCode, 0) << r.errText().toStdString();
    EXPECT_TRUE(r.err.isEmpty());
    const QStringList lines = golden::workedExample();
    ASSERT_EQ(lines.size(), 52);
    EXPECT_EQ(visible(r.out), visible(crlfLines(lines).toLatin1()));
}

namespace {

struct CreateRow {
    const char *name;
    QByteArray json;
    std::function<void(MemoryHarness &)> user;
    QStringList encodings;
};

QStringList everyEncoding()
{
    QStringList out;
    for (int cp = 1250; cp <= 1258; ++cp)
        out << codePageName(cp);
    return out << QStringLiteral("utf-8") << QStringLiteral("utf-8-bom");
}

QStringList nativeEncodings(int cp)
{
    return {codePageName(cp), QStringLiteral("utf-8"), QStringLiteral("utf-8-bom")};
}

// A text of each code page's own letters, for the article's name.
QList<CreateRow> nationalRows()
{
    static const QList<QPair<int, const char *>> samples{
        {1250, "Zażółć gęślą jaźń, Příliš žluťoučký kůň"},
        {1251, "Съешь же ещё этих мягких булок"},
        {1252, "Façade œuvre naïve – “quoted” €"},
        {1253, "Ξεσκεπάζω την ψυχοφθόρα βδελυγμία"},
        {1254, "Pijamalı hasta yağız şoföre çabucak güvendi"},
        {1255, "דג סקרן שט בים"},
        {1256, "صِف خَلقَ خَودِ"},
        {1257, "Ąžuolas ėžys, Ģērbūšanās"},
        {1258, "Đơn ưa Ư Ơ đ"},
    };
    QList<CreateRow> rows;
    for (const auto &[cp, text] : samples) {
        const QString name = QString::fromUtf8(text);
        CreateRow row{text, {}, {}, nativeEncodings(cp)};
        row.json = QByteArray(R"({"name": ")") + text + R"(", "credits": ")" + text + R"("})";
        row.user = [name](MemoryHarness &u) {
            u.userType(C::Name, name);
            u.userType(C::Credits, name);
        };
        rows << row;
    }
    return rows;
}

QList<CreateRow> createRows()
{
    QList<CreateRow> rows{
        {"a new window", "{}", [](MemoryHarness &) {}, everyEncoding()},
        {"SP template chosen again", R"({"installation": {"kind": "SP mission"}})",
         [](MemoryHarness &u) {
             u.userClick(C::InstallMPMission);
             u.userClick(C::InstallSPMission);
         },
         everyEncoding()},
        {"MP template with the basic data",
         R"({"kind": "MP mission", "name": "N", "version": "1", "authors": "A\nB", "releaseDate": "r",
             "contacts": {"web": "w", "email": "e"}, "requiredGame": "g", "installation": {"kind": "MP mission"},
             "description": "d", "credits": "c"})",
         [](MemoryHarness &u) {
             u.userPickArticle(QStringLiteral("MP mission"));
             u.userType(C::Name, QStringLiteral("N"));
             u.userType(C::Version, QStringLiteral("1"));
             u.userType(C::Authors, QStringLiteral("A\r\nB"));
             u.userType(C::ReleaseDate, QStringLiteral("r"));
             u.userType(C::Web, QStringLiteral("w"));
             u.userType(C::Email, QStringLiteral("e"));
             u.userType(C::RequiredGame, QStringLiteral("g"));
             u.userClick(C::InstallMPMission);
             u.userType(C::Description, QStringLiteral("d"));
             u.userType(C::Credits, QStringLiteral("c"));
         },
         everyEncoding()},
        {"Addon template with user defined addons",
         R"({"kind": "Addon", "requiredAddons": ["@CBA", "@ACE"], "installation": {"kind": "Addon"}})",
         [](MemoryHarness &u) {
             u.userPickArticle(QStringLiteral("Addon"));
             u.userClick(C::AddonsUserDefined);
             u.userType(C::RequiredAddons, QStringLiteral("@CBA\r\n@ACE"));
             u.userClick(C::InstallAddon);
         },
         everyEncoding()},
        {"Mod template, every optional text empty",
         R"({"kind": "Mod", "contacts": {"skype": "", "icq": "", "other": ""}, "requiredAddons": "",
             "installation": {"kind": "Mod"}, "features": "", "changelog": "", "notes": ""})",
         [](MemoryHarness &u) {
             u.userPickArticle(QStringLiteral("Mod"));
             for (const AllowSwitch &s : kAllowSwitches)
                 u.userClick(s.check);
             u.userClick(C::AddonsOfficialOnly); // unticking "None" ticks "User defined"
             u.userClick(C::InstallMod);
         },
         everyEncoding()},
        {"own description left as the prompt", R"({"installation": {"kind": "Own description"}})",
         [](MemoryHarness &u) { u.userClick(C::InstallOwnDescription); }, everyEncoding()},
        {"the worked example", harbourRaid(), fillInHarbourRaid, everyEncoding()},
        {"blanks and line breaks kept",
         R"({"description": "  x  \n", "credits": ["", "a", ""], "features": "\r\n", "contacts": {"icq": " 1 "}})",
         [](MemoryHarness &u) {
             u.userType(C::Description, QStringLiteral("  x  \r\n"));
             u.userType(C::Credits, QStringLiteral("\r\na\r\n"));
             u.userClick(C::FeaturesAllowed);
             u.userType(C::Features, QStringLiteral("\r\n"));
             u.userClick(C::IcqAllowed);
             u.userType(C::Icq, QStringLiteral(" 1 "));
         },
         everyEncoding()},
    };
    return rows + nationalRows();
}

} // namespace

TEST_F(Cli, OutputEqualsWhatCreateWritesInEachEncoding)
{
    for (const CreateRow &row : createRows()) {
        write(QStringLiteral("article.json"), row.json);
        MemoryHarness user;
        row.user(user);
        const QString assembled = plainText(user.document().model());
        for (const QString &encoding : row.encodings) {
            QByteArray expected;
            if (encoding.startsWith(QLatin1String("windows-"))) {
                MemoryHarness again;
                row.user(again);
                expected = createFile(again, path(QStringLiteral("created.txt")), encoding.mid(8).toInt());
            } else {
                expected = TextEncoder::utf8(encoding.endsWith(QLatin1String("bom"))).encode(assembled) + "\r\n";
            }
            ASSERT_FALSE(expected.isEmpty()) << row.name << " " << encoding.toStdString();
            const CliResult r = run({QStringLiteral("article.json"), QStringLiteral("--encoding"), encoding});
            EXPECT_EQ(r.exitCode, 0) << row.name << " " << encoding.toStdString() << "\n" << r.errText().toStdString();
            EXPECT_EQ(visible(r.out), visible(expected)) << row.name << " " << encoding.toStdString();
        }
    }
}

TEST_F(Cli, AnsiIsTheCodePageOfTheLocale)
{
    struct Row {
        const char *locale;
        int codePage;
        const char *name;
    };
    const Row rows[] = {
        {"pl_PL.UTF-8", 1250, "Zażółć"}, {"ru_RU.UTF-8", 1251, "Съешь"}, {"el_GR.UTF-8", 1253, "Ξεσκεπάζω"},
        {"de_DE.UTF-8", 1252, "Größe"},  {"C", 1252, "Größe"},           {"tr_TR.UTF-8", 1254, "Pijamalı"},
    };
    for (const Row &row : rows) {
        const QString name = QString::fromUtf8(row.name);
        write(QStringLiteral("article.json"), QByteArray(R"({"name": ")") + row.name + "\"}");
        MemoryHarness user;
        user.userType(C::Name, name);
        const QByteArray expected = createFile(user, path(QStringLiteral("created.txt")), row.codePage);
        ASSERT_FALSE(expected.isEmpty()) << row.locale;
        for (const QStringList &args :
             {QStringList{QStringLiteral("article.json")},
              QStringList{QStringLiteral("article.json"), QStringLiteral("--encoding"), QStringLiteral("ANSI")}}) {
            const CliResult r = run(args, QString::fromLatin1(row.locale));
            EXPECT_EQ(r.exitCode, 0) << row.locale << "\n" << r.errText().toStdString();
            EXPECT_EQ(visible(r.out), visible(expected)) << row.locale;
        }
    }
}

TEST_F(Cli, OutputFileHoldsTheSameBytesAndReplacesTheOldFileWhole)
{
    write(QStringLiteral("article.json"), harbourRaid());
    const CliResult toStdout = run({QStringLiteral("article.json")});
    ASSERT_EQ(toStdout.exitCode, 0);

    write(QStringLiteral("ReadMe.txt"), QByteArray(100000, 'x'));
    for (const QStringList &args :
         {QStringList{QStringLiteral("article.json"), QStringLiteral("-o"), QStringLiteral("ReadMe.txt")},
          QStringList{QStringLiteral("--output=ReadMe.txt"), QStringLiteral("article.json")},
          QStringList{QStringLiteral("article.json"), QStringLiteral("-o"), QStringLiteral("new.txt")}}) {
        const CliResult r = run(args);
        EXPECT_EQ(r.exitCode, 0) << r.errText().toStdString();
        EXPECT_TRUE(r.out.isEmpty());
        EXPECT_TRUE(r.err.isEmpty());
    }
    EXPECT_EQ(readFileBytes(path(QStringLiteral("ReadMe.txt"))), toStdout.out);
    EXPECT_EQ(readFileBytes(path(QStringLiteral("new.txt"))), toStdout.out);
    // The atomic save leaves nothing else behind.
    QStringList files = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
    files.sort();
    EXPECT_EQ(files, (QStringList{"ReadMe.txt", "article.json", "new.txt"}));

    const CliResult dash = run({QStringLiteral("article.json"), QStringLiteral("-o"), QStringLiteral("-")});
    EXPECT_EQ(dash.out, toStdout.out);
}

TEST_F(Cli, ReadsTheArticleFromStandardInput)
{
    CliRun r;
    r.args = QStringList{QStringLiteral("-")};
    r.input = harbourRaid();
    const CliResult fromStdin = runCli(r);
    const CliResult fromFile = run({sourcePath(QStringLiteral("examples/harbour-raid.json"))});
    EXPECT_EQ(fromStdin.exitCode, 0) << fromStdin.errText().toStdString();
    EXPECT_EQ(fromStdin.out, fromFile.out);

    r.input = "{\"nmae\": 1}";
    const CliResult bad = runCli(r);
    EXPECT_EQ(bad.exitCode, 2);
    EXPECT_EQ(bad.errText(), QStringLiteral("<stdin>:1:2: unknown key \"nmae\"; the closest known key is \"name\"\n"));
}

TEST_F(Cli, SetAndUnsetActLikeTheFileHoldingThoseValues)
{
    write(QStringLiteral("article.json"), harbourRaid());
    const CliResult overridden =
        run({QStringLiteral("article.json"), QStringLiteral("--set"), QStringLiteral("version=1.3"),
             QStringLiteral("--set"), QStringLiteral("changelog=1.3: fixed\n1.2: first"), QStringLiteral("--unset"),
             QStringLiteral("contacts.skype"), QStringLiteral("--set=requiredAddons=@CBA=1"), QStringLiteral("--set"),
             QStringLiteral("installation.kind=Addon"), QStringLiteral("--unset"), QStringLiteral("installation.text"),
             QStringLiteral("--set"), QStringLiteral("contacts.icq="), QStringLiteral("--set"),
             QStringLiteral("name=first"), QStringLiteral("--set"), QStringLiteral("name=second")});
    ASSERT_EQ(overridden.exitCode, 0) << overridden.errText().toStdString();

    Article a = readArticle(harbourRaid()).article;
    a.version = QStringLiteral("1.3");
    a.changelog = QStringLiteral("1.3: fixed\r\n1.2: first");
    a.skype.reset();
    a.requiredAddons = QStringLiteral("@CBA=1");
    a.installation = InstallationKind::Addon;
    a.installationText.clear();
    a.icq = QString();
    a.name = QStringLiteral("second");
    write(QStringLiteral("changed.json"), writeArticleJson(a));
    const CliResult changed = run({QStringLiteral("changed.json")});
    ASSERT_EQ(changed.exitCode, 0) << changed.errText().toStdString();
    EXPECT_EQ(visible(overridden.out), visible(changed.out));
    EXPECT_EQ(readFileBytes(path(QStringLiteral("article.json"))), harbourRaid()); // the file is not touched
}

TEST_F(Cli, ReplaceWritesWhatCreateWritesWhenToldToReplace)
{
    const QString name = QStringLiteral("Zażółć ☃ 😀");
    write(QStringLiteral("article.json"), QByteArray(R"({"name": ")") + name.toUtf8() + "\"}");
    MemoryHarness user;
    user.userType(C::Name, name);
    user.document().setCodePage(1252);
    user.dialog.chooseNext(path(QStringLiteral("created.txt")));
    user.messages.answerNext(MessageAnswer::No); // save in the code page, with "?"
    user.messages.answerNext(MessageAnswer::Ok);
    user.document().create();
    const QByteArray expected = readFileBytes(path(QStringLiteral("created.txt")));
    ASSERT_TRUE(expected.startsWith("SP mission\t-\tZa?\xf3?? ? ?\r\n"));

    const CliResult r = run({QStringLiteral("article.json"), QStringLiteral("--encoding"),
                             QStringLiteral("windows-1252"), QStringLiteral("--replace")});
    EXPECT_EQ(r.exitCode, 0) << r.errText().toStdString();
    EXPECT_EQ(r.out, expected);
}

TEST_F(Cli, HelpAndVersion)
{
    const CliResult version = run({QStringLiteral("--version")});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, QByteArray("kestrin-readme 1.0.0\n"));

    for (const char *option : {"--help", "-h"}) {
        const CliResult help = run({QString::fromLatin1(option)});
        EXPECT_EQ(help.exitCode, 0);
        EXPECT_TRUE(help.err.isEmpty());
        EXPECT_TRUE(help.out.startsWith("Usage: kestrin-readme [OPTION]... ARTICLE.json\n"));
        for (const char *listed :
             {"--output FILE", "--set KEY=VALUE", "--unset KEY", "--format FORMAT", "--encoding ENCODING", "--replace",
              "--help", "--version", "--import PATH", "--import-only", "--game PATH"})
            EXPECT_TRUE(help.out.contains(listed)) << listed;
        for (const QString &key : articleKeys()) {
            if (!key.contains(QLatin1Char('$')) && key != QLatin1String("formatVersion")
                && key != QLatin1String("contacts") && key != QLatin1String("installation")) {
                EXPECT_TRUE(help.out.contains(key.toUtf8())) << key.toStdString();
            }
        }
    }
    // The default encoding named is the locale's (in a Russian locale the
    // help is in Russian).
    EXPECT_TRUE(run({QStringLiteral("--help")}).out.contains("here windows-1252)"));
    EXPECT_TRUE(run({QStringLiteral("--help")}, QStringLiteral("ru_RU.UTF-8")).out.contains(" windows-1251)"));
}

namespace {

struct ErrorRow {
    const char *name;
    QStringList args;
    std::optional<QByteArray> article; // article.json; the worked example when not given
    int exit;
    QString message;            // the whole of standard error
    bool outputVariants = true; // also run with -o onto an existing and a new file
    std::function<void(const QString &)> prepare = {};
    bool unprivileged = false;
    QString stdoutFile = {};
};

QStringList args(std::initializer_list<const char *> list)
{
    QStringList out;
    for (const char *a : list)
        out << QString::fromUtf8(a);
    return out;
}

QString lines(std::initializer_list<const char *> list)
{
    QString out;
    for (const char *line : list)
        out += QString::fromUtf8(line) + QLatin1Char('\n');
    return out;
}

const char *const kArticleKindsList = R"("SP mission", "MP mission", "Addon" and "Mod")";
const char *const kTextType = "must be a text (a string, or an array of strings, one per line)";

QString msg(const char *format, std::initializer_list<QString> args = {})
{
    QString out = QString::fromUtf8(format);
    for (const QString &a : args)
        out = out.arg(a);
    return out + QLatin1Char('\n');
}

QList<ErrorRow> errorRows()
{
    const QString kinds = QString::fromUtf8(kArticleKindsList);
    const QString textType = QString::fromUtf8(kTextType);
    auto chmodArticle = [](const QString &folder) {
        QFile(folder).setPermissions(QFileDevice::Permissions(0x7777));
        QFile(folder + QStringLiteral("/article.json")).setPermissions({});
    };
    auto readOnlyFolder = [](const QString &folder) {
        QFile(folder).setPermissions(QFileDevice::Permissions(0x7777));
        QDir(folder).mkdir(QStringLiteral("ro"));
        QFile(folder + QStringLiteral("/ro"))
            .setPermissions(QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadOther
                            | QFileDevice::ExeOther);
    };
    return {
        // Usage.
        {"no article file", {}, {}, 2, msg("kestrin-readme: no article file given (see --help)")},
        {"two article files",
         args({"article.json", "other.json"}),
         {},
         2,
         msg("kestrin-readme: one article file expected, but 2 were given (see --help)")},
        {"unknown long option",
         args({"article.json", "--frob"}),
         {},
         2,
         msg(R"(kestrin-readme: unknown option "--frob" (see --help))")},
        {"unknown short option",
         args({"-x", "article.json"}),
         {},
         2,
         msg(R"(kestrin-readme: unknown option "-x" (see --help))")},
        {"output without a value",
         args({"article.json", "-o"}),
         {},
         2,
         msg(R"(kestrin-readme: option "-o" needs a value (see --help))"),
         false},
        {"set without a value",
         args({"article.json", "--set"}),
         {},
         2,
         msg(R"(kestrin-readme: option "--set" needs a value (see --help))"),
         false},
        {"empty output name",
         args({"article.json", "-o", ""}),
         {},
         2,
         msg(R"(kestrin-readme: option "--output" needs a file name ("-" for standard output))"),
         false},
        {"unknown encoding",
         args({"article.json", "--encoding", "latin-1"}),
         {},
         2,
         msg(R"(kestrin-readme: unknown encoding "latin-1"; the encodings are ansi, windows-1250 to windows-1258, utf-8 and utf-8-bom)")},
        {"set without =",
         args({"article.json", "--set", "version"}),
         {},
         2,
         msg(R"(kestrin-readme: --set "version" is not of the form KEY=VALUE)")},
        {"set without a key",
         args({"article.json", "--set", "=1.3"}),
         {},
         2,
         msg(R"(kestrin-readme: --set "=1.3" is not of the form KEY=VALUE)")},
        {"set of an unknown key",
         args({"article.json", "--set", "verison=1.3"}),
         {},
         2,
         msg(R"(kestrin-readme: --set verison: unknown key "verison"; the closest known key is "version")")},
        {"set of a group",
         args({"article.json", "--set", "contacts=x"}),
         {},
         2,
         msg(R"(kestrin-readme: --set contacts: "contacts" is a group of keys; give one of "contacts.web", "contacts.email", "contacts.skype", "contacts.icq" or "contacts.other")")},
        {"unset of the format version",
         args({"article.json", "--unset", "formatVersion"}),
         {},
         2,
         msg(R"(kestrin-readme: --unset formatVersion: "formatVersion" describes the file itself and cannot be set)")},
        {"set of an unknown article kind",
         args({"article.json", "--set", "kind=Tank"}),
         {},
         2,
         msg(R"(kestrin-readme: --set kind: unknown article kind "Tank"; the article kinds are %1)", {kinds})},
        {"set of an unknown installation kind",
         args({"article.json", "--set", "installation.kind=Tank"}),
         {},
         2,
         msg(R"(kestrin-readme: --set installation.kind: unknown installation kind "Tank"; the installation kinds are "SP mission", "MP mission", "Addon", "Mod" and "Own description")")},
        {"set of a template kind beside the file's own text",
         args({"article.json", "--set", "installation.kind=Addon"}),
         {},
         2,
         msg(R"(article.json:17:9: "installation.text" is used only with the installation kind "Own description", not with "Addon")")},
        {"output onto the article itself",
         args({"article.json", "-o", "./article.json"}),
         {},
         2,
         msg(R"(kestrin-readme: the output file "./article.json" is the article file itself; nothing was written)"),
         false},

        // The article file cannot be read.
        {"missing file",
         args({"missing.json"}),
         {},
         2,
         msg("missing.json: cannot read the article file: No such file or directory")},
        {"a folder",
         args({"sub"}),
         {},
         2,
         msg("sub: cannot read the article file: file to open is a directory"),
         true,
         [](const QString &folder) { QDir(folder).mkdir(QStringLiteral("sub")); }},
        {"a path through a file",
         args({"article.json/x.json"}),
         {},
         2,
         msg("article.json/x.json: cannot read the article file: Not a directory")},
        {"no permission to read",
         args({"article.json"}),
         {},
         2,
         msg("article.json: cannot read the article file: Permission denied"),
         false,
         chmodArticle,
         true},

        // Not one JSON object.
        {"empty file", args({"article.json"}), QByteArray(), 2,
         msg("article.json:1:1: the file is empty; an article file holds one JSON object")},
        {"blank lines only", args({"article.json"}), QByteArray("\n \r\n"), 2,
         msg("article.json:1:1: the file is empty; an article file holds one JSON object")},
        {"UTF-16", args({"article.json"}), QByteArray("\xFF\xFE{\0}\0", 6), 2,
         msg("article.json:1:1: the file is in UTF-16; an article file must be saved as UTF-8")},
        {"missing comma", args({"article.json"}), QByteArray("{\n    \"name\": \"a\"\n    \"version\": \"1\"\n}"), 2,
         msg(R"(article.json:3:5: invalid JSON: expected "," or "}" (and every key in double quotes))")},
        {"comma before the end", args({"article.json"}), QByteArray("{\n    \"name\": \"a\",\n}"), 2,
         msg(R"(article.json:3:1: invalid JSON: expected a value (no "," may stand before "}" or "]"))")},
        {"single quotes", args({"article.json"}), QByteArray("{'name': 'a'}"), 2,
         msg(R"(article.json:1:2: invalid JSON: expected "," or "}" (and every key in double quotes))")},
        {"missing colon", args({"article.json"}), QByteArray("{\"name\" \"a\"}"), 2,
         msg(R"(article.json:1:9: invalid JSON: expected ":" after the key)")},
        {"unquoted value", args({"article.json"}), QByteArray("{\"name\": Harbour}"), 2,
         msg("article.json:1:10: invalid JSON: expected a value: a text in double quotes, a number, true, false, null, "
             "an object or an array")},
        {"not UTF-8", args({"article.json"}), QByteArray("{\"name\": \"\xff\"}"), 2,
         msg("article.json:1:11: invalid JSON: the file is not valid UTF-8; save it as UTF-8")},
        {"a lead byte at the very end", args({"article.json"}), QByteArray("{\"a\":\"\xf0"), 2,
         msg("article.json:1:7: invalid JSON: the file is not valid UTF-8; save it as UTF-8")},
        {"text after the object", args({"article.json"}), QByteArray("{}\n{}"), 2,
         msg("article.json:2:1: invalid JSON: more text after the end of the article's object")},
        {"an array", args({"article.json"}), QByteArray("\n  [{\"name\": \"a\"}]"), 2,
         msg("article.json:2:3: an article file holds one JSON object { ... }, not an array")},
        {"null", args({"article.json"}), QByteArray("null"), 2,
         msg("article.json:1:1: an article file holds one JSON object { ... }, not null")},
        {"a number", args({"article.json"}), QByteArray(" 12"), 2,
         msg("article.json:1:2: an article file holds one JSON object { ... }, not a number")},
        {"a string", args({"article.json"}), QByteArray("\"Harbour Raid\""), 2,
         msg("article.json:1:1: an article file holds one JSON object { ... }, not a text")},
        {"UTF-32", args({"article.json"}), QByteArray("\xFF\xFE\0\0{\0\0\0}\0\0\0", 12), 2,
         msg("article.json:1:1: the file is in UTF-32; an article file must be saved as UTF-8")},
        {"UTF-16 without a byte-order mark", args({"article.json"}), QByteArray("\0{\0}", 4), 2,
         msg("article.json:1:1: the file is in UTF-16; an article file must be saved as UTF-8")},
        {"second byte-order mark", args({"article.json"}), QByteArray("\xEF\xBB\xBF\xEF\xBB\xBF{}"), 2,
         msg("article.json:1:1: invalid JSON: a second byte-order mark; one may stand only at the very start of "
             "the file")},
        {"unknown escape", args({"article.json"}), QByteArray(R"({"name": "a\qb"})"), 2,
         msg(R"(article.json:1:12: invalid JSON: unknown escape "\q" in a text; the escapes are \" \\ \/ \b \f \n \r )"
             R"(\t and \u followed by four hexadecimal digits)")},
        {"tab inside a text", args({"article.json"}), QByteArray("{\"name\": \"a\tb\"}"), 2,
         msg(R"(article.json:1:12: invalid JSON: control character U+0009 in a text; write it as \t or \u0009)")},
        {"control character inside a text", args({"article.json"}), QByteArray("{\"name\":\n \"a\x01\"}"), 2,
         msg(R"(article.json:2:4: invalid JSON: control character U+0001 in a text; write it as \u0001)")},
        {"NUL inside a text", args({"article.json"}), QByteArray("{\"name\": \"a\0b\"}", 15), 2,
         msg(R"(article.json:1:12: invalid JSON: control character U+0000 in a text; write it as \u0000)")},
        {"NUL after the object", args({"article.json"}), QByteArray("{}\0", 3), 2,
         msg("article.json:1:3: invalid JSON: a NUL byte (0x00), which a JSON text cannot hold")},
        {"first surrogate half alone", args({"article.json"}), QByteArray(R"({"name": "\ud800"})"), 2,
         msg(R"(article.json:1:11: invalid JSON: "\ud800" is the first half of a surrogate pair, but no second half )"
             R"((\uDC00 to \uDFFF) follows it)")},
        {"second surrogate half alone", args({"article.json"}), QByteArray(R"({"name": "\\\udc00"})"), 2,
         msg(R"(article.json:1:13: invalid JSON: "\udc00" is the second half of a surrogate pair, but no first half )"
             R"((\uD800 to \uDBFF) stands before it)")},
        {"number too large", args({"article.json"}), QByteArray(R"({"version": 1e999})"), 2,
         msg("article.json:1:13: the number 1e999 is too large to be read (the largest is about 1.8e308)")},
        {"text not closed", args({"article.json"}), QByteArray("{\"name\": \"Harbour Raid}"), 2,
         msg("article.json:1:10: invalid JSON: a text is not closed with a double quote")},
        {"file cut short", args({"article.json"}), QByteArray("{\"name\": \"a\",\n"), 2,
         msg("article.json:2:1: invalid JSON: the file ends too early")},
        {"partial word", args({"article.json"}), QByteArray(R"({"features": nul})"), 2,
         msg("article.json:1:14: invalid JSON: expected a value: a text in double quotes, a number, true, false, "
             "null, an object or an array")},
        {"nested too deeply", args({"article.json"}), QByteArray(600, '['), 2,
         msg("article.json:1:513: invalid JSON: objects and arrays are nested more than 512 levels deep")},

        // Keys and values.
        {"number for a text", args({"article.json"}), QByteArray("{\n    \"version\": 1.2\n}"), 2,
         msg(R"(article.json:2:5: "version" %1, not a number; put it in quotes)", {textType})},
        {"object for a text", args({"article.json"}), QByteArray(R"({"name": {"first": "a"}})"), 2,
         msg(R"(article.json:1:2: "name" %1, not an object)", {textType})},
        {"number in the lines of a text", args({"article.json"}), QByteArray(R"({"description": ["a", 2]})"), 2,
         msg(R"(article.json:1:23: line 2 of "description" must be a string, not a number)")},
        {"text for the contacts", args({"article.json"}), QByteArray(R"({"contacts": "raid.team"})"), 2,
         msg(R"(article.json:1:2: "contacts" must be an object with the keys "web", "email", "skype", "icq" and "other", not a text)")},
        {"text for the installation", args({"article.json"}), QByteArray(R"({"installation": "Addon"})"), 2,
         msg(R"(article.json:1:2: "installation" must be an object with the keys "kind" and "text", not a text)")},
        {"number for the kind", args({"article.json"}), QByteArray(R"({"kind": 2})"), 2,
         msg(R"(article.json:1:2: "kind" must be a text, one of "SP mission", "MP mission", "Addon" or "Mod", not a number)")},
        {"true for the installation kind", args({"article.json"}), QByteArray(R"({"installation": {"kind": true}})"), 2,
         msg(R"(article.json:1:19: "installation.kind" must be a text, one of "SP mission", "MP mission", "Addon", "Mod" or "Own description", not true or false)")},
        {"unknown article kind", args({"article.json"}), QByteArray(R"({"kind": "mp mission"})"), 2,
         msg(R"(article.json:1:10: unknown article kind "mp mission"; the article kinds are %1)", {kinds})},
        {"unknown installation kind", args({"article.json"}),
         QByteArray(R"({"installation": {"kind": "Own Description"}})"), 2,
         msg(R"(article.json:1:27: unknown installation kind "Own Description"; the installation kinds are "SP mission", "MP mission", "Addon", "Mod" and "Own description")")},
        {"text beside a template kind", args({"article.json"}),
         QByteArray(R"({"installation": {"kind": "Mod", "text": "x"}})"), 2,
         msg(R"(article.json:1:34: "installation.text" is used only with the installation kind "Own description", not with "Mod")")},
        {"unknown key", args({"article.json"}), QByteArray("{\n    \"verison\": \"1.3\"\n}"), 2,
         msg(R"(article.json:2:5: unknown key "verison"; the closest known key is "version")")},
        {"unknown key of the contacts", args({"article.json"}), QByteArray(R"({"contacts": {"skyp": "x"}})"), 2,
         msg(R"(article.json:1:15: unknown key "contacts.skyp"; the closest known key is "contacts.skype")")},
        {"contact at the top", args({"article.json"}), QByteArray(R"({"icq": "123"})"), 2,
         msg(R"(article.json:1:2: unknown key "icq"; the closest known key is "contacts.icq")")},
        {"dotted key", args({"article.json"}), QByteArray(R"({"contacts.web": "x"})"), 2,
         msg(R"(article.json:1:2: unknown key "contacts.web"; write "web" inside the object "contacts")")},
        {"key in other capitals", args({"article.json"}), QByteArray(R"({"ReleaseDate": "x"})"), 2,
         msg(R"(article.json:1:2: unknown key "ReleaseDate"; the closest known key is "releaseDate")")},
        {"key given twice", args({"article.json"}), QByteArray("{\n    \"version\": \"1\",\n    \"version\": \"2\"\n}"),
         2, msg(R"(article.json:3:5: key "version" is given more than once (first in line 2))")},
        {"newer format", args({"article.json"}), QByteArray(R"({"formatVersion": 2, "bogus": 1})"), 2,
         msg("article.json:1:2: the file was written by a newer version of Kestrin Editor (format version 2); this "
             "version reads format version 1")},
        {"format version as a text", args({"article.json"}), QByteArray(R"({"formatVersion": "1"})"), 2,
         msg(R"(article.json:1:2: "formatVersion" must be a whole number such as 1, not a text)")},
        {"every problem of a file, in order", args({"article.json"}),
         QByteArray("{\n    \"credit\": \"x\",\n    \"kind\": \"Tank\",\n    \"version\": 2\n}"), 2,
         msg(R"(article.json:2:5: unknown key "credit"; the closest known key is "credits")")
             + msg(R"(article.json:3:13: unknown article kind "Tank"; the article kinds are %1)", {kinds})
             + msg(R"(article.json:4:5: "version" %1, not a number; put it in quotes)", {textType})},

        // The ReadMe cannot be written.
        {"characters the code page cannot hold", args({"article.json", "--encoding", "windows-1252"}),
         QByteArray("{\"name\": \"Łódź\",\n \"credits\": \"Ж\"}"), 1,
         lines({"kestrin-readme: the ReadMe holds characters that windows-1252 cannot hold:",
                "  line 1, column 14: U+0141 (Ł)", "  line 1, column 17: U+017A (ź)", "  line 35, column 1: U+0416 (Ж)",
                "kestrin-readme: nothing was written; choose another --encoding (such as utf-8), or --replace to "
                "write \"?\" in their place"})},
        {"missing folder",
         args({"article.json", "-o", "nofolder/out.txt"}),
         {},
         1,
         msg(R"(kestrin-readme: cannot write "nofolder/out.txt": No such file or directory)"),
         false},
        {"folder as output",
         args({"article.json", "-o", "sub"}),
         {},
         1,
         msg(R"(kestrin-readme: cannot write "sub": Filename refers to a directory)"),
         false,
         [](const QString &folder) { QDir(folder).mkdir(QStringLiteral("sub")); }},
        {"folder without permission to write",
         args({"article.json", "-o", "ro/out.txt"}),
         {},
         1,
         msg(R"(kestrin-readme: cannot write "ro/out.txt": Permission denied)"),
         false,
         readOnlyFolder,
         true},
        {"standard output full",
         args({"article.json"}),
         {},
         1,
         msg("kestrin-readme: cannot write to standard output: No space left on device"),
         false,
         {},
         false,
         QStringLiteral("/dev/full")},
        {"help into a full device",
         args({"--help"}),
         {},
         1,
         msg("kestrin-readme: cannot write to standard output: No space left on device"),
         false,
         {},
         false,
         QStringLiteral("/dev/full")},
        {"version into a full device",
         args({"--version"}),
         {},
         1,
         msg("kestrin-readme: cannot write to standard output: No space left on device"),
         false,
         {},
         false,
         QStringLiteral("/dev/full")},
        // What is quoted from the input cannot steer the terminal, and a huge
        // key is not repeated whole.
        {"control characters in a key", args({"article.json"}),
         QByteArray("{\"na\\u001b]0;title\\u0007\x7f\xc2\x9bme\": \"x\"}"), 2,
         msg(R"(article.json:1:2: unknown key "na\u001b]0;title\u0007\u007f\u009bme"; the closest known key is "name")")},
        {"control characters in a value", args({"article.json"}), QByteArray("{\"kind\": \"\\u001b[2J\\r\"}"), 2,
         msg(R"(article.json:1:10: unknown article kind "\u001b[2J\u000d"; the article kinds are "SP mission", "MP mission", "Addon" and "Mod")")},
        {"control characters in --set",
         args({"article.json", "--set", "ver\x1b[2Jsion=1"}),
         {},
         2,
         msg(R"(kestrin-readme: --set ver\u001b[2Jsion: unknown key "ver\u001b[2Jsion"; the closest known key is "version")")},
        {"a key of a million characters", args({"article.json"}), "{\"" + QByteArray(1000000, 'k') + "\": 1}", 2,
         msg("article.json:1:2: unknown key \"%1\u2026\"; the closest known key is \"kind\"", {QString(80, u'k')})},
    };
}

} // namespace

TEST(CliErrors, EachIsReportedAndNothingIsWritten)
{
    for (const ErrorRow &row : errorRows()) {
        struct Variant {
            QStringList extra;
            QString target; // the output file, when the variant names one
            bool exists;
        };
        QList<Variant> variants{{{}, {}, false}};
        if (row.outputVariants) {
            variants << Variant{{QStringLiteral("-o"), QStringLiteral("out.txt")}, QStringLiteral("out.txt"), true};
            variants << Variant{{QStringLiteral("-o"), QStringLiteral("new.txt")}, QStringLiteral("new.txt"), false};
        }
        for (const Variant &variant : variants) {
            QTemporaryDir dir;
            ASSERT_TRUE(dir.isValid());
            ASSERT_TRUE(
                writeFileBytes(dir.filePath(QStringLiteral("article.json")), row.article.value_or(harbourRaid())));
            if (variant.exists) {
                ASSERT_TRUE(writeFileBytes(dir.filePath(variant.target), "the old ReadMe\r\n"));
            }
            if (row.prepare)
                row.prepare(dir.path());
            const QMap<QString, QByteArray> before = snapshot(dir.path());

            CliRun run;
            run.args = row.args + variant.extra;
            run.workingDirectory = dir.path();
            run.unprivileged = row.unprivileged;
            run.stdoutFile = row.stdoutFile;
            const CliResult r = runCli(run);
            const std::string what = std::string(row.name) + " " + variant.extra.join(QLatin1Char(' ')).toStdString();

            EXPECT_FALSE(r.crashed) << what;
            EXPECT_EQ(r.exitCode, row.exit) << what;
            EXPECT_EQ(r.errText().toStdString(), row.message.toStdString()) << what;
            EXPECT_TRUE(r.out.isEmpty()) << what;
            EXPECT_EQ(snapshot(dir.path()), before) << what;
        }
    }
}

TEST_F(Cli, FormatWritesEachExportAndRefusesEncodingsBesideText)
{
    const QString article = sourcePath(QStringLiteral("examples/harbour-raid.json"));
    const struct {
        const char *format;
        const char *golden; // empty: the plain text, as without --format
    } formats[] = {{"text", ""},
                   {"bbcode", "tests/core/exports/worked-example.bbcode.txt"},
                   {"MarkDown", "tests/core/exports/worked-example.md"}};
    const QByteArray plain = run({article}).out;
    for (const auto &f : formats) {
        SCOPED_TRACE(f.format);
        const QByteArray expected = *f.golden ? readFileBytes(sourcePath(QLatin1String(f.golden))) : plain;
        const CliResult out = run({QStringLiteral("--format"), QLatin1String(f.format), article});
        EXPECT_EQ(out.exitCode, 0) << out.errText().toStdString();
        EXPECT_EQ(out.out, expected);
        const CliResult toFile = run({QStringLiteral("--format=") + QLatin1String(f.format), QStringLiteral("-o"),
                                      QStringLiteral("out"), article});
        EXPECT_EQ(toFile.exitCode, 0) << toFile.errText().toStdString();
        EXPECT_EQ(readFileBytes(path(QStringLiteral("out"))), expected);
    }

    const struct {
        QStringList args;
        const char *message;
    } refused[] = {
        {{"--format", "markdown", "--encoding", "utf-8"},
         "kestrin-readme: option \"--encoding\" applies to --format text only; markdown is always written in UTF-8\n"},
        {{"--format", "bbcode", "--replace"},
         "kestrin-readme: option \"--replace\" applies to --format text only; bbcode is always written in UTF-8\n"},
        {{"--format", "html"}, "kestrin-readme: unknown format \"html\"; the formats are text, bbcode and markdown\n"},
    };
    for (const auto &r : refused) {
        SCOPED_TRACE(r.message);
        const CliResult result = run(r.args + QStringList{QStringLiteral("-o"), QStringLiteral("refused"), article});
        EXPECT_EQ(result.exitCode, 2);
        EXPECT_EQ(result.errText(), QString::fromUtf8(r.message));
        EXPECT_FALSE(QFile::exists(path(QStringLiteral("refused"))));
    }
}
