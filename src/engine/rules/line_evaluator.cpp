#include "engine/rules/line_evaluator.h"

namespace kragmoor {

namespace {

// The line's paying symbol: the first symbol, or behind leading wilds the first ordinary
// symbol; a scatter behind wilds leaves the wild.
std::int32_t ChooseSymbol(const std::array<std::int16_t, kReels>& s) {
    if (s[0] != kWild) return s[0];
    for (int r = 1; r < kReels; ++r) {
        if (s[r] == kWild) continue;
        return s[r] < kWild ? s[r] : kWild;
    }
    return kWild;
}

}  // namespace

LineOutcome EvaluateLineSymbols(const std::array<std::int16_t, kReels>& s, PayTableRef pay,
                                std::int32_t wild_multiplier) {
    LineOutcome out;
    out.symbol = ChooseSymbol(s);

    // The run starts on reel 0 and ends at the first symbol that is neither the line's symbol
    // nor the wild; a line that starts with a scatter has no run.
    if (s[0] <= kWild) {
        while (out.count < kReels && (s[out.count] == out.symbol || s[out.count] == kWild)) {
            ++out.count;
        }
    }

    // A run of two or more of an ordinary symbol with a wild in it is multiplied, once.
    std::int32_t factor = 1;
    if (out.count >= 2 && out.symbol < kWild) {
        for (int r = 0; r < out.count; ++r) {
            if (s[r] == kWild) factor = wild_multiplier;
        }
    }
    out.win = static_cast<std::int32_t>(pay[out.symbol][out.count]) * factor;

    // Two or more leading wilds are also a wild line; the better outcome stands, ties to the
    // ordinary symbol.
    if (s[0] == kWild && s[1] == kWild && out.symbol < kWild) {
        int wilds = 0;
        while (wilds < kReels && s[wilds] == kWild) ++wilds;
        const std::int32_t wild_win = pay[kWild][wilds];
        if (out.win < wild_win) out = {kWild, wilds, wild_win};
    }
    return out;
}

}  // namespace kragmoor
