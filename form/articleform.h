// SPDX-License-Identifier: MIT
#pragma once

// The article on the form: which controls hold each key of the article
// file, and the article put on a form and read back from one through
// ControlAccess, the way a user fills in the window.

#include "article.h"
#include "articlefields.h"
#include "controlaccess.h"

#include <QString>

#include <optional>

namespace kestrin {

// The controls of one key of the article file (kArticleFields, same order).
struct FieldControls {
    const char *key;
    std::optional<Control> control = std::nullopt;  // the control that holds the text
    std::optional<Control> onSwitch = std::nullopt; // OptionalText: ticked when the value is set
    // OptionalText: ticked to leave the value out; without one, the on
    // switch is unticked.
    std::optional<Control> offSwitch = std::nullopt;
};

inline constexpr std::array<FieldControls, kArticleFields.size()> kFieldControls{{
    {"$schema"},
    {"formatVersion"},
    {"kind", Control::ArticleKind},
    {"name", Control::Name},
    {"version", Control::Version},
    {"authors", Control::Authors},
    {"releaseDate", Control::ReleaseDate},
    {"contacts"},
    {"contacts.web", Control::Web},
    {"contacts.email", Control::Email},
    {"contacts.skype", Control::Skype, Control::SkypeAllowed},
    {"contacts.icq", Control::Icq, Control::IcqAllowed},
    {"contacts.other", Control::OtherContact, Control::OtherContactAllowed},
    {"requiredGame", Control::RequiredGame},
    {"requiredAddons", Control::RequiredAddons, Control::AddonsUserDefined, Control::AddonsOfficialOnly},
    {"installation"},
    {"installation.kind"},
    {"installation.text", Control::Installation},
    {"description", Control::Description},
    {"features", Control::Features, Control::FeaturesAllowed},
    {"changelog", Control::Changelog, Control::ChangelogAllowed},
    {"notes", Control::Notes, Control::NotesAllowed},
    {"credits", Control::Credits},
}};

// Fills in a loaded form the way a user does it: picks the article kind,
// types the texts, ticks and unticks the switches and selects the options
// (whose handlers run as usual). Works on a form in any state. An article
// without an installation selects SP mission; that it is the start state's
// is the document's to know (ReadmeDocument::applyArticle).
void applyArticle(const Article &article, ControlAccess &form);

// The article that a form holds (the switches decide the optional values).
Article articleFromForm(const ControlAccess &form);

} // namespace kestrin
