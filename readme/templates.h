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

inline constexpr QStringView kAddonsHeading = u"Required addons: ";
inline constexpr QStringView kInstallationHeading = u"Installation: ";
inline constexpr QStringView kDisclaimerHeading = u"Disclaimer:";
inline constexpr QStringView kNoneAddons = u"None - official only";

// A section: heading, CR LF, underline, CR LF, body, CR LF, CR LF.
QString section(QStringView heading, QStringView body);

// The required-addons section for "None - official only".
QString noneAddonsSection();

// The fixed installation text of a template kind (not OwnDescription), and
// the whole section made of it.
QString installationBody(InstallationKind kind);
QString installationSection(InstallationKind kind);

// The body of the start state's SP-mission section (Article without an
// installation): it spells the game "Arma 2" where the template writes
// "ArmA 2".
QString startupInstallationBody();

// What InstallationText shows for a kind (the prompt under OwnDescription).
QString installationNotice(InstallationKind kind);

// The disclaimer's four lines, joined by CR LF; and the whole caption:
// heading, underline and those lines, no line break at the end.
QString disclaimerBody();
QString disclaimer();

} // namespace templates
} // namespace kestrin
