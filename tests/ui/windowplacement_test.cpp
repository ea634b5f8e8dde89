// SPDX-License-Identifier: MIT
// Where the preview goes beside the main window: the side, the size it gets,
// and that it stays on the screen and off the main window.
#include "windowplacement.h"

#include <gtest/gtest.h>

using kestrin::ui::placeBeside;
using kestrin::ui::Placement;
using kestrin::ui::PlacementSide;

namespace {

constexpr QSize kWanted(736, 632);
constexpr QSize kSmallest(216, 192);
constexpr int kGap = 8;

TEST(WindowPlacement, BesideTheMainWindowOnTheScreenNeverOverIt)
{
    const struct {
        const char *name;
        QRect room;
        QRect main;
        PlacementSide side;
        QRect expected;
    } cases[] = {
        {"wide screen: to the right, whole", QRect(0, 0, 1920, 1040), QRect(100, 100, 480, 540), PlacementSide::Right,
         QRect(588, 100, 736, 632)},
        {"main window at the right edge: to the left", QRect(0, 0, 1920, 1040), QRect(1400, 100, 480, 540),
         PlacementSide::Left, QRect(656, 100, 736, 632)},
        {"1280x1024, centred: to the right, as wide as there is room", QRect(0, 0, 1280, 1024),
         QRect(401, 242, 478, 540), PlacementSide::Right, QRect(887, 242, 393, 632)},
        {"1024x768, centred: to the right, narrow", QRect(0, 0, 1024, 768), QRect(273, 114, 478, 540),
         PlacementSide::Right, QRect(759, 114, 265, 632)},
        {"low on the screen: lined up with the bottom", QRect(0, 0, 1920, 1040), QRect(100, 700, 480, 300),
         PlacementSide::Right, QRect(588, 408, 736, 632)},
        {"as wide as the screen: below", QRect(0, 0, 1280, 1024), QRect(0, 0, 1280, 400), PlacementSide::Below,
         QRect(0, 408, 736, 616)},
        {"second screen to the right of the first", QRect(1920, 0, 1280, 1024), QRect(2020, 100, 478, 540),
         PlacementSide::Right, QRect(2506, 100, 694, 632)},
        {"fills the screen: over it, on the screen", QRect(0, 0, 1024, 768), QRect(0, 0, 1024, 768),
         PlacementSide::Over, QRect(288, 0, 736, 632)},
        {"screen smaller than the preview", QRect(0, 0, 640, 480), QRect(0, 0, 640, 480), PlacementSide::Over,
         QRect(0, 0, 640, 480)},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const Placement place = placeBeside(c.main, c.room, kWanted, kSmallest, kGap);
        EXPECT_EQ(int(place.side), int(c.side));
        EXPECT_EQ(place.frame, c.expected);
        EXPECT_TRUE(c.room.contains(place.frame));
        if (place.side != PlacementSide::Over) {
            EXPECT_FALSE(place.frame.intersects(c.main));
        }
    }
}

} // namespace
