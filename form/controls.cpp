// SPDX-License-Identifier: MIT
#include "controls.h"

#include "templates.h"

#include <QCoreApplication>
#include <QHash>

namespace kestrin {

namespace {

using K = ControlKind;
using C = Control;

const std::array<ControlDesign, kControlCount> &designs()
{
    static const std::array<ControlDesign, kControlCount> table{{
        {C::ArticleKind, "ArticleCombo", K::ComboBox, {}, 0, true},
        {C::Name, "ArticleNameText", K::LineEdit, {}, 0, true},
        {C::Version, "VersionText", K::LineEdit, {}, 0, true},
        {C::Authors, "AuthorText", K::MultiLineEdit, {}, 0, true},
        {C::ReleaseDate, "ReleaseText", K::LineEdit, {}, 0, true},
        {C::Web, "ContactText1", K::LineEdit, QStringLiteral("http://"), 0, true},
        {C::Email, "ContactText2", K::LineEdit, QStringLiteral("@"), 0, true},
        {C::Skype, "ContactText3", K::LineEdit, {}, 0, false},
        {C::Icq, "ContactText4", K::LineEdit, {}, 0, false},
        {C::OtherContact, "ContactText5", K::MultiLineEdit, {}, 0, false},
        {C::RequiredGame, "RequiredGameText", K::LineEdit, {}, 0, true},
        {C::RequiredAddons, "AddonsText", K::MultiLineEdit, {}, 0, true},
        {C::Installation, "InstallationText", K::MultiLineEdit,
         templates::installationNotice(InstallationKind::SPMission) + QStringLiteral("\r\n"), 0, true},
        {C::Description, "DescriptionText", K::MultiLineEdit, {}, 0, true},
        {C::Features, "ContentText", K::MultiLineEdit, {}, 0, true},
        {C::Changelog, "ChangelogText", K::MultiLineEdit, {}, 0, true},
        {C::Notes, "ClassnamesText", K::MultiLineEdit, {}, 0, true},
        {C::Credits, "CreditsText", K::MultiLineEdit, {}, 0, true},
        {C::Disclaimer, "DisclaimerText", K::Label, templates::disclaimer(), 0, true},
        {C::SkypeAllowed, "SkypeCheck", K::CheckBox, QStringLiteral(QT_TRANSLATE_NOOP("Controls", "Allow")), 0, true},
        {C::IcqAllowed, "ICQCheck", K::CheckBox, QStringLiteral(QT_TRANSLATE_NOOP("Controls", "Allow")), 0, true},
        {C::OtherContactAllowed, "OtherCheck", K::CheckBox, QStringLiteral(QT_TRANSLATE_NOOP("Controls", "Allow")), 0,
         true},
        {C::FeaturesAllowed, "ContentCheck", K::CheckBox, QStringLiteral(QT_TRANSLATE_NOOP("Controls", "Allow")), 1,
         true},
        {C::ChangelogAllowed, "ChangelogCheck", K::CheckBox, QStringLiteral(QT_TRANSLATE_NOOP("Controls", "Allow")), 1,
         true},
        {C::NotesAllowed, "ClassnamesCheck", K::CheckBox, QStringLiteral(QT_TRANSLATE_NOOP("Controls", "Allow")), 1,
         true},
        {C::AddonsOfficialOnly, "AddonsCheck1", K::CheckBox,
         QStringLiteral(QT_TRANSLATE_NOOP("Controls", "None - official only")), 1, true},
        {C::AddonsUserDefined, "AddonsCheck2", K::CheckBox,
         QStringLiteral(QT_TRANSLATE_NOOP("Controls", "User defined")), 0, true},
        {C::InstallSPMission, "SPmissionOption", K::OptionButton,
         QStringLiteral(QT_TRANSLATE_NOOP("Controls", "SP mission")), 1, true},
        {C::InstallMPMission, "MPmissionOption", K::OptionButton,
         QStringLiteral(QT_TRANSLATE_NOOP("Controls", "MP mission")), 0, true},
        {C::InstallAddon, "AddonOption", K::OptionButton, QStringLiteral(QT_TRANSLATE_NOOP("Controls", "Addon")), 0,
         true},
        {C::InstallMod, "ModOption", K::OptionButton, QStringLiteral(QT_TRANSLATE_NOOP("Controls", "Mod")), 0, true},
        {C::InstallOwnDescription, "OwnDescriptionOption", K::OptionButton,
         QStringLiteral(QT_TRANSLATE_NOOP("Controls", "Own description")), 0, true},
    }};
    return table;
}

} // namespace

const ControlDesign &design(Control control)
{
    return designs()[size_t(control)];
}

const char *controlName(Control control)
{
    return design(control).name;
}

ControlKind controlKind(Control control)
{
    return design(control).kind;
}

bool isTextBox(Control control)
{
    const ControlKind k = controlKind(control);
    return k == ControlKind::LineEdit || k == ControlKind::MultiLineEdit;
}

std::optional<Control> controlByName(QStringView name)
{
    for (const ControlDesign &d : designs()) {
        if (name == QLatin1String(d.name))
            return d.id;
    }
    return std::nullopt;
}

} // namespace kestrin
