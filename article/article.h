// SPDX-License-Identifier: MIT
#pragma once

// The article: one article's fields, as the file keeps them and the form
// shows them. The file is read by articlereader.h and written by
// articlewriter.h.

#include "installationkind.h"

#include <QString>

#include <array>
#include <optional>

namespace kestrin {

// The article kinds, as the kind key and the Article combo box name them.
inline constexpr std::array<const char *, 4> kArticleKinds{"SP mission", "MP mission", "Addon", "Mod"};

// The article as the form holds it. Texts use CR LF between lines. An
// optional contact line or section is present exactly when its value is
// set (an empty text gives the line or section with an empty value).
struct Article {
    QString kind = QStringLiteral("SP mission"); // one of kArticleKinds
    QString name;
    QString version;
    QString authors;
    QString releaseDate;
    QString web = QStringLiteral("http://");
    QString email = QStringLiteral("@");
    std::optional<QString> skype;
    std::optional<QString> icq;
    std::optional<QString> other;
    QString requiredGame;
    // Not set: "None - official only"; set: "User defined" with this list.
    std::optional<QString> requiredAddons;
    // Not set: the installation a newly opened window has, SP mission with
    // the start state's section (it spells the game "Arma 2", where the SP
    // mission template writes "ArmA 2"); hasStartInstallation() says so.
    std::optional<InstallationKind> installation;
    // The own description; only used with InstallationKind::OwnDescription.
    QString installationText;
    QString description;
    std::optional<QString> features;
    std::optional<QString> changelog;
    std::optional<QString> notes;
    QString credits;

    // The installation is the start state's, not a template's: the one place
    // that knows it.
    bool hasStartInstallation() const { return !installation.has_value(); }

    bool operator==(const Article &) const = default;
};

// The version of the file layout that writeArticleJson writes and
// readArticle understands.
inline constexpr int kArticleFormatVersion = 1;

} // namespace kestrin
