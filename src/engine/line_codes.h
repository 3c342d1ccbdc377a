// The fast line evaluation behind the game rounds. A line's result depends only on its five
// symbols, so every one of the 13^5 symbol combinations is valued once, when a game is loaded,
// and kept as a one-byte code; a game then reads each line's code from the table by a key that
// is the sum of five per-stop values. The codes are proven equal to EvaluateLineSymbols by an
// exhaustive test.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "engine/line_evaluator.h"
#include "model/game_model.h"

namespace kragmoor {

// What a code stands for, ready for booking.
struct LineCodeInfo {
    std::int32_t win = 0;
    std::uint8_t symbol = 0;
    std::uint8_t count = 0;
    bool jackpot = false;  // five wilds
};

class LineCodeTable {
  public:
    static constexpr int kKeys = kSymbols * kSymbols * kSymbols * kSymbols * kSymbols;  // 13^5

    explicit LineCodeTable(PayTableRef pay);

    // The key of a line: reel r's symbol weighs 13^r.
    static constexpr std::uint32_t Weight(int reel) {
        std::uint32_t w = 1;
        for (int r = 0; r < reel; ++r) w *= kSymbols;
        return w;
    }
    static std::uint32_t Key(const std::array<std::int16_t, kReels>& s);

    const LineCodeInfo& Lookup(std::uint32_t key) const { return info_[codes_[key]]; }
    LineOutcome Outcome(std::uint32_t key) const;

  private:
    static constexpr int kCodes = kSymbols * kRunLengths * 2;  // symbol, count, doubled
    std::vector<std::uint8_t> codes_;
    std::array<LineCodeInfo, kCodes> info_{};
};

// Everything a game needs from one set of reel strips, per reel and stop: the three window
// symbols (rows 0..2, with the strip's wrap-around), each row's share of a line key and the
// number of scatters in the column.
struct StripColumns {
    struct Column {
        std::array<std::uint32_t, kRows> key;
        std::array<std::int16_t, kRows> symbol;
        std::uint8_t scatters;
    };
    std::array<std::array<Column, kMaxPositions>, kReels> reel{};

    // strip[position][reel] with reel r's last valid position len[r].
    StripColumns(const std::int16_t (&strip)[kMaxPositions][kReels],
                 const std::int16_t (&len)[kReels]);
};

}  // namespace kragmoor
