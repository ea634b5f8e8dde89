// SPDX-License-Identifier: MIT
#include "importer.h"

#include "boundedfile.h"
#include "configloader.h"
#include "contentsource.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

#include <memory>

namespace kestrin::import {

namespace {

// PBOs of the user's own article up to this size get their checksum checked.
constexpr qint64 MaxChecksumBytes = 64 * 1024 * 1024;

bool fileNamed(const QString &relative, QStringView name)
{
    const qsizetype slash = relative.lastIndexOf(QLatin1Char('/'));
    return QStringView(relative).mid(slash + 1).compare(name, Qt::CaseInsensitive) == 0;
}

bool isPbo(const QString &path)
{
    return path.endsWith(QLatin1String(".pbo"), Qt::CaseInsensitive);
}

class Collector {
public:
    Collector(const OfficialAddons &official, ImportResult &result)
        : m_official(official)
        , m_result(result)
    {
    }

    void note(const SourceRef &where, const QString &text) { m_result.notes.append({where, text}); }
    bool sawMission() const { return m_what == ImportResult::What::Mission; }

    std::optional<ConfigParse> load(ContentSource &source, const QString &relative, const ClassFilter &keep = {})
    {
        auto parse = loadConfig(source, relative, m_result.notes, keep);
        if (parse)
            m_parsedAny = true;
        return parse;
    }

    void readMission(ContentSource &source, const QString &parentFolder)
    {
        m_what = ImportResult::What::Mission;
        if (parentFolder.compare(QLatin1String("missions"), Qt::CaseInsensitive) == 0)
            offer(m_kind, {articleKindText(m_what, false), SourceRef{parentFolder, {}, 0}});
        else if (parentFolder.compare(QLatin1String("mpmissions"), Qt::CaseInsensitive) == 0)
            offer(m_kind, {articleKindText(m_what, true), SourceRef{parentFolder, {}, 0}});

        const QString description = source.find(QStringLiteral("description.ext"));
        if (!description.isEmpty()) {
            if (auto parse = load(source, description)) {
                const DescriptionFacts facts = queryDescription(parse->root);
                offer(m_name, facts.onLoadName);
                offer(m_author, facts.author);
                bool playersOk = false;
                const int maxPlayers = facts.maxPlayers.value.toInt(&playersOk);
                if (playersOk)
                    offer(m_kind, {articleKindText(m_what, maxPlayers > 1), facts.maxPlayers.where});
                else if (!facts.gameType.isEmpty())
                    offer(m_kind,
                          {articleKindText(m_what, facts.gameType.value.compare(u"SP", Qt::CaseInsensitive) != 0),
                           facts.gameType.where});
            }
        }
        const QString sqm = source.find(QStringLiteral("mission.sqm"));
        if (!sqm.isEmpty()) {
            if (auto parse = load(source, sqm, missionClassWanted)) {
                const MissionFacts facts = queryMission(parse->root);
                offer(m_name, facts.briefingName);
                m_named += facts.addons;
                if (!m_addonsWhere.file.size())
                    m_addonsWhere = source.ref(sqm);
            }
        }
    }

    void readConfigs(ContentSource &source)
    {
        for (const QString &file : source.files()) {
            if (!fileNamed(file, u"config.cpp") && !fileNamed(file, u"config.bin"))
                continue;
            auto parse = load(source, file, patchesClassWanted);
            if (!parse)
                continue;
            if (m_addonsWhere.isEmpty())
                m_addonsWhere = source.ref(file);
            for (const PatchFacts &patch : queryPatches(parse->root)) {
                m_own.append(patch.className);
                m_named += patch.requiredAddons;
                offer(m_name, patch.name);
                offer(m_author, patch.author);
                offer(m_web, patch.url);
                bool ok = false;
                const double version = patch.requiredVersion.value.toDouble(&ok);
                if (ok && version > m_highestVersion) {
                    m_highestVersion = version;
                    m_version = patch.requiredVersion;
                }
            }
        }
    }

    bool readPbo(const QString &path, const QString &display, const QString &parentFolder, bool missionAllowed)
    {
        auto pbo = std::make_shared<PboArchive>(path);
        const SourceRef where{display, {}, 0};
        if (!pbo->open()) {
            note(where, ImportText::tr("could not be read: %1").arg(pbo->error()));
            return false;
        }
        for (const QString &problem : pbo->headerProblems())
            note(where, problem);
        if (pbo->verifyChecksum(MaxChecksumBytes) == false)
            note(where, ImportText::tr("the PBO's checksum does not match its content; it may be damaged"));
        PboSource source(pbo, display);
        if (missionAllowed && !source.find(QStringLiteral("mission.sqm")).isEmpty())
            readMission(source, parentFolder);
        else
            readConfigs(source);
        return true;
    }

