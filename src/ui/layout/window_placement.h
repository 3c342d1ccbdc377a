// Where a window opens so that it covers none of the windows already on the screen: the largest
// free rectangle of the screen's work area, found among the rectangles whose edges are the screen's
// and the other windows' edges. Pixels, Qt-free, so that the rule is tested on its own.
#pragma once

#include <optional>
#include <vector>

namespace kragmoor {

// A rectangle of whole pixels: left and top included, right and bottom excluded.
struct PixelRect {
    int left = 0, top = 0, right = 0, bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool Overlaps(const PixelRect& o) const {
        return left < o.right && o.left < right && top < o.bottom && o.top < bottom;
    }
    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

struct PixelSize {
    int width = 0, height = 0;
};

// The place for a window of `wanted` size (or smaller, down to `least`) inside `screen` that
// overlaps none of `taken`: the wanted size where a free rectangle holds it (the one nearest the
// screen's top left), otherwise the largest free rectangle at least `least` in both directions,
// filled; nothing when there is no such room.
std::optional<PixelRect> PlaceClear(const PixelRect& screen, const std::vector<PixelRect>& taken,
                                    PixelSize wanted, PixelSize least);

}  // namespace kragmoor
