// SPDX-License-Identifier: MIT
// kestrin-readme --import, --import-only and --game on the import's
// fixtures: the ReadMe and the merged article, golden; notes on standard
// error; exit status 2 only when nothing could be read.
// KESTRIN_UPDATE_GOLDEN=1 rewrites the golden files.

#include "clitestsupport.h"
#include "gamefiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace kestrin::testing;

namespace {

class ImportCli : public ::testing::Test {
protected:
    void SetUp() override
    {
        base = QDir(dir.path()).canonicalPath();
        // No settings, no Steam and no cache of the user's own.
        for (const char *name : {"HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME"}) {
            saved.append({name, qgetenv(name)});
            qputenv(name, QFile::encodeName(base + QLatin1String("/home")));
        }
        game = fixtures::gameInstallation(base);
    }
    void TearDown() override
    {
        for (const auto &[name, value] : saved)
            qputenv(name, value);
    }
    CliResult run(QStringList args)
    {
        CliRun cli;
        cli.args = std::move(args);
        return runCli(cli);
    }

    QTemporaryDir dir;
    QString base;
    QString game;
    QList<QPair<const char *, QByteArray>> saved;
};

void expectGolden(const QString &name, const QByteArray &actual)
{
    const QString path = QStringLiteral(KESTRIN_IMPORT_GOLDEN_DIR "/") + name;
    if (qEnvironmentVariableIsSet("KESTRIN_UPDATE_GOLDEN")) {
        ASSERT_TRUE(writeFile(path, actual));
        return;
    }
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << "no golden file " << path.toStdString();
    EXPECT_EQ(file.readAll().toStdString(), actual.toStdString()) << "golden " << name.toStdString();
}

} // namespace

TEST_F(ImportCli, ReadmeAndArticleOfEachFixture)
{
    for (const auto &c : fixtures::kImportables) {
        SCOPED_TRACE(c.name);
        const QString path = c.make(base);
        const CliResult readme = run({QStringLiteral("--import"), path, QStringLiteral("--game"), game,
                                      QStringLiteral("--encoding"), QStringLiteral("utf-8")});
        ASSERT_EQ(readme.exitCode, 0) << readme.errText().toStdString();
        expectGolden(QLatin1String(c.name) + QLatin1String(".readme.txt"), readme.out);
        EXPECT_TRUE(readme.errText().contains(QLatin1String("game installation"))) << readme.errText().toStdString();

        const CliResult article =
            run({QStringLiteral("--import"), path, QStringLiteral("--game"), game, QStringLiteral("--import-only")});
        ASSERT_EQ(article.exitCode, 0) << article.errText().toStdString();
        expectGolden(QLatin1String(c.name) + QLatin1String(".article.json"), article.out);
    }
}

TEST_F(ImportCli, ProposalsGoOnTopOfTheArticleGiven)
{
    const CliResult merged =
        run({sourcePath(QStringLiteral("examples/harbour-raid.json")), QStringLiteral("--import"),
             fixtures::addonPbo(base), QStringLiteral("--game"), game, QStringLiteral("--import-only")});
    ASSERT_EQ(merged.exitCode, 0) << merged.errText().toStdString();
    expectGolden(QStringLiteral("harbour-raid-with-addon.article.json"), merged.out);
}

TEST_F(ImportCli, DamagedInputGivesNotesOrExitStatusTwo)
{
    const QString mod = fixtures::modFolder(base);
    writeFile(mod + QLatin1String("/addons/kst_weapons.pbo"), "damaged");
    const CliResult partial = run({QStringLiteral("--import"), mod, QStringLiteral("--game"), game});
    EXPECT_EQ(partial.exitCode, 0);
    EXPECT_TRUE(partial.errText().contains(QLatin1String("note: addons/kst_weapons.pbo")))
        << partial.errText().toStdString();
    EXPECT_TRUE(partial.out.contains("CACharacters_E\r\nkst_weapons\r\nCBA_Main\r\n"));

    writeFile(base + QLatin1String("/broken.pbo"), "damaged");
    const struct {
        const char *name;
        QStringList args;
    } failing[] = {
        {"nothing readable", {QStringLiteral("--import"), base + QLatin1String("/broken.pbo")}},
        {"no such path", {QStringLiteral("--import"), base + QLatin1String("/none")}},
        {"--import-only alone",
         {QStringLiteral("--import-only"), sourcePath(QStringLiteral("examples/harbour-raid.json"))}},
        {"--game alone", {QStringLiteral("--game"), game, sourcePath(QStringLiteral("examples/harbour-raid.json"))}},
        {"--import without a path", {QStringLiteral("--import=")}},
    };
    for (const auto &c : failing) {
        SCOPED_TRACE(c.name);
        const CliResult result = run(c.args);
        EXPECT_EQ(result.exitCode, 2);
        EXPECT_TRUE(result.out.isEmpty());
        EXPECT_FALSE(result.err.isEmpty());
    }
}
