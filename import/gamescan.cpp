// SPDX-License-Identifier: MIT
#include "gamescan.h"

#include "configloader.h"
#include "configqueries.h"
#include "contentsource.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

namespace kestrin::import {

namespace {

// The official content's folders below an installation, as the game's
// launcher loads them. Names compare without letter case (a copy on a
// case-sensitive disk may spell them differently).
struct ContentFolder {
    QStringList path;
    GameProduct product;
};

QString childFolder(const QString &parent, const QString &name)
{
    const QDir dir(parent);
    for (const QString &entry : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return dir.filePath(entry);
    return {};
}

QString findFolder(const QString &root, const QStringList &path)
{
    QString at = root;
    for (const QString &part : path) {
        at = childFolder(at, part);
        if (at.isEmpty())
            return {};
    }
    return at;
}

// Only these config entries of a PBO are read.
bool isConfigEntry(const QString &name)
{
    const qsizetype slash = qMax(name.lastIndexOf(QLatin1Char('\\')), name.lastIndexOf(QLatin1Char('/')));
    const QStringView file = QStringView(name).mid(slash + 1);
    return file.compare(u"config.bin", Qt::CaseInsensitive) == 0
           || file.compare(u"config.cpp", Qt::CaseInsensitive) == 0;
}

constexpr qint64 MaxOfficialConfigBytes = 32 * 1024 * 1024;

} // namespace

QList<QPair<QString, GameProduct>> officialAddonFolders(const QString &installation)
{
    // An installation of Operation Arrowhead alone keeps its base content
    // in AddOns too; Arma 2's own has its executable arma2.exe.
    const bool arma2 = QFileInfo::exists(installation + QLatin1String("/arma2.exe"))
                       || QFileInfo::exists(installation + QLatin1String("/ArmA2.exe"))
                       || !(QFileInfo::exists(installation + QLatin1String("/arma2oa.exe"))
                            || QFileInfo::exists(installation + QLatin1String("/ArmA2OA.exe")));
    const QList<ContentFolder> folders = {
        {{QStringLiteral("AddOns")}, arma2 ? GameProduct::Arma2 : GameProduct::OperationArrowhead},
        {{QStringLiteral("Expansion"), QStringLiteral("Addons")}, GameProduct::OperationArrowhead},
        {{QStringLiteral("Expansion"), QStringLiteral("beta"), QStringLiteral("Addons")},
         GameProduct::OperationArrowhead},
        {{QStringLiteral("BAF"), QStringLiteral("Addons")}, GameProduct::BritishArmedForces},
        {{QStringLiteral("PMC"), QStringLiteral("Addons")}, GameProduct::PrivateMilitaryCompany},
        {{QStringLiteral("ACR"), QStringLiteral("Addons")}, GameProduct::ArmyOfTheCzechRepublic},
    };
    QList<QPair<QString, GameProduct>> out;
    for (const ContentFolder &folder : folders) {
        const QString found = findFolder(installation, folder.path);
        if (!found.isEmpty())
            out.append({found, folder.product});
    }
    return out;
}

bool ScanCache::load(const QString &path)
{
    m_path = path;
    m_items.clear();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QJsonObject root = QJsonDocument::fromJson(file.read(256 * 1024 * 1024)).object();
    if (root.value(QLatin1String("version")).toInt() != 1)
        return false;
    const QJsonObject pbos = root.value(QLatin1String("pbos")).toObject();
    for (auto it = pbos.begin(); it != pbos.end(); ++it) {
        const QJsonObject o = it.value().toObject();
        Item item;
        item.size = qint64(o.value(QLatin1String("size")).toDouble());
        item.modified = qint64(o.value(QLatin1String("modified")).toDouble());
        for (const QJsonValue &c : o.value(QLatin1String("classes")).toArray())
            item.classes.append(c.toString());
        m_items.insert(it.key(), item);
    }
    return true;
}

bool ScanCache::save() const
{
    if (m_path.isEmpty())
        return false;
    QJsonObject pbos;
    for (auto it = m_items.begin(); it != m_items.end(); ++it) {
        QJsonObject o;
        o.insert(QLatin1String("size"), double(it->size));
        o.insert(QLatin1String("modified"), double(it->modified));
        o.insert(QLatin1String("classes"), QJsonArray::fromStringList(it->classes));
        pbos.insert(it.key(), o);
    }
    QJsonObject root;
    root.insert(QLatin1String("version"), 1);
    root.insert(QLatin1String("pbos"), pbos);
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(QJsonDocument(root).toJson(QJsonDocument::Compact));
    return file.commit();
}

const ScanCache::Item *ScanCache::find(const QString &pbo, qint64 size, qint64 modified) const
{
    const auto it = m_items.constFind(pbo);
    if (it == m_items.constEnd() || it->size != size || it->modified != modified)
        return nullptr;
    return &*it;
}

namespace {

// The official PBOs of the installations, with the product each belongs to.
QList<QPair<QFileInfo, GameProduct>> officialPbos(const QStringList &installations)
{
    QList<QPair<QFileInfo, GameProduct>> pbos;
    for (const QString &installation : installations) {
        for (const auto &[folder, product] : officialAddonFolders(installation)) {
            const QDir dir(folder);
            for (const QFileInfo &file : dir.entryInfoList(QDir::Files, QDir::Name))
                if (file.suffix().compare(QLatin1String("pbo"), Qt::CaseInsensitive) == 0)
                    pbos.append({file, product});
        }
    }
    return pbos;
}

// The classes that the configs of one PBO patch; a PBO that cannot be
// opened is noted in the result.
QStringList readPatchedClasses(const QFileInfo &info, ScanResult &result)
{
    QStringList classes;
    auto pbo = std::make_shared<PboArchive>(info.absoluteFilePath());
    if (pbo->open()) {
        PboSource source(pbo, info.fileName());
        ImportNotes ignored; // the game's own PBOs: nothing to tell the user
        for (const PboEntry &entry : pbo->entries()) {
            if (!isConfigEntry(entry.name))
                continue;
            QString problem;
            auto data = pbo->read(entry, MaxOfficialConfigBytes, &problem);
            if (!data)
                continue;
            QString relative = entry.name;
            relative.replace(QLatin1Char('\\'), QLatin1Char('/'));
            const ConfigParse parse = parseConfig(*data, source.ref(relative), &source, relative, patchesClassWanted);
            for (const PatchFacts &patch : queryPatches(parse.root))
                classes.append(patch.className.value);
        }
    } else {
        result.notes.append({SourceRef{info.absoluteFilePath(), {}, 0}, pbo->error()});
    }
    result.bytesRead += pbo->bytesRead();
    return classes;
}

} // namespace

ScanResult scanInstallations(const QStringList &installations, ScanCache *cache, const ScanProgress &progress)
{
    ScanResult result;
    result.addons.setOrigin(OfficialAddons::Origin::Installation);
    result.addons.setInstallations(installations);
    const QList<QPair<QFileInfo, GameProduct>> pbos = officialPbos(installations);
    const int total = int(pbos.size());
    for (int i = 0; i < total; ++i) {
        if (progress.cancel && progress.cancel->load()) {
            result.cancelled = true;
            break;
        }
        const auto &[info, product] = pbos[i];
        const QString path = info.absoluteFilePath();
        const qint64 size = info.size();
        const qint64 modified = info.lastModified().toMSecsSinceEpoch();
        result.bytesTotal += size;
        ++result.pboCount;
        QStringList classes;
        if (const ScanCache::Item *hit = cache ? cache->find(path, size, modified) : nullptr) {
            classes = hit->classes;
            ++result.fromCache;
        } else {
            classes = readPatchedClasses(info, result);
            if (cache)
                cache->insert(path, {size, modified, classes});
        }
        for (const QString &c : classes)
            result.addons.add(c, product);
        if (progress.step)
            progress.step(i + 1, total);
    }
    if (cache && result.fromCache < result.pboCount)
        cache->save();
    return result;
}

OfficialAddons officialAddonsFor(const QStringList &installations, ScanCache *cache, const ScanProgress &progress,
                                 ScanResult *details)
{
    ScanResult scan = scanInstallations(installations, cache, progress);
    const bool usable = scan.addons.size() > 0;
    OfficialAddons addons = usable ? scan.addons : shippedOfficialAddons();
    if (details)
        *details = std::move(scan);
    return addons;
}

} // namespace kestrin::import
