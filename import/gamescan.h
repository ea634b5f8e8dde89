// SPDX-License-Identifier: MIT
#pragma once

// The scan of a game installation for its official addons: every PBO in
// the folders the game loads its own content from (AddOns,
// Expansion/Addons, the beta patch and the DLC folders), each remembered
// with its product. Of a PBO only the header and its config entries are
// read. What a PBO gave is kept in a cache by path, size and modification
// time, so that a second scan only looks at the files' dates.

#include "importsource.h"
#include "officialaddons.h"

#include <QHash>
#include <QString>

#include <atomic>
#include <functional>

namespace kestrin::import {

// The classes each PBO gave, by path, size and modification time.
class ScanCache {
public:
    struct Item {
        qint64 size = 0;
        qint64 modified = 0; // ms since the epoch
        QStringList classes;
    };
    // Loads the cache from path (a missing or damaged file is an empty cache).
    bool load(const QString &path);
    // Writes the cache (atomically) to where it was loaded from.
    bool save() const;
    const Item *find(const QString &pbo, qint64 size, qint64 modified) const;
    void insert(const QString &pbo, const Item &item) { m_items.insert(pbo, item); }
    QString path() const { return m_path; }

private:
    QString m_path;
    QHash<QString, Item> m_items;
};

struct ScanProgress {
    // Called after each PBO with how many of how many are done.
    std::function<void(int done, int total)> step;
    // Set from another thread to stop the scan; what was scanned is kept.
    const std::atomic_bool *cancel = nullptr;
};

struct ScanResult {
    OfficialAddons addons;
    int pboCount = 0;
    int fromCache = 0;
    qint64 bytesRead = 0;  // of the PBOs (not the cache)
    qint64 bytesTotal = 0; // the PBOs' sizes
    bool cancelled = false;
    ImportNotes notes;
};

// The folders of an installation that hold official PBOs, with their
// products; only those that exist.
QList<QPair<QString, GameProduct>> officialAddonFolders(const QString &installation);

// Scans the installations; cache may be null.
ScanResult scanInstallations(const QStringList &installations, ScanCache *cache, const ScanProgress &progress = {});

// The official addons to use: those of the installations when any of them
// holds official PBOs, else the shipped list.
OfficialAddons officialAddonsFor(const QStringList &installations, ScanCache *cache, const ScanProgress &progress = {},
                                 ScanResult *details = nullptr);

} // namespace kestrin::import
