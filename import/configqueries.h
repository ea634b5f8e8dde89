// SPDX-License-Identifier: MIT
#pragma once

// What the import looks for in each kind of config: the addons a mission
// needs and its briefing name (mission.sqm), its name, author and players
// (description.ext), an addon's CfgPatches classes (config.cpp,
// config.bin), a Mod folder's mod.cpp.

#include "configtree.h"

#include <QList>

namespace kestrin::import {

struct Found {
    QString value;
    SourceRef where;
    bool isEmpty() const { return value.isEmpty(); }
};

struct MissionFacts {
    QList<Found> addons; // addOns[] and addOnsAuto[] of Mission, Intro, OutroWin, OutroLoose, in that order
    Found briefingName;  // Mission > Intel > briefingName
};
MissionFacts queryMission(const ConfigClass &root);
// What queryMission needs of a mission.sqm: the top classes' values and
// their Intel classes, not the units, markers and triggers.
bool missionClassWanted(const QStringList &path);

struct DescriptionFacts {
    Found onLoadName;
    Found author;
    Found gameType; // Header
    Found minPlayers;
    Found maxPlayers;
};
DescriptionFacts queryDescription(const ConfigClass &root);

struct PatchFacts {
    Found className;
    QList<Found> requiredAddons;
    Found requiredVersion;
    Found name;
    Found author; // a string, or an array's items joined by ", "
    Found url;
};
QList<PatchFacts> queryPatches(const ConfigClass &root);
// What queryPatches needs of a config: CfgPatches only.
bool patchesClassWanted(const QStringList &path);

struct ModFacts {
    Found name;
    Found author;
    Found action; // the web address the launcher's button opens
    Found actionName;
    Found description;
};
ModFacts queryMod(const ConfigClass &root);

} // namespace kestrin::import
