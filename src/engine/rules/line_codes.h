// The fast line evaluation behind the game rounds. A line's outcome depends only on its five
// symbols, so every one of the 13^5 symbol combinations is valued once, when a game is loaded,
// and kept as a one-byte code in one table of 371 293 bytes, indexed by the five symbols as a
// number in base 13. A game reads each line's code with one load, by a key that is the sum of
// five per-stop values. The codes are proven equal to EvaluateLineSymbols by an exhaustive test.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "engine/rules/line_evaluator.h"
#include "model/game_model.h"

namespace kragmoor {

// What a code stands for, ready for booking.
struct CodeOutcome {
    std::int32_t win = 0;
    std::uint8_t symbol = 0;
    std::uint8_t count = 0;
    bool jackpot = false;  // five wilds
    bool pays = false;     // win > 0
};

class LineCodeTable {
  public:
    static constexpr int kKeys = kSymbols * kSymbols * kSymbols * kSymbols * kSymbols;

    LineCodeTable(PayTableRef pay, std::int32_t wild_multiplier);

    // A key is s0 + 13 s1 + 169 s2 + 2197 s3 + 28561 s4: the sum of one value per reel.
    static constexpr std::uint32_t Part(int reel, int symbol) {
        constexpr std::uint32_t kWeight[kReels] = {1, kSymbols, kSymbols * kSymbols,
                                                   kSymbols * kSymbols * kSymbols,
                                                   kSymbols * kSymbols * kSymbols * kSymbols};
        return static_cast<std::uint32_t>(symbol) * kWeight[reel];
    }
    static std::uint32_t Key(const std::array<std::int16_t, kReels>& s);

    std::uint8_t Code(std::uint32_t key) const { return codes_[key]; }
    const CodeOutcome& Outcome(std::uint8_t code) const { return outcomes_[code]; }
    // The code of a line of five wilds.
    static constexpr std::uint8_t kJackpotCode = (kWild * kRunLengths + kReels) * 2;

  private:
    static constexpr int kCodes = kSymbols * kRunLengths * 2;  // symbol, count, multiplied
    std::vector<std::uint8_t> codes_;                          // by key
    std::array<CodeOutcome, kCodes> outcomes_{};
};

// Everything a game needs from one set of reel strips, per reel and stop: the three window
// symbols (rows 0..2, stop_window.h), each row's share of a line key and the number of scatters
// in the column.
struct StripColumns {
    struct Column {
        std::array<std::uint32_t, kRows> key;
        std::array<std::int16_t, kRows> symbol;
        std::uint8_t scatters;
    };
    std::array<std::array<Column, kMaxPositions>, kReels> reel{};

    // Reel r's last valid position is last[r].
    StripColumns(const ReelStrips& strip, const ReelLengths& last);
};

}  // namespace kragmoor
