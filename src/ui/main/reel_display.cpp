#include "ui/main/reel_display.h"

namespace kragmoor {

void ReelDisplay::SetWindow(const std::int16_t (&window)[kRows][kReels]) {
    for (int row = 0; row < kRows; ++row) {
        for (int reel = 0; reel < kReels; ++reel) SetCell(row * kReels + reel, window[row][reel]);
    }
    for (auto& marks : marks_) marks.clear();  // keeps the capacity: no allocation per game
}

void ReelDisplay::SetCell(int cell, int code) {
    if (cell < 0 || cell >= kCells) return;
    codes_[static_cast<std::size_t>(cell)] = code;
}

void ReelDisplay::AddSegment(int cell, const QLineF& line, const QColor& colour) {
    if (cell < 0 || cell >= kCells) return;
    marks_[static_cast<std::size_t>(cell)].push_back({CellMark::Kind::Segment, line, colour});
}

void ReelDisplay::AddBox(int cell, const QColor& colour) {
    if (cell < 0 || cell >= kCells) return;
    marks_[static_cast<std::size_t>(cell)].push_back({CellMark::Kind::Box, QLineF(), colour});
}

}  // namespace kragmoor
