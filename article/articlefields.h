// SPDX-License-Identifier: MIT
#pragma once

// The keys of the article file, each written down once with where its value
// lives in an Article. The reader and the writer walk this one table; the
// form's binding (form/articleform.h) pairs each key with its controls.

#include "article.h"

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
};

// Every key of the format, in the order the file is written and the form
// is filled in.
inline constexpr std::array<ArticleField, 23> kArticleFields{{
    {"$schema", FieldType::Schema},
    {"formatVersion", FieldType::FormatVersion},
    {"kind", FieldType::ArticleKind, &Article::kind},
    {"name", FieldType::Text, &Article::name},
    {"version", FieldType::Text, &Article::version},
    {"authors", FieldType::Text, &Article::authors},
    {"releaseDate", FieldType::Text, &Article::releaseDate},
    {"contacts", FieldType::Group},
    {"contacts.web", FieldType::Text, &Article::web},
    {"contacts.email", FieldType::Text, &Article::email},
    {"contacts.skype", FieldType::OptionalText, nullptr, &Article::skype},
    {"contacts.icq", FieldType::OptionalText, nullptr, &Article::icq},
    {"contacts.other", FieldType::OptionalText, nullptr, &Article::other},
    {"requiredGame", FieldType::Text, &Article::requiredGame},
    {"requiredAddons", FieldType::OptionalText, nullptr, &Article::requiredAddons},
    {"installation", FieldType::Group},
    {"installation.kind", FieldType::InstallationKind},
    {"installation.text", FieldType::InstallationText, nullptr},
    {"description", FieldType::Text, &Article::description},
    {"features", FieldType::OptionalText, nullptr, &Article::features},
    {"changelog", FieldType::OptionalText, nullptr, &Article::changelog},
    {"notes", FieldType::OptionalText, nullptr, &Article::notes},
    {"credits", FieldType::Text, &Article::credits},
}};

// The field of a dotted path, or nullptr.
const ArticleField *findArticleField(QStringView path);

// "contacts" of "contacts.web"; empty for a key at the top.
QStringView parentOf(QStringView path);
// "web" of "contacts.web".
QStringView leafOf(QStringView path);
// The keys directly inside a group ("web", "email", ... of "contacts").
QStringList membersOf(QStringView group);

// Every key of the format that holds a value (dotted paths), in file order.
QStringList articleKeys();

} // namespace kestrin
