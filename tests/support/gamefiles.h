// SPDX-License-Identifier: MIT
#pragma once

// Writers of the game's file formats for the tests, so that no game file
// is needed: PBOs (with the product entry, LZSS-compressed entries and the
// trailing checksum), LZSS streams, and binarized ("raP") configs written
// from a config tree. Plus the fixtures the import tests share: missions,
// addons, a Mod and a game installation, made in a folder.

#include "configtree.h"

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

#include <array>

namespace kestrin::testing {

struct PboFile {
    QByteArray name; // "\" between folders, as the game writes it
    QByteArray data;
    bool compress = false;
};

struct PboOptions {
    QList<QPair<QByteArray, QByteArray>> properties; // the product entry; none when empty
    bool checksum = true;
};

// Greedy LZSS with the four-byte sum after the data.
QByteArray lzssCompress(QByteArrayView data);
QByteArray makePbo(const QList<PboFile> &files, const PboOptions &options = {});
// The tree in the binarized form.
QByteArray makeRap(const kestrin::import::ConfigClass &root);
// A text config parsed and written binarized.
QByteArray rapFromText(const QByteArray &text);

bool writeFile(const QString &path, const QByteArray &data);

// The shared fixtures, each made below `base` and its path returned.
namespace fixtures {
QString spMissionFolder(const QString &base);        // missions/Escape.Chernarus
QString spMissionPbo(const QString &base);           // missions/Escape.Chernarus.pbo (product entry, compressed)
QString binarizedMissionFolder(const QString &base); // missions/Binary.Utes, binarized mission.sqm
QString mpMissionFolder(const QString &base);        // other/co08_Convoy.Takistan, Header class
QString addonPbo(const QString &base);               // addons/kst_vehicles.pbo, two CfgPatches
QString modFolder(const QString &base);              // @KestrinUnits with mod.cpp and addons/*.pbo
QString gameInstallation(const QString &base);       // game/ with AddOns and Expansion/Addons

// Every fixture an import reads (all above but the game), each with the
// name that its golden files go by.
struct Importable {
    const char *name;
    QString (*make)(const QString &base);
};
extern const std::array<Importable, 6> kImportables;
} // namespace fixtures

} // namespace kestrin::testing
