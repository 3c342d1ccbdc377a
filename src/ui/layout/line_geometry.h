// Where a win line is drawn: its colour and, for each reel, the straight segments in cell-local
// coordinates (x from 0 at the cell's left edge to W, y from 0 at its top edge to H), some of
// them in the middle-row cells next to it where the line jumps two rows.
#pragma once

#include <array>
#include <cstdint>

#include "model/game_constants.h"

namespace kragmoor {

struct Rgb {
    std::uint8_t r, g, b;
};

struct CellSegment {
    int cell;  // the cell of the symbol window: row x 5 + reel
    double x0, y0, x1, y1;
};

// At most two segments in the own cell and one in each of two neighbours, per reel.
struct LineSegments {
    std::array<CellSegment, 20> segment{};
    int count = 0;
};

// The colour of line 0..19.
Rgb LineColour(int line);

// The segments of a line that crosses rows `rows` (0..2) on reels 0..4, for cells of w x h
// pixels.
LineSegments LineGeometry(const std::int16_t (&rows)[kReels], double w, double h);

}  // namespace kragmoor
