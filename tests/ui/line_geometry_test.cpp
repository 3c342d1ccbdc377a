// Win lines as drawn: segments inside their cells that join into the line's polyline.
#include "ui/layout/line_geometry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <vector>

#include "model/game_model.h"

namespace kragmoor {
namespace {

// The polyline runs from the left edge through the five centres to the right edge; the segments
// lie in their cells and on it (sampled), and their lengths add up to its length. Every one of
// the 3^5 lines a definition can give.
TEST(LineGeometry, SegmentsCoverThePolylineThroughTheCentresOnce) {
    constexpr double kW = 130, kH = 100;
    const auto length = [](double x0, double y0, double x1, double y1) {
        return std::hypot(x1 - x0, y1 - y0);
    };
    for (int code = 0; code < 243; ++code) {
        std::int16_t rows[kReels];
        for (int r = 0, rest = code; r < kReels; ++r, rest /= kRows)
            rows[r] = static_cast<std::int16_t>(rest % kRows);
        SCOPED_TRACE(::testing::Message() << rows[0] << rows[1] << rows[2] << rows[3] << rows[4]);
        const auto path_y = [&rows](double x) {  // the polyline's height at x
            const double at = std::clamp(x / kW - 0.5, 0.0, 4.0);
            const int reel = std::min(static_cast<int>(at), 3);
            const double from = rows[reel], to = rows[reel + 1];
            return (from + (to - from) * (at - reel) + 0.5) * kH;
        };
        double path_length = kW;
        for (int r = 1; r < kReels; ++r)
            path_length += length(0, rows[r - 1] * kH, kW, rows[r] * kH);
        const LineSegments segments = LineGeometry(rows, kW, kH);
        double drawn = 0;
        for (int i = 0; i < segments.count; ++i) {
            const CellSegment& s = segments.segment[static_cast<std::size_t>(i)];
            ASSERT_TRUE(s.cell >= 0 && s.cell < 15);
            EXPECT_TRUE(std::min({s.x0, s.x1, s.y0, s.y1}) >= 0 && std::max(s.x0, s.x1) <= kW &&
                        std::max(s.y0, s.y1) <= kH);
            const double left = (s.cell % 5) * kW, top = (s.cell / 5) * kH;
            for (double t = 0; t <= 1; t += 0.1)
                EXPECT_NEAR(top + s.y0 + (s.y1 - s.y0) * t, path_y(left + s.x0 + (s.x1 - s.x0) * t),
                            1e-9)
                    << "segment " << i << " at " << t;
            drawn += length(s.x0, s.y0, s.x1, s.y1);
        }
        EXPECT_NEAR(drawn, path_length, 1e-6);
    }
    const std::int16_t off_the_window[kReels] = {0, 1, 3, 1, 0};
    EXPECT_THROW(LineGeometry(off_the_window, kW, kH), std::out_of_range);
    EXPECT_THROW(LineColour(20), std::out_of_range);
}

}  // namespace
}  // namespace kragmoor
