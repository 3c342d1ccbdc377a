#include "engine/rules/line_codes.h"

#include "engine/rules/stop_window.h"

namespace kragmoor {

namespace {

// A code packs the symbol, the run length and whether a wild multiplied the pay.
constexpr int CodeOf(int symbol, int count, bool multiplied) {
    return (symbol * kRunLengths + count) * 2 + (multiplied ? 1 : 0);
}

static_assert(CodeOf(kWild, kReels, false) == LineCodeTable::kJackpotCode);

}  // namespace

LineCodeTable::LineCodeTable(PayTableRef pay, std::int32_t wild_multiplier) : codes_(kKeys, 0) {
    for (int symbol = 0; symbol < kSymbols; ++symbol) {
        for (int count = 0; count < kRunLengths; ++count) {
            for (int multiplied = 0; multiplied < 2; ++multiplied) {
                CodeOutcome& outcome =
                    outcomes_[static_cast<std::size_t>(CodeOf(symbol, count, multiplied != 0))];
                outcome.symbol = static_cast<std::uint8_t>(symbol);
                outcome.count = static_cast<std::uint8_t>(count);
                outcome.win = static_cast<std::int32_t>(pay[symbol][count]) *
                              (multiplied != 0 ? wild_multiplier : 1);
                outcome.jackpot = symbol == kWild && count == kReels;
                outcome.pays = outcome.win > 0;
            }
        }
    }
    std::array<std::int16_t, kReels> s{};
    for (int key = 0; key < kKeys; ++key) {
        for (int r = 0, rest = key; r < kReels; ++r, rest /= kSymbols)
            s[static_cast<std::size_t>(r)] = static_cast<std::int16_t>(rest % kSymbols);
        const LineOutcome out = EvaluateLineSymbols(s, pay, wild_multiplier);
        const bool multiplied = out.win != pay[out.symbol][out.count];
        codes_[static_cast<std::size_t>(key)] =
            static_cast<std::uint8_t>(CodeOf(out.symbol, out.count, multiplied));
    }
}

std::uint32_t LineCodeTable::Key(const std::array<std::int16_t, kReels>& s) {
    std::uint32_t key = 0;
    for (int r = 0; r < kReels; ++r) key += Part(r, s[r]);
    return key;
}

StripColumns::StripColumns(const ReelStrips& strip, const ReelLengths& last) {
    for (int r = 0; r < kReels; ++r) {
        for (int stop = 0; stop <= last[r]; ++stop) {
            Column& column = reel[r][stop];
            column.symbol = WindowColumn(strip, r, stop, last[r]);
            column.scatters = 0;
            for (int row = 0; row < kRows; ++row) {
                column.key[row] = LineCodeTable::Part(r, column.symbol[row]);
                column.scatters = static_cast<std::uint8_t>(
                    column.scatters + (column.symbol[row] == kScatter ? 1 : 0));
            }
        }
    }
}

}  // namespace kragmoor
