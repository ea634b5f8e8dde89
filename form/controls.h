// SPDX-License-Identifier: MIT
#pragma once

#include "article.h"

#include <QString>

#include <array>
#include <optional>

namespace kestrin {

// Every control of the main window that the document reads or writes.
enum class Control {
    ArticleCombo,
    ArticleNameText,
    VersionText,
    AuthorText,
    ReleaseText,
    ContactText1,
    ContactText2,
    ContactText3,
    ContactText4,
    ContactText5,
    RequiredGameText,
    AddonsText,
    InstallationText,
    DescriptionText,
    ContentText,
    ChangelogText,
    ClassnamesText,
    CreditsText,
    DisclaimerText,
    SkypeCheck,
    ICQCheck,
    OtherCheck,
    ContentCheck,
    ChangelogCheck,
    ClassnamesCheck,
    AddonsCheck1,
    AddonsCheck2,
    SPmissionOption,
    MPmissionOption,
    AddonOption,
    ModOption,
    OwnDescriptionOption,
};

inline constexpr int kControlCount = int(Control::OwnDescriptionOption) + 1;

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
    {Control::SkypeCheck, Control::ContactText3},
    {Control::ICQCheck, Control::ContactText4},
    {Control::OtherCheck, Control::ContactText5},
    {Control::ContentCheck, Control::ContentText},
    {Control::ChangelogCheck, Control::ChangelogText},
    {Control::ClassnamesCheck, Control::ClassnamesText},
}};

// The installation options, in the order of their buttons.
inline constexpr std::array<Control, 5> kInstallationOptions{Control::SPmissionOption, Control::MPmissionOption,
                                                             Control::AddonOption, Control::ModOption,
                                                             Control::OwnDescriptionOption};

} // namespace kestrin
