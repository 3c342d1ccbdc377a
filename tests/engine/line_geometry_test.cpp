// Win lines as drawn: their colours, and segments that join into the polyline through the
// centres of the line's cells.
#include "engine/line_geometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>
#include <vector>

#include "model/game_model.h"

namespace kragmoor {
namespace {

constexpr double kW = 130;
constexpr double kH = 130;

struct Point {
    double x, y;
};

// A segment in window coordinates (cells edge to edge).
struct Segment {
    Point a, b;
};

Segment Absolute(const CellSegment& s) {
    const double left = (s.cell % 5) * kW;
    const double top = (s.cell / 5) * kH;
    return {{left + s.x0, top + s.y0}, {left + s.x1, top + s.y1}};
}

double Length(const Segment& s) {
    return std::hypot(s.b.x - s.a.x, s.b.y - s.a.y);
}

// Distance of p from the line through a and b, and whether p lies between them.
bool OnSegment(Point p, Point a, Point b) {
    const double cross = (b.x - a.x) * (p.y - a.y) - (b.y - a.y) * (p.x - a.x);
    const double len = std::hypot(b.x - a.x, b.y - a.y);
    if (std::abs(cross) / len > 1e-9) return false;
    const double dot = (p.x - a.x) * (b.x - a.x) + (p.y - a.y) * (b.y - a.y);
    return dot >= -1e-9 && dot <= len * len + 1e-9;
}

TEST(LineGeometry, ColoursByLine) {
    EXPECT_EQ(LineColour(0).r, 15);
    EXPECT_EQ(LineColour(2).b, 15);
    const Rgb c = LineColour(19);
    EXPECT_EQ(c.r, 160);
    EXPECT_EQ(c.g, 96);
    EXPECT_EQ(c.b, 32);
    EXPECT_EQ(LineColour(17).g, 128);
    EXPECT_THROW(LineColour(20), std::out_of_range);
    EXPECT_THROW(LineGeometry(-1, kW, kH), std::out_of_range);
}

// For every line: the polyline runs from the left edge of reel 0 through the five cell centres
// to the right edge of reel 4; every drawn segment lies on it, and together they cover it
// exactly once (their lengths add up to its length).
TEST(LineGeometry, SegmentsCoverThePolylineThroughTheCentresOnce) {
    for (int line = 0; line < kLines; ++line) {
        std::vector<Point> path;
        path.push_back({0, (kLineRows[line][0] + 0.5) * kH});
        for (int r = 0; r < kReels; ++r)
            path.push_back({(r + 0.5) * kW, (kLineRows[line][r] + 0.5) * kH});
        path.push_back({5 * kW, (kLineRows[line][4] + 0.5) * kH});
        double path_length = 0;
        for (std::size_t i = 1; i < path.size(); ++i) {
            path_length += Length({path[i - 1], path[i]});
        }

        const LineSegments segments = LineGeometry(line, kW, kH);
        double drawn = 0;
        for (int i = 0; i < segments.count; ++i) {
            const CellSegment& cs = segments.segment[static_cast<std::size_t>(i)];
            ASSERT_GE(cs.cell, 0);
            ASSERT_LT(cs.cell, 15);
            // Inside its cell.
            for (double v : {cs.x0, cs.x1}) EXPECT_TRUE(v >= 0 && v <= kW);
            for (double v : {cs.y0, cs.y1}) EXPECT_TRUE(v >= 0 && v <= kH);
            const Segment s = Absolute(cs);
            // Points along the segment lie on the path (a straight run may pass a centre).
            bool on_path = true;
            for (int t = 0; t <= 10; ++t) {
                const Point p{s.a.x + (s.b.x - s.a.x) * t / 10, s.a.y + (s.b.y - s.a.y) * t / 10};
                bool here = false;
                for (std::size_t k = 1; k < path.size(); ++k)
                    here = here || OnSegment(p, path[k - 1], path[k]);
                on_path = on_path && here;
            }
            EXPECT_TRUE(on_path) << "line " << line << " segment " << i;
            drawn += Length(s);
        }
        EXPECT_NEAR(drawn, path_length, 1e-6) << "line " << line;
    }
}

TEST(LineGeometry, SteepCrossingsAreDrawnInTheMiddleRow) {
    // Line 14 (rows 0 2 0 2 0) jumps two rows between every pair of reels.
    const LineSegments s = LineGeometry(13, kW, kH);
    int middle_row = 0;
    for (int i = 0; i < s.count; ++i)
        middle_row += s.segment[static_cast<std::size_t>(i)].cell / 5 == 1 ? 1 : 0;
    EXPECT_EQ(middle_row, 8);
    // The straight middle line: five horizontal segments at mid-height.
    const LineSegments straight = LineGeometry(0, 100, 60);
    ASSERT_EQ(straight.count, 5);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(straight.segment[static_cast<std::size_t>(i)].cell, 5 + i);
        EXPECT_EQ(straight.segment[static_cast<std::size_t>(i)].y0, 30);
        EXPECT_EQ(straight.segment[static_cast<std::size_t>(i)].x1, 100);
    }
}

}  // namespace
}  // namespace kragmoor
