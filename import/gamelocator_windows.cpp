// SPDX-License-Identifier: MIT
// Windows: the keys the game's installers write, and Steam's own key.
#include "gamelocator.h"

#include <QDir>
#include <QSettings>

namespace kestrin::import {

QStringList platformRegistryGameFolders()
{
    // Arma 2 before Operation Arrowhead, whichever view (64-bit, or the
    // 32-bit installers' WOW6432Node) holds each.
    QStringList out;
    for (const char *game : {"Bohemia Interactive Studio\\ArmA 2", "Bohemia Interactive\\ArmA 2",
                             "Bohemia Interactive Studio\\ArmA 2 OA", "Bohemia Interactive\\ArmA 2 OA"}) {
        for (const char *base : {"HKEY_LOCAL_MACHINE\\SOFTWARE", "HKEY_LOCAL_MACHINE\\SOFTWARE\\WOW6432Node"}) {
            QSettings key(QLatin1String(base) + QLatin1Char('\\') + QLatin1String(game), QSettings::NativeFormat);
            const QString main = key.value(QStringLiteral("MAIN")).toString();
            if (!main.isEmpty())
                out.append(QDir::fromNativeSeparators(main));
        }
    }
    return out;
}

QStringList platformSteamRoots()
{
    QStringList out;
    QSettings user(QStringLiteral("HKEY_CURRENT_USER\\Software\\Valve\\Steam"), QSettings::NativeFormat);
    const QString path = user.value(QStringLiteral("SteamPath")).toString();
    if (!path.isEmpty())
        out.append(QDir::fromNativeSeparators(path));
    for (const char *base :
         {"HKEY_LOCAL_MACHINE\\SOFTWARE\\Valve\\Steam", "HKEY_LOCAL_MACHINE\\SOFTWARE\\WOW6432Node\\Valve\\Steam"}) {
        QSettings machine(QLatin1String(base), QSettings::NativeFormat);
        const QString install = machine.value(QStringLiteral("InstallPath")).toString();
        if (!install.isEmpty())
            out.append(QDir::fromNativeSeparators(install));
    }
    return out;
}

} // namespace kestrin::import
