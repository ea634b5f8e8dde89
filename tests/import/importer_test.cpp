// SPDX-License-Identifier: MIT
// The import's proposals for each fixture, golden: kind, name, author(s),
// web address, game version, required addons (each with where it was
// found) and the notes. KESTRIN_UPDATE_GOLDEN=1 rewrites the golden files.

#include "gamefiles.h"
#include "gamescan.h"
#include "importer.h"
#include "pipesanddevices.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace kestrin::import;
using namespace kestrin::testing;

namespace {

const char *fieldName(ProposalField field)
{
    switch (field) {
    case ProposalField::Kind: return "kind";
    case ProposalField::Name: return "name";
    case ProposalField::Author: return "author";
    case ProposalField::WebAddress: return "web address";
    case ProposalField::GameVersion: return "game version";
    case ProposalField::RequiredAddons: return "required addons";
    case ProposalField::Description: return "description";
    }
    return "?";
}

// The result as text, the temporary folder written as <base>.
QString dump(const ImportResult &result, const QString &base)
{
    QStringList lines;
    const char *what[] = {"nothing", "mission", "addon", "mod"};
    lines.append(QStringLiteral("read: %1").arg(QLatin1String(what[int(result.what)])));
    for (const Proposal &p : result.proposals) {
        QString value = p.value;
        value.replace(QLatin1String("\r\n"), QLatin1String(" | "));
        lines.append(
            QStringLiteral("%1: %2    <- %3").arg(QLatin1String(fieldName(p.field)), value, p.where.display()));
    }
    for (const Found &f : result.requiredAddons)
        lines.append(QStringLiteral("  addon %1    <- %2").arg(f.value, f.where.display()));
    for (const Found &f : result.officialLeftOut)
        lines.append(QStringLiteral("  official %1    <- %2").arg(f.value, f.where.display()));
    for (const Found &f : result.ownClasses)
        lines.append(QStringLiteral("  own %1    <- %2").arg(f.value, f.where.display()));
    for (const ImportNote &n : result.notes)
        lines.append(QStringLiteral("note: %1").arg(n.display()));
    lines.append(QStringLiteral("official: %1").arg(result.official));
    return lines.join(QLatin1Char('\n')).replace(base, QLatin1String("<base>")) + QLatin1Char('\n');
}

void expectGolden(const QString &name, const QString &actual)
{
    const QString path = QStringLiteral(KESTRIN_IMPORT_GOLDEN_DIR "/") + name + QLatin1String(".txt");
    if (qEnvironmentVariableIsSet("KESTRIN_UPDATE_GOLDEN")) {
        ASSERT_TRUE(writeFile(path, actual.toUtf8()));
        return;
    }
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << "no golden file " << path.toStdString();
    EXPECT_EQ(QString::fromUtf8(file.readAll()).toStdString(), actual.toStdString()) << "golden " << name.toStdString();
}

class ImportTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        base = QDir(dir.path()).canonicalPath();
        official = scanInstallations({fixtures::gameInstallation(base)}, nullptr).addons;
    }
    QTemporaryDir dir;
    QString base;
    OfficialAddons official;
};

} // namespace

TEST_F(ImportTest, FixturesGiveTheirProposals)
{
    for (const auto &c : fixtures::kImportables) {
        SCOPED_TRACE(c.name);
        const QString path = c.make(base);
        expectGolden(QLatin1String(c.name), dump(importArticle(path, official), base));
    }
}

TEST_F(ImportTest, ShippedListStandsInWithoutAnInstallation)
{
    const ImportResult result = importArticle(fixtures::mpMissionFolder(base), shippedOfficialAddons());
    expectGolden(QStringLiteral("mp-mission-shipped-list"), dump(result, base));
    EXPECT_TRUE(result.official.contains(QLatin1String("shipped")));
}

TEST_F(ImportTest, DamagedInputGivesNotesAndKeepsTheRest)
{
    // A Mod whose second PBO is damaged: the first one's proposals stay.
    const QString mod = fixtures::modFolder(base);
    QFile damaged(mod + QLatin1String("/addons/kst_weapons.pbo"));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly | QIODevice::Truncate));
    damaged.write("not a pbo at all");
    damaged.close();
    writeFile(mod + QLatin1String("/addons/kst_empty.pbo"), QByteArray());
    const ImportResult partial = importArticle(mod, official);
    EXPECT_TRUE(partial.readSomething());
    ASSERT_NE(partial.proposal(ProposalField::RequiredAddons), nullptr);
    EXPECT_EQ(partial.proposal(ProposalField::RequiredAddons)->value,
              QStringLiteral("CACharacters_E\r\nkst_weapons\r\nCBA_Main"));
    EXPECT_EQ(partial.notes.size(), 2);

    // Nothing readable at all.
    const QString pipe = makeIdlePipe(base);
    ASSERT_FALSE(pipe.isEmpty());
    writeFile(base + QLatin1String("/broken.pbo"), QByteArray("\0sreV", 5));
    QDir().mkpath(base + QLatin1String("/empty"));
    writeFile(base + QLatin1String("/readme.txt"), "hello");
    for (const QString &path : {pipe, base + QLatin1String("/broken.pbo"), base + QLatin1String("/empty"),
                                base + QLatin1String("/readme.txt"), base + QLatin1String("/missing.pbo")}) {
        SCOPED_TRACE(path.toStdString());
        const ImportResult nothing = importArticle(path, official);
        EXPECT_FALSE(nothing.readSomething());
        EXPECT_TRUE(nothing.proposals.isEmpty());
        EXPECT_EQ(nothing.notes.size(), 1);
    }
}

TEST_F(ImportTest, DamagedMissionEntryKeepsTheDescription)
{
    // mission.sqm's entry reaches past the end; description.ext is read.
    const QString path = fixtures::spMissionPbo(base);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    QByteArray bytes = file.readAll();
    const qsizetype at = bytes.indexOf("mission.sqm") + 12;
    bytes.replace(at + 16, 4, QByteArray("\0\0\0\x7f", 4));
    file.seek(0);
    file.write(bytes);
    file.close();
    const ImportResult result = importArticle(path, official);
    EXPECT_TRUE(result.readSomething());
    ASSERT_NE(result.proposal(ProposalField::Name), nullptr);
    EXPECT_EQ(result.proposal(ProposalField::Name)->value, QStringLiteral("Escape"));
    EXPECT_GE(result.notes.size(), 2); // the header, then the entry
}
