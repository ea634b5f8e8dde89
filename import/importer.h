// SPDX-License-Identifier: MIT
#pragma once

// Reading a mission, an addon or a Mod and proposing what the form should
// hold: the article kind, name, author(s), web address, required game
// version, required addons (and a Mod's description), each with where it
// was found, plus notes on what could not be read. Nothing here changes an
// article; the review (or the command line) applies what it takes.
//
// What is read:
//  - a mission folder (name.World, with mission.sqm) or a mission PBO:
//    mission.sqm (text or binarized) and description.ext (#include inside
//    the mission only);
//  - an addon folder or PBO: every config.cpp and config.bin in it, and
//    every PBO directly in the folder;
//  - a Mod folder (@Name, with addons/*.pbo and an optional mod.cpp).

#include "configqueries.h"
#include "officialaddons.h"

#include <QList>
#include <QString>

namespace kestrin::import {

enum class ProposalField { Kind, Name, Author, WebAddress, GameVersion, RequiredAddons, Description };

struct Proposal {
    ProposalField field;
    // The text for the form. RequiredAddons: the addons one a line, CR LF
    // between them; empty when only official addons remain ("None -
    // official only").
    QString value;
    SourceRef where;
};

struct ImportResult {
    enum class What { Nothing, Mission, Addon, Mod };
    What what = What::Nothing;
    QList<Proposal> proposals;    // at most one per field, in ProposalField order
    QList<Found> requiredAddons;  // the list behind the RequiredAddons proposal
    QList<Found> ownClasses;      // the article's own CfgPatches classes
    QList<Found> officialLeftOut; // official addons that were named but are not listed
    ImportNotes notes;
    QString official; // which list said what is official (OfficialAddons::describe)
    // Whether anything could be read at all.
    bool readSomething() const { return what != What::Nothing; }
    const Proposal *proposal(ProposalField field) const;
};

ImportResult importArticle(const QString &path, const OfficialAddons &official);

// The article kinds as the form names them.
QString articleKindText(ImportResult::What what, bool multiplayer);

} // namespace kestrin::import
