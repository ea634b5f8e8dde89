// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringView>

#include <optional>

namespace kestrin {

// The installation options, in the order of the form's option buttons.
enum class InstallationKind { SPMission, MPMission, Addon, Mod, OwnDescription };
inline constexpr int kInstallationKindCount = int(InstallationKind::OwnDescription) + 1;

// The text an own installation description starts with.
inline constexpr QStringView kOwnDescriptionNotice = u"Write here your own installation description ...";

// The caption that names an installation kind in the file and on its option
// button ("SP mission", ..., "Own description"), and back.
QString installationKindName(InstallationKind kind);
std::optional<InstallationKind> installationKindByName(QStringView name);

} // namespace kestrin