    void readAddonFolder(const QString &root)
    {
        FolderSource source(root, QString());
        readConfigs(source);
        for (const QString &file : source.files())
            if (isPbo(file))
                readPbo(root + QLatin1Char('/') + file, file, QString(), false);
    }

    void readMod(const QString &root)
    {
        FolderSource source(root, QString());
        offer(m_kind, {articleKindText(ImportResult::What::Mod, false), SourceRef{QFileInfo(root).fileName(), {}, 0}});
        const QString modCpp = source.find(QStringLiteral("mod.cpp"));
        if (!modCpp.isEmpty()) {
            if (auto parse = load(source, modCpp)) {
                const ModFacts facts = queryMod(parse->root);
                offer(m_name, facts.name);
                offer(m_author, facts.author);
                const QString action = facts.action.value;
                if (action.startsWith(u"http://", Qt::CaseInsensitive)
                    || action.startsWith(u"https://", Qt::CaseInsensitive)
                    || action.startsWith(u"www.", Qt::CaseInsensitive))
                    offer(m_web, facts.action);
                offer(m_description, facts.description);
            }
        }
        for (const QString &file : source.files()) {
            const qsizetype slash = file.indexOf(QLatin1Char('/'));
            if (slash < 0 || file.indexOf(QLatin1Char('/'), slash + 1) >= 0 || !isPbo(file)
                || QStringView(file).left(slash).compare(u"addons", Qt::CaseInsensitive) != 0)
                continue;
            readPbo(root + QLatin1Char('/') + file, file, QString(), false);
        }
        const QString folder = QFileInfo(root).fileName();
        if (folder.startsWith(QLatin1Char('@')) && folder.size() > 1)
            offer(m_name, {folder.mid(1), SourceRef{folder, {}, 0}});
    }

    void finish(ImportResult::What what)
    {
        if (!m_parsedAny) {
            m_result.what = ImportResult::What::Nothing;
            return;
        }
        m_result.what = what;
        if (what == ImportResult::What::Addon || what == ImportResult::What::Mod)
            offer(m_kind, {articleKindText(what, false), m_addonsWhere});
        computeAddons();
        const auto propose = [&](ProposalField field, const Found &found) {
            if (!found.isEmpty())
                m_result.proposals.append({field, found.value, found.where});
        };
        propose(ProposalField::Kind, m_kind);
        propose(ProposalField::Name, m_name);
        propose(ProposalField::Author, m_author);
        propose(ProposalField::WebAddress, m_web);
        propose(ProposalField::GameVersion, gameVersion());
        QStringList lines;
        for (const Found &f : m_result.requiredAddons)
            lines.append(f.value);
        m_result.proposals.append(
            {ProposalField::RequiredAddons, lines.join(QLatin1String("\r\n")),
             m_result.requiredAddons.isEmpty() ? m_addonsWhere : m_result.requiredAddons.first().where});
        propose(ProposalField::Description, m_description);
        m_result.official = m_official.describe();
    }

private:
    static void offer(Found &slot, const Found &found)
    {
        if (slot.isEmpty() && !found.isEmpty())
            slot = found;
    }

    void computeAddons()
    {
        // One each, compared without letter case, the first spelling and
        // the first-met order kept; the article's own classes and the
        // game's official ones left out.
        QSet<QString> own;
        for (const Found &f : m_own)
            own.insert(f.value.toLower());
        m_result.ownClasses = m_own;
        QSet<QString> seen;
        for (const Found &f : m_named) {
            const QString key = f.value.toLower();
            if (seen.contains(key))
                continue;
            seen.insert(key);
            if (own.contains(key))
                continue;
            if (m_official.contains(f.value)) {
                m_products.insert(int(m_official.product(f.value)));
                if (m_productWhere.isEmpty())
                    m_productWhere = f.where;
                m_result.officialLeftOut.append(f);
                continue;
            }
            m_result.requiredAddons.append(f);
        }
    }

