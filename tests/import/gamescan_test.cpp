// SPDX-License-Identifier: MIT
// The game installation: found through Steam's library folders, scanned
// for its official CfgPatches classes with their products, and cached so
// that a second scan reads no PBO.

#include "gamefiles.h"
#include "gamelocator.h"
#include "gamescan.h"
#include "officialsource.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <atomic>

using namespace kestrin::import;
using namespace kestrin::testing;

TEST(GameScan, FindsClassesWithTheirProducts)
{
    QTemporaryDir dir;
    const QString game = fixtures::gameInstallation(dir.path());
    const ScanResult scan = scanInstallations({game}, nullptr);
    EXPECT_EQ(scan.pboCount, 4);
    const struct {
        const char16_t *name;
        GameProduct product;
    } cases[] = {
        {u"chernarus", GameProduct::Arma2},
        {u"CAWHEELED", GameProduct::Arma2},
        {u"CA_Modules_Functions", GameProduct::Arma2},
        {u"CAWheeled_E", GameProduct::OperationArrowhead},
        {u"Takistan", GameProduct::OperationArrowhead},
        {u"CAWheeled_BAF", GameProduct::BritishArmedForces},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(QString::fromUtf16(c.name).toStdString());
        ASSERT_TRUE(scan.addons.contains(QStringView(c.name)));
        EXPECT_EQ(scan.addons.product(QStringView(c.name)), c.product);
    }
    EXPECT_EQ(scan.addons.size(), 6);
    EXPECT_FALSE(scan.addons.contains(u"kst_vehicles"));
    EXPECT_LT(scan.bytesRead, scan.bytesTotal / 4); // the model is never read
}

TEST(GameScan, CacheAnswersUntilAFileChanges)
{
    QTemporaryDir dir;
    const QString game = fixtures::gameInstallation(dir.path());
    const QString cachePath = dir.filePath(QStringLiteral("cache/official-addons.json"));
    {
        ScanCache cache;
        cache.load(cachePath);
        const ScanResult first = scanInstallations({game}, &cache);
        EXPECT_EQ(first.fromCache, 0);
        EXPECT_GT(first.bytesRead, 0);
    }
    ScanCache cache;
    ASSERT_TRUE(cache.load(cachePath));
    const ScanResult second = scanInstallations({game}, &cache);
    EXPECT_EQ(second.fromCache, 4);
    EXPECT_EQ(second.bytesRead, 0);
    EXPECT_EQ(second.addons.size(), 6);

    // A PBO replaced by one of another size is read again.
    writeFile(game + QLatin1String("/AddOns/chernarus.pbo"),
              makePbo({{"config.cpp", "class CfgPatches { class Chernarus2 {}; };", false}}));
    const ScanResult third = scanInstallations({game}, &cache);
    EXPECT_EQ(third.fromCache, 3);
    EXPECT_TRUE(third.addons.contains(u"chernarus2"));
    EXPECT_FALSE(third.addons.contains(u"chernarus"));
}

TEST(GameScan, CancelKeepsWhatWasScannedAndShippedListStandsIn)
{
    QTemporaryDir dir;
    const QString game = fixtures::gameInstallation(dir.path());
    std::atomic_bool cancel = false;
    int steps = 0;
    ScanProgress progress;
    progress.cancel = &cancel;
    progress.step = [&](int done, int total) {
        ++steps;
        EXPECT_EQ(total, 4);
        if (done == 2)
            cancel = true;
    };
    const ScanResult scan = scanInstallations({game}, nullptr, progress);
    EXPECT_TRUE(scan.cancelled);
    EXPECT_EQ(steps, 2);

    const OfficialAddons none = officialAddonsFor({dir.filePath(QStringLiteral("nothing"))}, nullptr);
    EXPECT_EQ(none.origin(), OfficialAddons::Origin::Shipped);
    EXPECT_TRUE(none.contains(u"CAWheeled"));
    EXPECT_FALSE(none.listDate().isEmpty());
    const OfficialAddons found = officialAddonsFor({game}, nullptr);
    EXPECT_EQ(found.origin(), OfficialAddons::Origin::Installation);
}

TEST(GameLocator, SteamLibrariesAndRegistryFolders)
{
    QTemporaryDir dir;
    const QString steam = dir.filePath(QStringLiteral("steam"));
    const QString library = dir.filePath(QStringLiteral("Games/SteamLibrary"));
    QDir().mkpath(steam + QLatin1String("/steamapps/common/Arma 2"));
    QDir().mkpath(library + QLatin1String("/steamapps/common/Arma 2 Operation Arrowhead"));
    QDir().mkpath(dir.filePath(QStringLiteral("BI/ArmA 2")));
    writeFile(
        steam + QLatin1String("/steamapps/libraryfolders.vdf"),
        QStringLiteral(
            "\"libraryfolders\"\n{\n\t\"0\"\n\t{\n\t\t\"path\"\t\t\"%1\"\n\t}\n\t\"1\"\n\t{\n\t\t\"path\"\t\t\"%2\"\n\t}\n}\n")
            .arg(steam, library)
            .toUtf8());
    const QStringList found = findGameInstallations({steam, dir.filePath(QStringLiteral("no-steam"))},
                                                    {dir.filePath(QStringLiteral("BI/ArmA 2")), QString()});
    const QString canonical = QDir(dir.path()).canonicalPath();
    EXPECT_EQ(found,
              QStringList(
                  {canonical + QLatin1String("/BI/ArmA 2"), canonical + QLatin1String("/steam/steamapps/common/Arma 2"),
                   canonical + QLatin1String("/Games/SteamLibrary/steamapps/common/Arma 2 Operation Arrowhead")}));
}

TEST(GameScan, GivenFolderThenSavedFolderThenTheSearch)
{
    QTemporaryDir dir;
    const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
    const QByteArray home = qgetenv("HOME");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.filePath(QStringLiteral("config"))));
    qputenv("HOME", QFile::encodeName(dir.path()));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.filePath(QStringLiteral("config")));
    saveGameFolder(QString());
    EXPECT_TRUE(gameFoldersToScan(QString()).isEmpty()); // no Steam in this home
    saveGameFolder(QStringLiteral("/games/arma2"));
    EXPECT_EQ(savedGameFolder(), QStringLiteral("/games/arma2"));
    EXPECT_EQ(gameFoldersToScan(QString()), QStringList({"/games/arma2"}));
    EXPECT_EQ(gameFoldersToScan(QStringLiteral("/given")), QStringList({"/given"}));
    saveGameFolder(QString());
    EXPECT_TRUE(savedGameFolder().isEmpty());
    qputenv("XDG_CONFIG_HOME", saved);
    qputenv("HOME", home);
}
