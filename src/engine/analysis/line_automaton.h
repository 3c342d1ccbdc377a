// A line's result read reel by reel. Most lines are decided by their first two or three symbols
// (a run that breaks pays whatever follows), so the analysis of a game follows each line through
// the reels only while its result still depends on the symbols to come. The states stand for
// the prefixes of a line that do not yet decide it, prefixes with the same future sharing one
// state ("5 W 5" and "W 5 5" both continue a doubled run of 5s); a prefix that decides the line
// leads to its result.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "engine/rules/line_evaluator.h"
#include "model/game_model.h"

namespace kragmoor {

// What a line ends with: its symbol, run length, whether a wild multiplied it, and its pay.
struct AutomatonOutcome {
    int symbol = 0;
    int count = 0;
    bool doubled = false;  // a run of an ordinary symbol with a wild in it: the wild multiplies it
    std::int32_t win = 0;  // credits for a 1-credit line bet, the wild's multiplier included
    bool jackpot = false;  // five wilds
};

class LineAutomaton {
  public:
    // Codes number the results: (symbol x 6 + count) x 2 + doubled.
    static constexpr int kCodes = kSymbols * kRunLengths * 2;

    LineAutomaton(PayTableRef pay, std::int32_t wild_multiplier);

    std::int16_t Start() const { return start_; }  // no symbol read yet

    // The state after one more symbol (0..12): a state >= 0 while the line is undecided,
    // otherwise ~code of its result.
    std::int16_t Next(std::int16_t state, int symbol) const {
        return next_[static_cast<std::size_t>(state) * kSymbols + static_cast<std::size_t>(symbol)];
    }
    static constexpr bool Decided(std::int16_t next) { return next < 0; }
    static constexpr int CodeOf(std::int16_t next) { return ~next; }

    const AutomatonOutcome& Outcome(int code) const {
        return results_[static_cast<std::size_t>(code)];
    }
    static constexpr int Code(int symbol, int count, bool doubled) {
        return (symbol * kRunLengths + count) * 2 + (doubled ? 1 : 0);
    }

  private:
    std::vector<std::int16_t> next_;  // undecided states x 13
    std::int16_t start_ = 0;
    std::array<AutomatonOutcome, kCodes> results_{};
};

}  // namespace kragmoor
