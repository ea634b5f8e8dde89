// SPDX-License-Identifier: MIT
#include "officialaddons.h"

#include "importsource.h"

namespace kestrin::import {

// Generated from officialaddons.txt by the build.
extern const char *const shippedOfficialAddonList;

QString productName(GameProduct product)
{
    // The games' own names; not translated.
    switch (product) {
    case GameProduct::Arma2: return QStringLiteral("Arma 2");
    case GameProduct::OperationArrowhead: return QStringLiteral("Arma 2: Operation Arrowhead");
    case GameProduct::BritishArmedForces: return QStringLiteral("Arma 2: British Armed Forces");
    case GameProduct::PrivateMilitaryCompany: return QStringLiteral("Arma 2: Private Military Company");
    case GameProduct::ArmyOfTheCzechRepublic: return QStringLiteral("Arma 2: Army of the Czech Republic");
    }
    return {};
}

void OfficialAddons::add(const QString &className, GameProduct product)
{
    const QString key = className.toLower();
    if (!m_classes.contains(key))
        m_classes.insert(key, product);
}

QString OfficialAddons::describe() const
{
    if (m_origin == Origin::Installation)
        return ImportText::tr("Official addons: those of the game installation in %1 (%2 classes)")
            .arg(m_installations.join(QLatin1String("; ")))
            .arg(size());
    return ImportText::tr("Official addons: the list shipped with Kestrin Editor (%1); no game installation was found")
        .arg(m_listDate);
}

OfficialAddons parseOfficialAddonList(QStringView text)
{
    OfficialAddons list;
    list.setOrigin(OfficialAddons::Origin::Shipped);
    GameProduct product = GameProduct::Arma2;
    for (QStringView line : text.split(QLatin1Char('\n'))) {
        const qsizetype hash = line.indexOf(QLatin1Char('#'));
        if (hash == 0 && line.mid(1).trimmed().startsWith(u"date:"))
            list.setListDate(line.mid(1).trimmed().mid(5).trimmed().toString());
        if (hash >= 0)
            line = line.left(hash);
        line = line.trimmed();
        if (line.isEmpty())
            continue;
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            const QStringView name = line.mid(1, line.size() - 2);
            for (GameProduct p : {GameProduct::Arma2, GameProduct::OperationArrowhead, GameProduct::BritishArmedForces,
                                  GameProduct::PrivateMilitaryCompany, GameProduct::ArmyOfTheCzechRepublic})
                if (productName(p) == name)
                    product = p;
            continue;
        }
        list.add(line.toString(), product);
    }
    return list;
}

OfficialAddons shippedOfficialAddons()
{
    static const OfficialAddons list = parseOfficialAddonList(QString::fromUtf8(shippedOfficialAddonList));
    return list;
}

} // namespace kestrin::import
