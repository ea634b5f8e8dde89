// SPDX-License-Identifier: MIT
#pragma once

#include "installationkind.h"

#include <QString>
#include <QStringView>

namespace kestrin {

namespace templates {

inline constexpr QStringView kCrLf = u"\r\n";
inline constexpr QStringView kUnderline = u"=================";
inline constexpr QStringView kForumAddress = u"http://forums.bistudio.com/index.php";
inline constexpr QStringView kFooter = u"--- ReadMe file created in Kestrin Editor by Vantry ---";

// A section: heading, CR LF, underline, CR LF, body, CR LF, CR LF.
QString section(QStringView heading, QStringView body);

// The required-addons section for "None - official only".
QString noneAddonsSection();

// The fixed installation section of a template kind (not OwnDescription).
QString installationSection(InstallationKind kind);

// The SP-mission section as the window stores it when it is first loaded:
// it spells the game "Arma 2" where the template writes "ArmA 2".
QString startupInstallationSection();

// What InstallationText shows for a kind (the prompt under OwnDescription).
QString installationNotice(InstallationKind kind);

// The six lines of the disclaimer, joined by CR LF, no line break at the end.
QString disclaimer();

} // namespace templates
} // namespace kestrin
