// SPDX-License-Identifier: MIT
#include "gamelocator.h"

#include "boundedfile.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace kestrin::import {

namespace {

// Steam's folder names of the two games.
const char *const SteamGameFolders[] = {"Arma 2", "Arma 2 Operation Arrowhead"};

void addOnce(QStringList &list, const QString &folder)
{
    const QString clean = QDir::cleanPath(folder);
    const QString canonical = QFileInfo(clean).canonicalFilePath();
    const QString key = canonical.isEmpty() ? clean : canonical;
    for (const QString &have : list)
        if (QFileInfo(have).canonicalFilePath() == key || have == key)
            return;
    list.append(key);
}

} // namespace

QStringList steamLibraries(const QString &steamRoot)
{
    QStringList out;
    if (!QFileInfo(steamRoot).isDir())
        return out;
    addOnce(out, steamRoot);
    for (const char *file : {"steamapps/libraryfolders.vdf", "config/libraryfolders.vdf"}) {
        QFile vdf;
        QString ignored;
        if (!openRegularFile(vdf, steamRoot + QLatin1Char('/') + QLatin1String(file), &ignored))
            continue;
        const QString text = QString::fromUtf8(vdf.read(1024 * 1024));
        // "path"  "D:\\SteamLibrary"  (older files: "1"  "D:\\SteamLibrary")
        static const QRegularExpression entry(QStringLiteral("\"(?:path|\\d+)\"\\s+\"([^\"]+)\""));
        for (auto it = entry.globalMatch(text); it.hasNext();) {
            QString path = it.next().captured(1);
            path.replace(QLatin1String("\\\\"), QLatin1String("\\"));
            path = QDir::fromNativeSeparators(path);
            if (QFileInfo(path).isDir())
                addOnce(out, path);
        }
    }
    return out;
}

QStringList findGameInstallations(const QStringList &steamRoots, const QStringList &registryFolders)
{
    QStringList out;
    for (const QString &folder : registryFolders)
        if (QFileInfo(folder).isDir())
            addOnce(out, folder);
    for (const QString &root : steamRoots) {
        for (const QString &library : steamLibraries(root)) {
            const QString common = library + QLatin1String("/steamapps/common");
            for (const char *game : SteamGameFolders) {
                const QString folder = common + QLatin1Char('/') + QLatin1String(game);
                if (QFileInfo(folder).isDir())
                    addOnce(out, folder);
            }
        }
    }
    return out;
}

QStringList findGameInstallations()
{
    return findGameInstallations(platformSteamRoots(), platformRegistryGameFolders());
}

} // namespace kestrin::import
