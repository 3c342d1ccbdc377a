// The line rules on hand-made lines, and the fast code table against them on every line.
#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "engine/rules/line_codes.h"
#include "engine/rules/line_evaluator.h"
#include "engine_fixture.h"

namespace kragmoor {
namespace {

constexpr std::int16_t W = kWild;
constexpr std::int16_t S = kScatter;
using Line = std::array<std::int16_t, kReels>;

// The small game's distinct pays.
constexpr std::int32_t P(int symbol, int n) {
    return 100 * symbol + 10 * n + 1;
}

struct LineCase {
    const char* name;
    Line line;
    LineOutcome want;
    std::vector<std::array<int, 3>> pays;  // symbol, run length, pay: set on top of the others
    std::int32_t wild_multiplier = 2;
};

TEST(LineRules, KnownLines) {
    const LineCase cases[] = {
        {"plain run", {5, 5, 5, 2, 3}, {5, 3, P(5, 3)}, {}},
        {"leading wild doubles", {W, 5, 5, 2, 3}, {5, 3, 2 * P(5, 3)}, {}},
        {"wilds inside", {5, W, 5, W, 5}, {5, 5, 2 * P(5, 5)}, {}},
        {"wild then another symbol", {3, W, 5, 5, 5}, {3, 2, 2 * P(3, 2)}, {}},
        {"five wilds", {W, W, W, W, W}, {W, 5, P(W, 5)}, {}},
        {"one symbol among wilds", {W, 5, W, W, W}, {5, 5, 2 * P(5, 5)}, {}},
        {"wild and a symbol make two", {W, 3, 5, 1, 1}, {3, 2, 2 * P(3, 2)}, {}},
        {"a single symbol", {7, 3, 3, 3, 3}, {7, 1, P(7, 1)}, {}},
        {"scatter ends wilds", {W, S, 5, 5, 5}, {W, 1, P(W, 1)}, {}},
        {"scatter first: run of 0", {S, W, W, W, W}, {S, 0, 7}, {{S, 0, 7}}},
        {"scatter breaks a run", {4, 4, S, 4, 4}, {4, 2, P(4, 2)}, {}},
        {"four wilds, scatter last", {W, W, W, W, S}, {W, 4, P(W, 4)}, {}},
        {"doubled pay kept whole", {6, 6, W, 6, 6}, {6, 5, 60000}, {{6, 5, 30000}}},
        // Leading wilds: the better of the wild run and the doubled symbol run, ties to the symbol.
        {"wild pair loses", {W, W, 5, 5, 2}, {5, 4, 60}, {{5, 4, 30}, {W, 2, 59}}},
        {"a tie goes to the symbol", {W, W, 5, 5, 2}, {5, 4, 60}, {{5, 4, 30}, {W, 2, 60}}},
        {"wild pair wins", {W, W, 5, 5, 2}, {W, 2, 61}, {{5, 4, 30}, {W, 2, 61}}},
        {"three wilds win", {W, W, W, 4, 4}, {W, 3, 250}, {{4, 5, 100}, {W, 3, 250}}},
        {"three wilds, not doubled", {W, W, W, 4, 4}, {4, 5, 200}, {{4, 5, 100}, {W, 3, 200}}},
        {"four wilds, symbol pays 0", {W, W, W, W, 2}, {W, 4, P(W, 4)}, {{2, 5, 0}}},
        // Another game's wild multiplies by its own factor, once, and by 1 only substitutes; the
        // leading wilds compare with the multiplied win (four 4s 441, two wilds 1121).
        {"wilds x3", {W, 5, W, 5, 2}, {5, 4, 3 * P(5, 4)}, {}, 3},
        {"wilds x1", {W, 5, W, 5, 2}, {5, 4, P(5, 4)}, {}, 1},
        {"no wild, no multiplier", {5, 5, 5, 2, W}, {5, 3, P(5, 3)}, {}, 10},
        {"x1: the wild pair wins", {W, W, 4, 4, 2}, {W, 2, P(W, 2)}, {}, 1},
        {"x3: the 4s win", {W, W, 4, 4, 2}, {4, 4, 3 * P(4, 4)}, {}, 3},
    };
    for (const LineCase& c : cases) {
        SCOPED_TRACE(c.name);
        GameDefinition def = test::SmallGame();
        for (const auto& [symbol, n, pay] : c.pays)
            def.PayTable[symbol][n] = static_cast<std::int16_t>(pay);
        EXPECT_EQ(EvaluateLineSymbols(c.line, def.PayTable, c.wild_multiplier), c.want);
    }
}

// All 13^5 lines, two paytables (the second's leading wilds beat multiplied symbols) and three
// wild multipliers.
TEST(LineRules, CodeTableEqualsTheRulesOnEveryLine) {
    GameDefinition def = test::SmallGame();
    for (int variant = 0; variant < 3; ++variant) {
        const std::int32_t wild_multiplier = variant == 2 ? 1 : 2 + variant;
        if (variant == 1) {
            for (int n = 0; n < kRunLengths; ++n)
                def.PayTable[W][n] = static_cast<std::int16_t>(900 * n);
            def.PayTable[3][5] = -5;
        }
        const LineCodeTable table(def.PayTable, wild_multiplier);
        int mismatches = 0;
        for (int code = 0; code < kSymbols * kSymbols * kSymbols * kSymbols * kSymbols; ++code) {
            Line s{};
            for (int r = 0, rest = code; r < kReels; ++r, rest /= kSymbols)
                s[static_cast<std::size_t>(r)] = static_cast<std::int16_t>(rest % kSymbols);
            const LineOutcome want = EvaluateLineSymbols(s, def.PayTable, wild_multiplier);
            const CodeOutcome& got = table.Outcome(table.Code(LineCodeTable::Key(s)));
            const bool jackpot = want.symbol == W && want.count == 5;
            if ((want != LineOutcome{got.symbol, got.count, got.win} || got.jackpot != jackpot) &&
                ++mismatches < 5) {
                ADD_FAILURE() << "variant " << variant << " line " << s[0] << " " << s[1] << " "
                              << s[2] << " " << s[3] << " " << s[4] << ": " << int{got.symbol}
                              << "/" << int{got.count} << "/" << got.win;
            }
        }
        EXPECT_EQ(mismatches, 0) << "variant " << variant;
    }
}

}  // namespace
}  // namespace kragmoor