    Found gameVersion() const
    {
        const bool arma2 = m_products.contains(int(GameProduct::Arma2));
        bool arrowhead = m_products.contains(int(GameProduct::OperationArrowhead));
        QStringList dlc;
        const QList<QPair<GameProduct, const char *>> dlcs = {
            {GameProduct::BritishArmedForces, "British Armed Forces"},
            {GameProduct::PrivateMilitaryCompany, "Private Military Company"},
            {GameProduct::ArmyOfTheCzechRepublic, "Army of the Czech Republic"},
        };
        for (const auto &[product, name] : dlcs) {
            if (m_products.contains(int(product))) {
                dlc.append(QLatin1String(name));
                arrowhead = true; // the DLCs are Operation Arrowhead's
            }
        }
        QString base;
        if (arma2 && arrowhead)
            base = QStringLiteral("Arma 2: Combined Operations");
        else if (arrowhead)
            base = productName(GameProduct::OperationArrowhead);
        else if (arma2)
            base = productName(GameProduct::Arma2);
        SourceRef where = m_productWhere;
        if (!m_version.isEmpty()) {
            // Arma 2's own versions end at 1.11; Operation Arrowhead's
            // start at 1.50.
            if (base.isEmpty())
                base = productName(m_highestVersion >= 1.5 ? GameProduct::OperationArrowhead : GameProduct::Arma2);
            base += QLatin1Char(' ') + m_version.value;
            where = m_version.where;
        }
        if (base.isEmpty())
            return {};
        if (!dlc.isEmpty())
            base += QLatin1String(", ") + dlc.join(QLatin1String(", "));
        return {base, where};
    }

    const OfficialAddons &m_official;
    ImportResult &m_result;
    ImportResult::What m_what = ImportResult::What::Nothing;
    bool m_parsedAny = false;
    Found m_kind, m_name, m_author, m_web, m_description, m_version;
    double m_highestVersion = -1;
    QList<Found> m_named;
    QList<Found> m_own;
    QSet<int> m_products;
    SourceRef m_productWhere;
    SourceRef m_addonsWhere;
};

QString childNamed(const QString &folder, QStringView name)
{
    for (const QString &entry : QDir(folder).entryList(QDir::Dirs | QDir::Files | QDir::NoDotAndDotDot))
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return entry;
    return {};
}

bool holdsPbos(const QString &folder)
{
    for (const QString &entry : QDir(folder).entryList(QDir::Files))
        if (isPbo(entry))
            return true;
    return false;
}

} // namespace

QString articleKindText(ImportResult::What what, bool multiplayer)
{
    // The texts of the form's kind list.
    switch (what) {
    case ImportResult::What::Mission: return multiplayer ? QStringLiteral("MP mission") : QStringLiteral("SP mission");
    case ImportResult::What::Addon: return QStringLiteral("Addon");
    case ImportResult::What::Mod: return QStringLiteral("Mod");
    case ImportResult::What::Nothing: break;
    }
    return {};
}

const Proposal *ImportResult::proposal(ProposalField field) const
{
    for (const Proposal &p : proposals)
        if (p.field == field)
            return &p;
    return nullptr;
}

ImportResult importArticle(const QString &path, const OfficialAddons &official)
{
    ImportResult result;
    Collector collect(official, result);
    const QFileInfo info(path);
    const SourceRef chosen{info.fileName(), {}, 0};
    const QString parentFolder = info.absoluteDir().dirName();
    if (!info.exists()) {
        collect.note(chosen, ImportText::tr("there is no such file or folder"));
        return result;
    }
    if (!info.isDir()) {
        QFile probe;
        QString why;
        if (!openRegularFile(probe, path, &why)) {
            collect.note(chosen, ImportText::tr("could not be read: %1").arg(why));
            return result;
        }
        probe.close();
        if (!isPbo(path)) {
            collect.note(chosen, ImportText::tr("is neither a PBO nor a folder"));
            return result;
        }
        collect.readPbo(path, info.fileName(), parentFolder, true);
        collect.finish(collect.sawMission() ? ImportResult::What::Mission : ImportResult::What::Addon);
        return result;
    }
    const QString root = info.absoluteFilePath();
    if (!childNamed(root, u"mission.sqm").isEmpty()) {
        FolderSource source(root, QString());
        collect.readMission(source, parentFolder);
        collect.finish(ImportResult::What::Mission);
        return result;
    }
    const QString addons = childNamed(root, u"addons");
    const bool mod = !childNamed(root, u"mod.cpp").isEmpty()
                     || (!addons.isEmpty() && QFileInfo(root + QLatin1Char('/') + addons).isDir()
                         && holdsPbos(root + QLatin1Char('/') + addons));
    if (mod) {
        collect.readMod(root);
        collect.finish(ImportResult::What::Mod);
        return result;
    }
    collect.readAddonFolder(root);
    collect.finish(ImportResult::What::Addon);
    if (!result.readSomething() && result.notes.isEmpty())
        collect.note(chosen, ImportText::tr("holds no mission.sqm, config.cpp, config.bin, mod.cpp or PBO"));
    return result;
}

} // namespace kestrin::import
