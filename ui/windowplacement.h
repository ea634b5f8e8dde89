// SPDX-License-Identifier: MIT
#pragma once

// Where a window that accompanies the main window (the preview) goes: beside
// it, so that both can be seen at once.

#include <QRect>
#include <QSize>

namespace kestrin::ui {

enum class PlacementSide { Right, Left, Below, Over };

struct Placement {
    PlacementSide side = PlacementSide::Right;
    QRect frame; // the window's outer rectangle, title bar and borders included
};

// Places a window whose frame would like to be `wanted` next to `mainFrame`
// within the screen's available area `room`, `gap` pixels apart: to the
// right where the whole wanted width fits, else to the left, else below;
// where none of them has that room, on the first of the three that has at
// least `minimum`, shrunk to what there is. Only a main window that leaves
// no such room anywhere is covered (Over: at the screen's right edge).
// The result always lies within `room`.
Placement placeBeside(const QRect &mainFrame, const QRect &room, QSize wanted, QSize minimum, int gap);

} // namespace kestrin::ui
