// SPDX-License-Identifier: MIT
#include "configqueries.h"

namespace kestrin::import {

namespace {

Found text(const ConfigClass *in, QStringView name)
{
    if (!in)
        return {};
    const ConfigEntry *entry = in->findValue(name);
    if (!entry)
        return {};
    const QString value =
        entry->value.kind == ConfigValue::Array ? entry->value.texts().join(QLatin1String(", ")) : entry->value.text;
    return {value.trimmed(), entry->where};
}

QList<Found> list(const ConfigClass *in, QStringView name)
{
    QList<Found> out;
    if (!in)
        return out;
    for (const ConfigEntry &entry : in->values) {
        if (entry.name.compare(name, Qt::CaseInsensitive) != 0)
            continue;
        for (const QString &item : entry.value.texts()) {
            const QString trimmed = item.trimmed();
            if (!trimmed.isEmpty())
                out.append({trimmed, entry.where});
        }
    }
    return out;
}

} // namespace

MissionFacts queryMission(const ConfigClass &root)
{
    MissionFacts facts;
    for (QStringView part : {u"Mission", u"Intro", u"OutroWin", u"OutroLoose"}) {
        const ConfigClass *c = root.findClass(part);
        facts.addons += list(c, u"addOns");
        facts.addons += list(c, u"addOnsAuto");
    }
    facts.briefingName = text(root.findPath({u"Mission", u"Intel"}), u"briefingName");
    return facts;
}

bool missionClassWanted(const QStringList &path)
{
    return path.size() <= 1 || (path.size() == 2 && path[1].compare(QLatin1String("Intel"), Qt::CaseInsensitive) == 0);
}

bool patchesClassWanted(const QStringList &path)
{
    return path.first().compare(QLatin1String("CfgPatches"), Qt::CaseInsensitive) == 0;
}

DescriptionFacts queryDescription(const ConfigClass &root)
{
    DescriptionFacts facts;
    facts.onLoadName = text(&root, u"onLoadName");
    facts.author = text(&root, u"author");
    const ConfigClass *header = root.findClass(u"Header");
    facts.gameType = text(header, u"gameType");
    facts.minPlayers = text(header, u"minPlayers");
    facts.maxPlayers = text(header, u"maxPlayers");
    return facts;
}

QList<PatchFacts> queryPatches(const ConfigClass &root)
{
    QList<PatchFacts> out;
    const ConfigClass *patches = root.findClass(u"CfgPatches");
    if (!patches)
        return out;
    for (const ConfigClass &c : patches->classes) {
        if (c.declarationOnly)
            continue;
        PatchFacts facts;
        facts.className = {c.name, c.where};
        facts.requiredAddons = list(&c, u"requiredAddons");
        facts.requiredVersion = text(&c, u"requiredVersion");
        facts.name = text(&c, u"name");
        facts.author = text(&c, u"author");
        facts.url = text(&c, u"url");
        out.append(facts);
    }
    return out;
}

ModFacts queryMod(const ConfigClass &root)
{
    ModFacts facts;
    facts.name = text(&root, u"name");
    facts.author = text(&root, u"author");
    facts.action = text(&root, u"action");
    facts.actionName = text(&root, u"actionName");
    facts.description = text(&root, u"description");
    return facts;
}

} // namespace kestrin::import
