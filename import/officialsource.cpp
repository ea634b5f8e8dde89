// SPDX-License-Identifier: MIT
#include "officialsource.h"

#include "gamelocator.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>

namespace kestrin::import {

namespace {

// The editor's settings (the window keeps its recent articles there too).
QSettings editorSettings()
{
    return QSettings(QStringLiteral("Vantry"), QStringLiteral("Kestrin Editor"));
}

const QString GameFolderKey = QStringLiteral("import/gameFolder");

} // namespace

QString savedGameFolder()
{
    return editorSettings().value(GameFolderKey).toString();
}

void saveGameFolder(const QString &folder)
{
    QSettings settings = editorSettings();
    if (folder.isEmpty())
        settings.remove(GameFolderKey);
    else
        settings.setValue(GameFolderKey, folder);
}

QString scanCachePath()
{
    QString base = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    if (base.isEmpty())
        base = QDir::tempPath();
    return base + QLatin1String("/kestrin-editor/official-addons.json");
}

QStringList gameFoldersToScan(const QString &given)
{
    if (!given.isEmpty())
        return {given};
    const QString saved = savedGameFolder();
    if (!saved.isEmpty())
        return {saved};
    return findGameInstallations();
}

OfficialAddons resolveOfficialAddons(const QString &given, const ScanProgress &progress, ScanResult *details)
{
    ScanCache cache;
    cache.load(scanCachePath());
    return officialAddonsFor(gameFoldersToScan(given), &cache, progress, details);
}

} // namespace kestrin::import
