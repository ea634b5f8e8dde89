// SPDX-License-Identifier: MIT
// Linux and macOS: no registry; Steam's folders in the home folder (the
// native, the Debian package's and the Flatpak's). Games run through Proton
// live in the same libraries.
#include "gamelocator.h"

#include <QDir>

namespace kestrin::import {

QStringList platformRegistryGameFolders()
{
    return {};
}

QStringList platformSteamRoots()
{
    const QString home = QDir::homePath();
    return {
        home + QLatin1String("/.steam/steam"),
        home + QLatin1String("/.steam/root"),
        home + QLatin1String("/.local/share/Steam"),
        home + QLatin1String("/.var/app/com.valvesoftware.Steam/.local/share/Steam"),
        home + QLatin1String("/Library/Application Support/Steam"),
    };
}

} // namespace kestrin::import
