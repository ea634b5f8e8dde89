// SPDX-License-Identifier: MIT
#pragma once

#include "article.h"

#include <QString>

#include <array>
#include <optional>

namespace kestrin {

// Every control of the main window that the form's handlers read or write,
// named for what it holds. Its name in the window (objectName, what the
// tests and scripts find it by) is controlName().
enum class Control {
    ArticleKind,
    Name,
    Version,
    Authors,
    ReleaseDate,
    Web,
    Email,
    Skype,
    Icq,
    OtherContact,
    RequiredGame,
    RequiredAddons,
    Installation,
    Description,
    Features,
    Changelog,
    Notes,
    Credits,
    Disclaimer,
    SkypeAllowed,
    IcqAllowed,
    OtherContactAllowed,
    FeaturesAllowed,
    ChangelogAllowed,
    NotesAllowed,
    AddonsOfficialOnly,
    AddonsUserDefined,
    InstallSPMission,
    InstallMPMission,
    InstallAddon,
    InstallMod,
    InstallOwnDescription,
};

inline constexpr int kControlCount = int(Control::InstallOwnDescription) + 1;

enum class ControlKind { ComboBox, LineEdit, MultiLineEdit, Label, CheckBox, OptionButton };

// The system colours a field can have (Windows system colour indexes).
enum class SystemColor { WindowBackground = 5, ThreeDLight = 22 };

// A control as the window's design creates it, before the load handler runs.
struct ControlDesign {
    Control id;
    const char *name; // the control's name (objectName in the window)
    ControlKind kind;
    QString text; // initial text, or caption of labels, check boxes and options
    int value;    // check boxes: 0 or 1; options: 1 when selected
    bool enabled;
};

const ControlDesign &design(Control control);
const char *controlName(Control control);
std::optional<Control> controlByName(QStringView name);
ControlKind controlKind(Control control);
bool isTextBox(Control control); // one-line or multi-line text box

// The six "Allow" switches and the field each governs.
struct AllowSwitch {
    Control check;
    Control field;
};
inline constexpr std::array<AllowSwitch, 6> kAllowSwitches{{
    {Control::SkypeAllowed, Control::Skype},
    {Control::IcqAllowed, Control::Icq},
    {Control::OtherContactAllowed, Control::OtherContact},
    {Control::FeaturesAllowed, Control::Features},
    {Control::ChangelogAllowed, Control::Changelog},
    {Control::NotesAllowed, Control::Notes},
}};

// The installation options, in the order of their buttons.
inline constexpr std::array<Control, 5> kInstallationOptions{Control::InstallSPMission, Control::InstallMPMission,
                                                             Control::InstallAddon, Control::InstallMod,
                                                             Control::InstallOwnDescription};

} // namespace kestrin
