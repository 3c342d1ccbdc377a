#include "engine/analysis/line_automaton.h"

#include <algorithm>
#include <map>
#include <utility>

namespace kragmoor {

namespace {

constexpr int kLinesOfSymbols = kSymbols * kSymbols * kSymbols * kSymbols * kSymbols;
// Even if no prefix of four symbols or fewer decided a line, the states would fit a state number.
static_assert(1 + kSymbols + kSymbols * kSymbols + kSymbols * kSymbols * kSymbols +
                  kSymbols * kSymbols * kSymbols * kSymbols <
              0x7FFF);

// The result code of every five-symbol line, indexed with reel 0 as the most significant digit,
// so that the completions of a prefix are one contiguous range.
std::vector<std::uint8_t> CodesOfAllLines(PayTableRef pay, std::int32_t wild_multiplier) {
    std::vector<std::uint8_t> codes(kLinesOfSymbols);
    std::array<std::int16_t, kReels> s{};
    for (int index = 0; index < kLinesOfSymbols; ++index) {
        int rest = index;
        for (int r = kReels - 1; r >= 0; --r) {
            s[static_cast<std::size_t>(r)] = static_cast<std::int16_t>(rest % kSymbols);
            rest /= kSymbols;
        }
        const LineOutcome out = EvaluateLineSymbols(s, pay, wild_multiplier);
        // A result of an ordinary symbol is multiplied when a wild stands in its run.
        bool doubled = false;
        if (out.symbol < kWild && out.count >= 2) {
            doubled = std::find(s.begin(), s.begin() + out.count, kWild) != s.begin() + out.count;
        }
        codes[static_cast<std::size_t>(index)] =
            static_cast<std::uint8_t>(LineAutomaton::Code(out.symbol, out.count, doubled));
    }
    return codes;
}

using Row = std::array<std::int16_t, kSymbols>;

// Prefixes whose transitions agree have the same future. Children come after their parents in
// `rows`, so walking backwards meets every child's merged number before its parents need it.
// Returns the merged rows and the number of the first prefix's state.
std::int16_t Merge(std::vector<Row>& rows) {
    std::vector<std::int16_t> merged(rows.size());
    std::map<Row, std::int16_t> seen;
    std::vector<Row> kept;
    for (std::size_t i = rows.size(); i-- > 0;) {
        Row row = rows[i];
        for (std::int16_t& next : row) {
            if (next >= 0) next = merged[static_cast<std::size_t>(next)];
        }
        const auto [at, added] = seen.emplace(row, static_cast<std::int16_t>(kept.size()));
        if (added) kept.push_back(row);
        merged[i] = at->second;
    }
    rows = std::move(kept);
    return merged[0];
}

}  // namespace

LineAutomaton::LineAutomaton(PayTableRef pay, std::int32_t wild_multiplier) {
    for (int symbol = 0; symbol < kSymbols; ++symbol) {
        for (int count = 0; count < kRunLengths; ++count) {
            for (int doubled = 0; doubled < 2; ++doubled) {
                AutomatonOutcome& r =
                    results_[static_cast<std::size_t>(Code(symbol, count, doubled))];
                r.symbol = symbol;
                r.count = count;
                r.doubled = doubled != 0;
                r.win = static_cast<std::int32_t>(pay[symbol][count]) *
                        (doubled != 0 ? wild_multiplier : 1);
                r.jackpot = symbol == kWild && count == kReels;
            }
        }
    }

    const std::vector<std::uint8_t> codes = CodesOfAllLines(pay, wild_multiplier);
    // An undecided prefix is kept as the first index of its range and the range's size.
    struct Prefix {
        int first;
        int size;
    };
    std::vector<Prefix> prefixes{{0, kLinesOfSymbols}};
    std::vector<Row> rows;
    for (std::size_t state = 0; state < prefixes.size(); ++state) {
        const int size = prefixes[state].size / kSymbols;
        Row row{};
        for (int symbol = 0; symbol < kSymbols; ++symbol) {
            const int first = prefixes[state].first + symbol * size;
            const auto range = codes.begin() + first;
            const bool decided =
                std::all_of(range, range + size, [&](std::uint8_t c) { return c == *range; });
            if (decided) {
                row[static_cast<std::size_t>(symbol)] =
                    static_cast<std::int16_t>(~static_cast<int>(*range));
            } else {
                row[static_cast<std::size_t>(symbol)] = static_cast<std::int16_t>(prefixes.size());
                prefixes.push_back({first, size});
            }
        }
        rows.push_back(row);
    }
    start_ = Merge(rows);
    for (const Row& row : rows) next_.insert(next_.end(), row.begin(), row.end());
}

}  // namespace kragmoor
