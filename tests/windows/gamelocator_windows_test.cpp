// SPDX-License-Identifier: MIT
// Where the game is on Windows: the keys its installers write (under
// WOW6432Node for the 32-bit installers) and Steam's own key, read from the
// registry (Wine's, here). Each key is written for the test and removed.
#include "gamelocator.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QSettings>
#include <QTemporaryDir>

using namespace kestrin::import;

namespace {

struct RegistryValue {
    QString key;
    QString name;
};

class RegistryKeys {
public:
    void set(const RegistryValue &where, const QString &value)
    {
        QSettings(where.key, QSettings::NativeFormat).setValue(where.name, value);
        written.append(where);
    }
    ~RegistryKeys()
    {
        for (const RegistryValue &where : written)
            QSettings(where.key, QSettings::NativeFormat).remove(where.name);
    }

private:
    QList<RegistryValue> written;
};

std::string lines(const QStringList &paths)
{
    return paths.join(QLatin1Char('\n')).toStdString();
}

QString made(const QTemporaryDir &dir, const QString &folder)
{
    const QString path = dir.filePath(folder);
    QDir().mkpath(path);
    return QDir(path).canonicalPath();
}

} // namespace

TEST(GameLocatorWindows, RegistryKeysOfTheGameAndOfSteamAreFound)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString arma = made(dir, QStringLiteral("Bohemia Interactive/ArmA 2"));
    const QString arrowhead = made(dir, QStringLiteral("Bohemia Interactive/ArmA 2 OA"));
    const QString steam = made(dir, QStringLiteral("Steam"));
    const QString steamArma = made(dir, QStringLiteral("Steam/steamapps/common/Arma 2"));
    const QString machineSteam = made(dir, QStringLiteral("Machine Steam"));
    const QString machineArrowhead =
        made(dir, QStringLiteral("Machine Steam/steamapps/common/Arma 2 Operation Arrowhead"));

    const struct {
        const char *key;
        const char *name;
        QString value; // native separators, as the installers write them
    } rows[] = {
        {"HKEY_LOCAL_MACHINE\\SOFTWARE\\WOW6432Node\\Bohemia Interactive Studio\\ArmA 2", "MAIN",
         QDir::toNativeSeparators(arma)},
        {"HKEY_LOCAL_MACHINE\\SOFTWARE\\Bohemia Interactive\\ArmA 2 OA", "main", QDir::toNativeSeparators(arrowhead)},
        {"HKEY_CURRENT_USER\\Software\\Valve\\Steam", "SteamPath", steam},
        {"HKEY_LOCAL_MACHINE\\SOFTWARE\\WOW6432Node\\Valve\\Steam", "InstallPath",
         QDir::toNativeSeparators(machineSteam)},
    };
    RegistryKeys keys;
    for (const auto &row : rows)
        keys.set({QLatin1String(row.key), QLatin1String(row.name)}, row.value);

    EXPECT_EQ(lines(platformRegistryGameFolders()), lines({arma, arrowhead}));
    EXPECT_EQ(lines(platformSteamRoots()), lines({steam, machineSteam}));
    EXPECT_EQ(lines(findGameInstallations()), lines({arma, arrowhead, steamArma, machineArrowhead}));
}

TEST(GameLocatorWindows, NoKeysNoFolders)
{
    EXPECT_EQ(lines(findGameInstallations()), "");
}
