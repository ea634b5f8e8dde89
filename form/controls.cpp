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
        {C::ArticleCombo, "ArticleCombo", K::ComboBox, {}, 0, true},
        {C::ArticleNameText, "ArticleNameText", K::LineEdit, {}, 0, true},
        {C::VersionText, "VersionText", K::LineEdit, {}, 0, true},
        {C::AuthorText, "AuthorText", K::MultiLineEdit, {}, 0, true},
        {C::ReleaseText, "ReleaseText", K::LineEdit, {}, 0, true},
        {C::ContactText1, "ContactText1", K::LineEdit, QStringLiteral("http://"), 0, true},
        {C::ContactText2, "ContactText2", K::LineEdit, QStringLiteral("@"), 0, true},
        {C::ContactText3, "ContactText3", K::LineEdit, {}, 0, false},
        {C::ContactText4, "ContactText4", K::LineEdit, {}, 0, false},
        {C::ContactText5, "ContactText5", K::MultiLineEdit, {}, 0, false},
        {C::RequiredGameText, "RequiredGameText", K::LineEdit, {}, 0, true},
        {C::AddonsText, "AddonsText", K::MultiLineEdit, {}, 0, true},
        {C::InstallationText, "InstallationText", K::MultiLineEdit,
         templates::installationNotice(InstallationKind::SPMission) + QStringLiteral("\r\n"), 0, true},
        {C::DescriptionText, "DescriptionText", K::MultiLineEdit, {}, 0, true},
        {C::ContentText, "ContentText", K::MultiLineEdit, {}, 0, true},
        {C::ChangelogText, "ChangelogText", K::MultiLineEdit, {}, 0, true},
        {C::ClassnamesText, "ClassnamesText", K::MultiLineEdit, {}, 0, true},
        {C::CreditsText, "CreditsText", K::MultiLineEdit, {}, 0, true},
        {C::DisclaimerText, "DisclaimerText", K::Label, templates::disclaimer(), 0, true},
        {C::SkypeCheck, "SkypeCheck", K::CheckBox, QStringLiteral(QT_TRANSLATE_NOOP("Controls", "Allow")), 0, true},
        {C::ICQCheck, "ICQCheck", K::CheckBox, QStringLiteral(QT_TRANSLATE_NOOP("Controls", "Allow")), 0, true},
        {C::OtherCheck, "OtherCheck", K::CheckBox, QStringLiteral(QT_TRANSLATE_NOOP("Controls", "Allow")), 0, true},
        {C::ContentCheck, "ContentCheck", K::CheckBox, QStringLiteral(QT_TRANSLATE_NOOP("Controls", "Allow")), 1, true},
        {C::ChangelogCheck, "ChangelogCheck", K::CheckBox, QStringLiteral(QT_TRANSLATE_NOOP("Controls", "Allow")), 1,
         true},
        {C::ClassnamesCheck, "ClassnamesCheck", K::CheckBox, QStringLiteral(QT_TRANSLATE_NOOP("Controls", "Allow")), 1,
         true},
        {C::AddonsCheck1, "AddonsCheck1", K::CheckBox,
         QStringLiteral(QT_TRANSLATE_NOOP("Controls", "None - official only")), 1, true},
        {C::AddonsCheck2, "AddonsCheck2", K::CheckBox, QStringLiteral(QT_TRANSLATE_NOOP("Controls", "User defined")), 0,
         true},
        {C::SPmissionOption, "SPmissionOption", K::OptionButton,
         QStringLiteral(QT_TRANSLATE_NOOP("Controls", "SP mission")), 1, true},
        {C::MPmissionOption, "MPmissionOption", K::OptionButton,
         QStringLiteral(QT_TRANSLATE_NOOP("Controls", "MP mission")), 0, true},
        {C::AddonOption, "AddonOption", K::OptionButton, QStringLiteral(QT_TRANSLATE_NOOP("Controls", "Addon")), 0,
         true},
        {C::ModOption, "ModOption", K::OptionButton, QStringLiteral(QT_TRANSLATE_NOOP("Controls", "Mod")), 0, true},
        {C::OwnDescriptionOption, "OwnDescriptionOption", K::OptionButton,
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
