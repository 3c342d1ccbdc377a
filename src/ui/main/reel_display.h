// What the 15 reel cells show: the symbol code of every cell and the marks drawn over it (win
// line segments in their colours, green scatter boxes). The game rounds write here through the
// main window's hooks; the cells paint from it. Keeping it apart from the widgets lets a running
// automatic run record a shown game cheaply and repaint only when the window gets a turn.
#pragma once

#include <QColor>
#include <QLineF>
#include <array>
#include <cstdint>
#include <vector>

#include "model/game_model.h"

namespace kragmoor {

inline constexpr int kCells = kRows * kReels;  // Picture1(row x 5 + reel)

struct CellMark {
    enum class Kind : std::uint8_t { Segment, Box };
    Kind kind = Kind::Segment;
    QLineF line;  // a segment in cell-local pixels; unused for a box
    QColor colour;
};

class ReelDisplay {
  public:
    // Shows a new window of symbols and erases every mark of the previous game.
    void SetWindow(const std::int16_t (&window)[kRows][kReels]);
    void SetCell(int cell, int code);

    void AddSegment(int cell, const QLineF& line, const QColor& colour);
    // The box outline from (3, 3) to (W - 3, H - 3) of a scatter's cell.
    void AddBox(int cell, const QColor& colour);

    int Code(int cell) const { return codes_[static_cast<std::size_t>(cell)]; }
    const std::vector<CellMark>& Marks(int cell) const {
        return marks_[static_cast<std::size_t>(cell)];
    }

  private:
    std::array<int, kCells> codes_{};
    std::array<std::vector<CellMark>, kCells> marks_;
};

}  // namespace kragmoor
