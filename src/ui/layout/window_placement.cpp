#include "ui/layout/window_placement.h"

#include <algorithm>
#include <set>

namespace kragmoor {

namespace {

// Every free rectangle the screen's and the windows' edges can bound: a maximal free rectangle
// of a few windows always has such edges, so the search misses none of them.
std::vector<PixelRect> FreeRectangles(const PixelRect& screen,
                                      const std::vector<PixelRect>& taken) {
    std::set<int> lefts{screen.left}, rights{screen.right}, tops{screen.top},
        bottoms{screen.bottom};
    for (const PixelRect& t : taken) {
        lefts.insert(std::clamp(t.right, screen.left, screen.right));
        rights.insert(std::clamp(t.left, screen.left, screen.right));
        tops.insert(std::clamp(t.bottom, screen.top, screen.bottom));
        bottoms.insert(std::clamp(t.top, screen.top, screen.bottom));
    }
    std::vector<PixelRect> free;
    for (const int l : lefts) {
        for (const int r : rights) {
            if (r <= l) continue;
            for (const int t : tops) {
                for (const int b : bottoms) {
                    const PixelRect candidate{l, t, r, b};
                    if (b <= t || std::any_of(taken.begin(), taken.end(), [&](const PixelRect& w) {
                            return w.Overlaps(candidate);
                        })) {
                        continue;
                    }
                    free.push_back(candidate);
                }
            }
        }
    }
    return free;
}

long Area(const PixelRect& r) {
    return static_cast<long>(r.Width()) * r.Height();
}

}  // namespace

std::optional<PixelRect> PlaceClear(const PixelRect& screen, const std::vector<PixelRect>& taken,
                                    PixelSize wanted, PixelSize least) {
    const std::vector<PixelRect> free = FreeRectangles(screen, taken);
    std::optional<PixelRect> whole, largest;
    for (const PixelRect& r : free) {
        if (r.Width() >= wanted.width && r.Height() >= wanted.height) {
            const PixelRect placed{r.left, r.top, r.left + wanted.width, r.top + wanted.height};
            const auto nearer = [&](const PixelRect& a, const PixelRect& b) {
                return a.top + a.left < b.top + b.left;
            };
            if (!whole || nearer(placed, *whole)) whole = placed;
        } else if (r.Width() >= least.width && r.Height() >= least.height &&
                   (!largest || Area(r) > Area(*largest))) {
            largest = r;
        }
    }
    return whole ? whole : largest;
}

}  // namespace kragmoor
