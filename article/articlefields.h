// SPDX-License-Identifier: MIT
#pragma once

// The keys of the article file, each written down once: where its value
// lives in an Article and which controls of the form hold it. The reader,
// the writer and the form binding all walk this one table.

#include "article.h"
#include "controls.h"

#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>
#include <optional>

namespace kestrin {

enum class FieldType {
    Schema,           // where editors find the schema; ignored
    FormatVersion,    // the version of the file layout
    ArticleKind,      // a text, one of kArticleKinds
    Text,             // a text that is always on the form
    OptionalText,     // a text behind a switch: set exactly when the switch is on
    Group,            // an object holding the keys below it
    InstallationKind, // the installation option, by its caption
    InstallationText, // the own installation description
};

struct ArticleField {
    const char *key; // dotted path, e.g. "contacts.skype"
    FieldType type;
    QString Article::*text = nullptr;                        // ArticleKind, Text
    std::optional<QString> Article::*optionalText = nullptr; // OptionalText
    std::optional<Control> control = std::nullopt;           // the control that holds the text
    std::optional<Control> onSwitch = std::nullopt;          // OptionalText: ticked when the value is set
    // OptionalText: ticked to leave the value out; without one, the on
    // switch is unticked instead.
    std::optional<Control> offSwitch = std::nullopt;
};

// Every key of the format, in the order the file is written and the form
// is filled in.
inline constexpr std::array<ArticleField, 23> kArticleFields{{
    {"$schema", FieldType::Schema},
    {"formatVersion", FieldType::FormatVersion},
    {"kind", FieldType::ArticleKind, &Article::kind, nullptr, Control::ArticleCombo},
    {"name", FieldType::Text, &Article::name, nullptr, Control::ArticleNameText},
    {"version", FieldType::Text, &Article::version, nullptr, Control::VersionText},
    {"authors", FieldType::Text, &Article::authors, nullptr, Control::AuthorText},
    {"releaseDate", FieldType::Text, &Article::releaseDate, nullptr, Control::ReleaseText},
    {"contacts", FieldType::Group},
    {"contacts.web", FieldType::Text, &Article::web, nullptr, Control::ContactText1},
    {"contacts.email", FieldType::Text, &Article::email, nullptr, Control::ContactText2},
    {"contacts.skype", FieldType::OptionalText, nullptr, &Article::skype, Control::ContactText3, Control::SkypeCheck},
    {"contacts.icq", FieldType::OptionalText, nullptr, &Article::icq, Control::ContactText4, Control::ICQCheck},
    {"contacts.other", FieldType::OptionalText, nullptr, &Article::other, Control::ContactText5, Control::OtherCheck},
    {"requiredGame", FieldType::Text, &Article::requiredGame, nullptr, Control::RequiredGameText},
    {"requiredAddons", FieldType::OptionalText, nullptr, &Article::requiredAddons, Control::AddonsText,
     Control::AddonsCheck2, Control::AddonsCheck1},
    {"installation", FieldType::Group},
    {"installation.kind", FieldType::InstallationKind},
    {"installation.text", FieldType::InstallationText, nullptr, nullptr, Control::InstallationText},
    {"description", FieldType::Text, &Article::description, nullptr, Control::DescriptionText},
    {"features", FieldType::OptionalText, nullptr, &Article::features, Control::ContentText, Control::ContentCheck},
    {"changelog", FieldType::OptionalText, nullptr, &Article::changelog, Control::ChangelogText,
     Control::ChangelogCheck},
    {"notes", FieldType::OptionalText, nullptr, &Article::notes, Control::ClassnamesText, Control::ClassnamesCheck},
    {"credits", FieldType::Text, &Article::credits, nullptr, Control::CreditsText},
}};

// The field of a dotted path, or nullptr.
const ArticleField *findArticleField(QStringView path);

// "contacts" of "contacts.web"; empty for a key at the top.
QStringView parentOf(QStringView path);
// "web" of "contacts.web".
QStringView leafOf(QStringView path);
// The keys directly inside a group ("web", "email", ... of "contacts").
QStringList membersOf(QStringView group);

} // namespace kestrin
