#include "ui/layout/line_geometry.h"

#include <cstdlib>
#include <stdexcept>
#include <string>

#include "model/game_model.h"

namespace kragmoor {

namespace {

constexpr Rgb kLineColours[kLines] = {
    {15, 15, 15},    {15, 15, 15},  {15, 15, 15},   {255, 0, 0},    {192, 64, 64},
    {0, 255, 0},     {64, 192, 64}, {255, 255, 0},  {192, 192, 64}, {0, 0, 255},
    {64, 64, 192},   {255, 0, 255}, {192, 64, 192}, {0, 255, 255},  {64, 192, 192},
    {192, 192, 192}, {64, 64, 64},  {0, 128, 255},  {64, 128, 192}, {160, 96, 32},
};

// A segment in units of a quarter of the cell width (x 0..4) and half the cell height (y 0..2),
// in the own cell (offset 0), the cell below (+5) and its right neighbour (+6), or the cell
// above (-5) and its right neighbour (-4).
struct Piece {
    int offset;
    int x0, y0, x1, y1;
};

struct Shape {
    int code;
    int count;
    Piece piece[4];
};

// Each code draws where the line enters its cell to the centre and from there to where it
// leaves: corners towards a neighbour one row away, mid-height towards the same row, a quarter
// of the width from the edge towards a cell two rows away. A jump of two rows also draws its
// two pieces in the middle row, in this reel's cell and the next reel's.
constexpr Shape kShapes[] = {
    {11, 2, {{0, 0, 0, 2, 1}, {0, 2, 1, 4, 0}}},
    {12, 2, {{0, 0, 0, 2, 1}, {0, 2, 1, 4, 1}}},
    {13, 1, {{0, 0, 0, 4, 2}}},
    {21, 2, {{0, 0, 1, 2, 1}, {0, 2, 1, 4, 0}}},
    {22, 1, {{0, 0, 1, 4, 1}}},
    {23, 2, {{0, 0, 1, 2, 1}, {0, 2, 1, 4, 2}}},
    {31, 1, {{0, 0, 2, 4, 0}}},
    {32, 2, {{0, 0, 2, 2, 1}, {0, 2, 1, 4, 1}}},
    {33, 2, {{0, 0, 2, 2, 1}, {0, 2, 1, 4, 2}}},
    {113, 4, {{0, 0, 1, 2, 1}, {0, 2, 1, 3, 2}, {5, 3, 0, 4, 1}, {6, 0, 1, 1, 2}}},
    {131, 4, {{0, 1, 0, 2, 1}, {0, 2, 1, 3, 0}, {-5, 3, 2, 4, 1}, {-4, 0, 1, 1, 0}}},
    {132, 2, {{0, 1, 0, 2, 1}, {0, 2, 1, 4, 0}}},
    {133, 2, {{0, 1, 0, 2, 1}, {0, 2, 1, 4, 1}}},
    {213, 4, {{0, 0, 2, 2, 1}, {0, 2, 1, 3, 2}, {5, 3, 0, 4, 1}, {6, 0, 1, 1, 2}}},
    {231, 4, {{0, 0, 0, 2, 1}, {0, 2, 1, 3, 0}, {-5, 3, 2, 4, 1}, {-4, 0, 1, 1, 0}}},
    {311, 2, {{0, 1, 2, 2, 1}, {0, 2, 1, 4, 1}}},
    {312, 2, {{0, 1, 2, 2, 1}, {0, 2, 1, 4, 2}}},
    {313, 4, {{0, 1, 2, 2, 1}, {0, 2, 1, 3, 2}, {5, 3, 0, 4, 1}, {6, 0, 1, 1, 2}}},
    {331, 4, {{0, 0, 1, 2, 1}, {0, 2, 1, 3, 0}, {-5, 3, 2, 4, 1}, {-4, 0, 1, 1, 0}}},
};

void CheckLine(int line) {
    if (line < 0 || line >= kLines) {
        throw std::out_of_range("Error Line Number " + std::to_string(line));
    }
}

// How a line passes through its cell on `reel`, from the previous reel's row to the next one's
// (rows counted 1..3 here). Neighbours at most a row away give a two-digit code ab: a for the
// previous reel, b for the next, each 1 (a row above), 2 (the same row, and where there is no
// neighbour) or 3 (a row below). A neighbour two rows away gives the three rows pqr themselves,
// a missing neighbour taking this cell's row.
int ShapeCode(const std::int16_t (&rows)[kReels], int reel) {
    const int here = rows[reel] + 1;
    const int before = reel > 0 ? rows[reel - 1] + 1 : here;
    const int after = reel < kReels - 1 ? rows[reel + 1] + 1 : here;
    if (std::abs(before - here) == 2 || std::abs(after - here) == 2) {
        return 100 * before + 10 * here + after;
    }
    return 10 * (2 + before - here) + (2 + after - here);
}

}  // namespace

Rgb LineColour(int line) {
    CheckLine(line);
    return kLineColours[line];
}

LineSegments LineGeometry(const std::int16_t (&rows)[kReels], double w, double h) {
    for (const std::int16_t row : rows) {
        if (row < 0 || row >= kRows)
            throw std::out_of_range("Error Line Row " + std::to_string(row));
    }
    LineSegments out;
    for (int reel = 0; reel < kReels; ++reel) {
        const int cell = rows[reel] * kReels + reel;
        const int code = ShapeCode(rows, reel);
        for (const Shape& shape : kShapes) {
            if (shape.code != code) continue;
            for (int k = 0; k < shape.count; ++k) {
                const Piece& p = shape.piece[k];
                out.segment[static_cast<std::size_t>(out.count++)] = {
                    cell + p.offset, p.x0 * w / 4, p.y0 * h / 2, p.x1 * w / 4, p.y1 * h / 2};
            }
        }
    }
    return out;
}

}  // namespace kragmoor
