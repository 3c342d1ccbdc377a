#include "engine/line_codes.h"

namespace kragmoor {

namespace {

// A code packs the symbol, the run length and whether the pay was doubled.
constexpr int CodeOf(int symbol, int count, bool doubled) {
    return (symbol * kRunLengths + count) * 2 + (doubled ? 1 : 0);
}

}  // namespace

LineCodeTable::LineCodeTable(PayTableRef pay) : codes_(kKeys) {
    for (int symbol = 0; symbol < kSymbols; ++symbol) {
        for (int count = 0; count < kRunLengths; ++count) {
            for (int doubled = 0; doubled < 2; ++doubled) {
                LineCodeInfo& info =
                    info_[static_cast<std::size_t>(CodeOf(symbol, count, doubled != 0))];
                info.symbol = static_cast<std::uint8_t>(symbol);
                info.count = static_cast<std::uint8_t>(count);
                info.win = static_cast<std::int32_t>(pay[symbol][count]) * (doubled + 1);
                info.jackpot = symbol == kWild && count == kReels;
            }
        }
    }
    // Every key in order: reel 0 turns fastest, as its weight is 1.
    std::array<std::int16_t, kReels> s{};
    for (std::uint32_t key = 0; key < static_cast<std::uint32_t>(kKeys); ++key) {
        std::uint32_t rest = key;
        for (int r = 0; r < kReels; ++r) {
            s[r] = static_cast<std::int16_t>(rest % kSymbols);
            rest /= kSymbols;
        }
        const LineOutcome out = EvaluateLineSymbols(s, pay);
        const bool doubled = out.win != pay[out.symbol][out.count];
        codes_[key] = static_cast<std::uint8_t>(CodeOf(out.symbol, out.count, doubled));
    }
}

std::uint32_t LineCodeTable::Key(const std::array<std::int16_t, kReels>& s) {
    std::uint32_t key = 0;
    for (int r = 0; r < kReels; ++r) key += static_cast<std::uint32_t>(s[r]) * Weight(r);
    return key;
}

LineOutcome LineCodeTable::Outcome(std::uint32_t key) const {
    const LineCodeInfo& info = Lookup(key);
    return {info.symbol, info.count, info.win};
}

StripColumns::StripColumns(const std::int16_t (&strip)[kMaxPositions][kReels],
                           const std::int16_t (&len)[kReels]) {
    for (int r = 0; r < kReels; ++r) {
        const int last = len[r];
        for (int stop = 0; stop <= last; ++stop) {
            // The stop shows in the middle row; the strip wraps around at both ends.
            const int above = stop == 0 ? last : stop - 1;
            const int below = stop == last ? 0 : stop + 1;
            Column& column = reel[r][stop];
            column.symbol = {strip[above][r], strip[stop][r], strip[below][r]};
            column.scatters = 0;
            for (int row = 0; row < kRows; ++row) {
                column.key[row] =
                    static_cast<std::uint32_t>(column.symbol[row]) * LineCodeTable::Weight(r);
                column.scatters = static_cast<std::uint8_t>(
                    column.scatters + (column.symbol[row] == kScatter ? 1 : 0));
            }
        }
    }
}

}  // namespace kragmoor
