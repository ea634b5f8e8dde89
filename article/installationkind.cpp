// SPDX-License-Identifier: MIT
#include "installationkind.h"

#include <array>

namespace kestrin {

namespace {

constexpr std::array<QStringView, kInstallationKindCount> kNames{u"SP mission", u"MP mission", u"Addon", u"Mod",
                                                                 u"Own description"};

} // namespace

QString installationKindName(InstallationKind kind)
{
    return kNames[size_t(kind)].toString();
}

std::optional<InstallationKind> installationKindByName(QStringView name)
{
    for (int i = 0; i < kInstallationKindCount; ++i) {
        if (name == kNames[size_t(i)])
            return InstallationKind(i);
    }
    return std::nullopt;
}

} // namespace kestrin
