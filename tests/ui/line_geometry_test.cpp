// Win lines as drawn: segments inside their cells that join into the line's polyline.
#include "ui/layout/line_geometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>
#include <vector>

#include "model/game_model.h"

namespace kragmoor {
namespace {

constexpr double kW = 130;
constexpr double kH = 100;

struct Point {
    double x, y;
};

double Distance(Point a, Point b) {
    return std::hypot(b.x - a.x, b.y - a.y);
}

// p lies on the segment from a to b.
bool OnSegment(Point p, Point a, Point b) {
    return std::abs(Distance(a, p) + Distance(p, b) - Distance(a, b)) < 1e-9;
}

// The polyline runs from the left edge through the five centres to the right edge; the segments
// lie in their cells and on it, and their lengths add up to its length.
TEST(LineGeometry, SegmentsCoverThePolylineThroughTheCentresOnce) {
    for (int line = 0; line < kLines; ++line) {
        SCOPED_TRACE(line);
        std::vector<Point> path{{0, (kLineRows[line][0] + 0.5) * kH}};
        for (int r = 0; r < kReels; ++r)
            path.push_back({(r + 0.5) * kW, (kLineRows[line][r] + 0.5) * kH});
        path.push_back({5 * kW, (kLineRows[line][4] + 0.5) * kH});
        double path_length = 0;
        for (std::size_t i = 1; i < path.size(); ++i) path_length += Distance(path[i - 1], path[i]);

        const LineSegments segments = LineGeometry(line, kW, kH);
        double drawn = 0;
        for (int i = 0; i < segments.count; ++i) {
            const CellSegment& cs = segments.segment[static_cast<std::size_t>(i)];
            ASSERT_TRUE(cs.cell >= 0 && cs.cell < 15);
            for (double v : {cs.x0, cs.x1}) EXPECT_TRUE(v >= 0 && v <= kW);
            for (double v : {cs.y0, cs.y1}) EXPECT_TRUE(v >= 0 && v <= kH);
            const double left = (cs.cell % 5) * kW, top = (cs.cell / 5) * kH;
            const Point a{left + cs.x0, top + cs.y0}, b{left + cs.x1, top + cs.y1};
            // Points along the segment lie on the path (a straight run may pass a centre).
            for (int t = 0; t <= 10; ++t) {
                const Point p{a.x + (b.x - a.x) * t / 10, a.y + (b.y - a.y) * t / 10};
                bool here = false;
                for (std::size_t k = 1; k < path.size(); ++k)
                    here = here || OnSegment(p, path[k - 1], path[k]);
                EXPECT_TRUE(here) << "segment " << i << " at " << t;
            }
            drawn += Distance(a, b);
        }
        EXPECT_NEAR(drawn, path_length, 1e-6);
    }
    EXPECT_THROW(LineGeometry(-1, kW, kH), std::out_of_range);
    EXPECT_THROW(LineColour(20), std::out_of_range);
}

}  // namespace
}  // namespace kragmoor
