// SPDX-License-Identifier: MIT
#pragma once

// Which official addons an import leaves out, chosen the same way by the
// window and by kestrin-readme: the game folder given (--game, or the one
// set in the window and kept in the settings), else the installations
// found on this computer, else the list shipped with the program. Scans
// are cached in the user's cache folder.

#include "gamescan.h"

#include <QString>

namespace kestrin::import {

// The game folder set in the window, kept in the editor's settings; empty
// when none was set.
QString savedGameFolder();
void saveGameFolder(const QString &folder);

// Where the scan cache is kept.
QString scanCachePath();

// The installations to scan: `given` when not empty, else the saved
// folder, else those found on this computer.
QStringList gameFoldersToScan(const QString &given);

// The official addons for an import, with the scan's figures in *details.
OfficialAddons resolveOfficialAddons(const QString &given, const ScanProgress &progress = {},
                                     ScanResult *details = nullptr);

} // namespace kestrin::import
