// SPDX-License-Identifier: MIT
#include "windowplacement.h"

#include <algorithm>

namespace kestrin::ui {

namespace {

// The start of a span of `length` that lines up with `preferred` but stays
// within [low, high).
int within(int preferred, int length, int low, int high)
{
    return std::max(low, std::min(preferred, high - length));
}

} // namespace

Placement placeBeside(const QRect &mainFrame, const QRect &room, QSize wanted, QSize minimum, int gap)
{
    wanted = wanted.boundedTo(room.size());
    minimum = minimum.boundedTo(wanted);
    // The room on each side of the main window, the gap taken off.
    const int right = room.x() + room.width() - (mainFrame.x() + mainFrame.width() + gap);
    const int left = mainFrame.x() - gap - room.x();
    const int below = room.y() + room.height() - (mainFrame.y() + mainFrame.height() + gap);

    const auto beside = [&](PlacementSide side, int width) {
        const int x =
            side == PlacementSide::Right ? mainFrame.x() + mainFrame.width() + gap : mainFrame.x() - gap - width;
        const int y = within(mainFrame.y(), wanted.height(), room.y(), room.y() + room.height());
        return Placement{side, QRect(x, y, width, wanted.height())};
    };
    const auto under = [&](int height) {
        const int x = within(mainFrame.x(), wanted.width(), room.x(), room.x() + room.width());
        return Placement{PlacementSide::Below,
                         QRect(x, mainFrame.y() + mainFrame.height() + gap, wanted.width(), height)};
    };

    if (right >= wanted.width())
        return beside(PlacementSide::Right, wanted.width());
    if (left >= wanted.width())
        return beside(PlacementSide::Left, wanted.width());
    if (below >= wanted.height())
        return under(wanted.height());
    if (right >= minimum.width())
        return beside(PlacementSide::Right, right);
    if (left >= minimum.width())
        return beside(PlacementSide::Left, left);
    if (below >= minimum.height())
        return under(below);
    // The main window fills the screen: nothing can stand beside it.
    return {PlacementSide::Over, QRect(room.x() + room.width() - wanted.width(),
                                       within(mainFrame.y(), wanted.height(), room.y(), room.y() + room.height()),
                                       wanted.width(), wanted.height())};
}

} // namespace kestrin::ui
