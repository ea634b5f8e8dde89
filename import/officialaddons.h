// SPDX-License-Identifier: MIT
#pragma once

// Which addons are the game's own: the CfgPatches classes of the official
// content, each with the product it came with. Learned from the user's
// game installation (see gamescan.h) or, where none was found, taken from
// the list shipped with the program (officialaddons.txt; its source and
// date are in docs/official-addons.md).

#include <QHash>
#include <QString>
#include <QStringList>

namespace kestrin::import {

// The products, in the order a required game version names them.
enum class GameProduct {
    Arma2,
    OperationArrowhead,
    BritishArmedForces,
    PrivateMilitaryCompany,
    ArmyOfTheCzechRepublic
};
QString productName(GameProduct product);

class OfficialAddons {
public:
    enum class Origin { Installation, Shipped };

    Origin origin() const { return m_origin; }
    // The installation folders that were scanned (Origin::Installation).
    QStringList installations() const { return m_installations; }
    // The date of the shipped list (Origin::Shipped).
    QString listDate() const { return m_listDate; }

    bool contains(QStringView className) const { return m_classes.contains(className.toString().toLower()); }
    // The product of an official class; only call for contained names.
    GameProduct product(QStringView className) const { return m_classes.value(className.toString().toLower()); }
    qsizetype size() const { return m_classes.size(); }

    void add(const QString &className, GameProduct product);
    void setOrigin(Origin origin) { m_origin = origin; }
    void setInstallations(const QStringList &folders) { m_installations = folders; }
    void setListDate(const QString &date) { m_listDate = date; }

    // One line for the review: which list decided what is official.
    QString describe() const;

private:
    Origin m_origin = Origin::Shipped;
    QStringList m_installations;
    QString m_listDate;
    QHash<QString, GameProduct> m_classes; // lower-case name -> product
};

// The list shipped with the program.
OfficialAddons shippedOfficialAddons();

// The text of officialaddons.txt: "[Product]" lines, then one class a line;
// "#" starts a comment, "date: YYYY-MM-DD" gives the date.
OfficialAddons parseOfficialAddonList(QStringView text);

} // namespace kestrin::import
