// SPDX-License-Identifier: MIT
#pragma once

// Where the game is installed, found without asking: the folders the
// game's installer wrote into the Windows registry, and the Steam library
// folders (Steam's own folder and every library in its
// libraryfolders.vdf; on Linux also the Flatpak Steam, the game then runs
// through Proton from the same library).

#include <QString>
#include <QStringList>

namespace kestrin::import {

// The game folders found on this computer, each once, Arma 2 before
// Operation Arrowhead.
QStringList findGameInstallations();

// The same search with the Steam folders and registry folders given (for
// tests, and used by findGameInstallations with this platform's).
QStringList findGameInstallations(const QStringList &steamRoots, const QStringList &registryFolders);

// The library folders a Steam installation knows: itself and the "path"
// values of steamapps/libraryfolders.vdf (or config/libraryfolders.vdf).
QStringList steamLibraries(const QString &steamRoot);

// This platform's candidates (platform files).
QStringList platformSteamRoots();
QStringList platformRegistryGameFolders();

} // namespace kestrin::import
