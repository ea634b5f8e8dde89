// SPDX-License-Identifier: MIT
#pragma once

// The main window's controls as one table: what each control is, which tab
// it stands on, where (in twips), its tool tip and its tab index. The window
// builds itself from this table.

#include "controls.h"

#include <QFont>
#include <QIcon>
#include <QRect>
#include <QString>
#include <QStringList>

class QWidget;

#include <optional>
#include <span>

namespace kestrin::ui {

inline constexpr int kTwipsPerPixel = 15;

// The window's client area and the places of its two direct children.
inline constexpr int kClientWidthTwips = 7095;
inline constexpr int kClientHeightTwips = 7365;
inline constexpr QRect kMainTabTwips{120, 120, 6855, 6855};
inline constexpr int kStatusBarTopTwips = 7080;
inline constexpr int kStatusBarHeightTwips = 285;

// The tab control's own strip of tabs, above its pages. A control's Top in
// the table is measured from the tab control's top edge; on the page it
// keeps its distance from the bottom of the strip.
inline constexpr int kTabStripTwips = 525;

enum class TabPage { BasicData, Requirements, Installation, Details, Credits };
inline constexpr int kTabPageCount = 5;

enum class WidgetKind { Label, LineEdit, MultiLineEdit, ComboBox, CheckBox, OptionButton, ReadOnlyField };

struct ControlPlacement {
    const char *name;
    WidgetKind kind;
    TabPage page;
    int left, top, width, height; // twips, relative to the tab control
    int tabIndex;
    const char *toolTip; // nullptr: none
    const char *caption; // labels the document does not know; nullptr otherwise
    const char *buddy;   // the field a label names; nullptr: none
    bool rightAligned = false;
};

// Every control on the five tabs, in the order the window creates them.
std::span<const ControlPlacement> controlPlacements();

// The captions of the tabs, in order.
QString tabCaption(TabPage page);

// A caption or tool tip of the table, and a check box's or option's caption
// from the document's design, in the user's language.
QString layoutText(const char *text);
QString controlCaption(const ControlDesign &design);

// Twips to logical pixels, and a control's rectangle on its tab page.
constexpr int pixels(int twips)
{
    return twips / kTwipsPerPixel;
}
constexpr QRect pixels(const QRect &twips)
{
    return {pixels(twips.x()), pixels(twips.y()), pixels(twips.width()), pixels(twips.height())};
}

// The application's icon (128 x 128), for every window and the
// notification area; the picture is read when it is first drawn.
QIcon applicationIcon();

// Moves a window so that it stands in the middle of its screen.
void centreOnScreen(QWidget *window);

// The windows' font (Verdana, or a close substitute where it is missing) in
// the given size.
QFont windowFont(qreal pointSize);

// Those of the wanted font families that are installed, in the same order;
// all of them when none is (the font system then substitutes).
QStringList installedFamilies(const QStringList &wanted);
QRect pageRect(const ControlPlacement &placement);

// The document's control that a placement shows, if any.
std::optional<Control> documentControl(const ControlPlacement &placement);

} // namespace kestrin::ui
