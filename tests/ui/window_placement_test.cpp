// Where the par sheet opens: clear of the other windows, at its size where there is room, in the
// largest free rectangle where there is not, nowhere when not even that is left.
#include "ui/layout/window_placement.h"

#include <gtest/gtest.h>

namespace kragmoor {
namespace {

constexpr PixelSize kParSheet{1040, 780};
constexpr PixelSize kLeast{480, 300};

TEST(WindowPlacement, ClearOfTheOtherWindowsAtItsSizeOrInTheLargestRoomLeft) {
    struct Case {
        const char* name;
        PixelRect screen;
        std::vector<PixelRect> taken;
        std::optional<PixelRect> want;
    };
    const PixelRect chart{0, 0, 1600, 625}, main{864, 338, 1540, 968};
    const Case cases[] = {
        // The chart across the top, the main window at the bottom right: the corner below the
        // one and left of the other, filled.
        {"chart and main window", {0, 0, 1600, 1000}, {chart, main}, PixelRect{0, 625, 864, 1000}},
        // A large screen with the main window only: the whole size, at the top left.
        {"room to spare",
         {0, 0, 2560, 1440},
         {{1824, 770, 2500, 1400}},
         PixelRect{0, 0, 1040, 780}},
        // Room on the right only, the windows touching it (edges are not overlaps).
        {"beside", {0, 0, 2200, 900}, {{0, 0, 1100, 900}}, PixelRect{1100, 0, 2140, 780}},
        // A work area that does not start at 0 (a panel on the left and at the top).
        {"work area", {64, 30, 1664, 1030}, {{64, 30, 1664, 655}}, PixelRect{64, 655, 1664, 1030}},
        // Nothing at least 480 x 300 is left.
        {"no room", {0, 0, 1024, 768}, {{0, 0, 1024, 500}, {500, 400, 1024, 768}}, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto got = PlaceClear(c.screen, c.taken, kParSheet, kLeast);
        ASSERT_EQ(got.has_value(), c.want.has_value());
        if (!got) continue;
        EXPECT_EQ(*got, *c.want) << got->left << "," << got->top << " " << got->right << ","
                                 << got->bottom;
        for (const PixelRect& t : c.taken) EXPECT_FALSE(got->Overlaps(t));
    }
}

}  // namespace
}  // namespace kragmoor
