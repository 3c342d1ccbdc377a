// The hit statistics table: 53 rows x 25 columns of texts, a header row and a name column, one
// row per winning combination (count 2..5 of each symbol) with its hits on every line, as the
// scatter outcome, in total, its pay and its total win. The cell texts are also the memory of the
// previous refresh: a count cell turns red (paying) or yellow (not paying) when its count changed.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "model/game_model.h"

namespace kragmoor {

enum class CellColour : std::uint8_t { White, Red, Yellow };

class HitTable {
  public:
    static constexpr int kRows = 53;
    static constexpr int kColumns = 25;

    // The layout at load: headers, the combination names of column 0 and the pays of column 23.
    explicit HitTable(const GameDefinition& def);

    const std::string& Cell(int row, int column) const { return cells_[row][column]; }
    CellColour Colour(int row, int column) const { return colours_[row][column]; }

    // Rewrites every count, hit sum, pay and win sum from the run state and colours the count
    // cells by whether their text changed. The caller decides whether a refresh is due.
    void Refresh(const GameDefinition& def, const RunState& state);

    // "HIT DESCRIPTION" and the 53 rows of 25 cells, each padded or cut to 11 characters, each
    // row ended by CR LF.
    void AppendSaved(std::string& out) const;

    // The table as TAB-ended cells with CR LF after each row, then the run totals.
    std::string ClipboardText(const RunState& state) const;

  private:
    std::array<std::array<std::string, kColumns>, kRows> cells_;
    std::array<std::array<CellColour, kColumns>, kRows> colours_{};
};

}  // namespace kragmoor
