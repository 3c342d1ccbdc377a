// The line and scatter rules on hand-made windows, and the fast code table against them.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "engine/line_codes.h"
#include "engine/line_evaluator.h"
#include "test_game.h"

namespace kragmoor {
namespace {

constexpr std::int16_t W = kWild;
constexpr std::int16_t S = kScatter;

using Line = std::array<std::int16_t, kReels>;

class LineRules : public ::testing::Test {
  protected:
    LineRules() : def_(test::SmallGame()) {}
    int Pay(int symbol, int n) const { return def_.PayTable[symbol][n]; }
    LineOutcome Eval(const Line& s) const { return EvaluateLineSymbols(s, def_.PayTable); }
    GameDefinition def_;
};

TEST_F(LineRules, TypicalLines) {
    EXPECT_EQ(Eval({5, 5, 5, 2, 3}), (LineOutcome{5, 3, Pay(5, 3)}));
    EXPECT_EQ(Eval({W, 5, 5, 2, 3}), (LineOutcome{5, 3, 2 * Pay(5, 3)}));
    EXPECT_EQ(Eval({5, W, 5, W, 5}), (LineOutcome{5, 5, 2 * Pay(5, 5)}));
    EXPECT_EQ(Eval({3, W, 5, 5, 5}), (LineOutcome{3, 2, 2 * Pay(3, 2)}));
    EXPECT_EQ(Eval({W, W, W, W, W}), (LineOutcome{W, 5, Pay(W, 5)}));
    EXPECT_EQ(Eval({W, 5, W, W, W}), (LineOutcome{5, 5, 2 * Pay(5, 5)}));
    EXPECT_EQ(Eval({W, S, 5, 5, 5}), (LineOutcome{W, 1, Pay(W, 1)}));
    EXPECT_EQ(Eval({W, W, S, 3, 3}), (LineOutcome{W, 2, Pay(W, 2)}));
    EXPECT_EQ(Eval({S, 4, 4, 4, 4}), (LineOutcome{S, 0, Pay(S, 0)}));
    EXPECT_EQ(Eval({3, S, 3, 3, 3}), (LineOutcome{3, 1, Pay(3, 1)}));
    // A wild first and an ordinary symbol make a run of two, doubled; a single symbol never is.
    EXPECT_EQ(Eval({W, 3, 5, 1, 1}), (LineOutcome{3, 2, 2 * Pay(3, 2)}));
    EXPECT_EQ(Eval({7, 3, 3, 3, 3}), (LineOutcome{7, 1, Pay(7, 1)}));
}

TEST_F(LineRules, LeadingWildsTakeTheBetterResultAndTiesGoToTheSymbol) {
    // W W 5 5 2: a doubled 5 x 4 against a wild pair.
    def_.PayTable[5][4] = 30;
    def_.PayTable[W][2] = 59;
    EXPECT_EQ(Eval({W, W, 5, 5, 2}), (LineOutcome{5, 4, 60}));
    def_.PayTable[W][2] = 60;
    EXPECT_EQ(Eval({W, W, 5, 5, 2}), (LineOutcome{5, 4, 60})) << "a tie goes to the symbol";
    def_.PayTable[W][2] = 61;
    EXPECT_EQ(Eval({W, W, 5, 5, 2}), (LineOutcome{W, 2, 61}));
    // W W W 4 4: three leading wilds, never doubled.
    def_.PayTable[4][5] = 100;
    def_.PayTable[W][3] = 250;
    EXPECT_EQ(Eval({W, W, W, 4, 4}), (LineOutcome{W, 3, 250}));
    def_.PayTable[W][3] = 200;
    EXPECT_EQ(Eval({W, W, W, 4, 4}), (LineOutcome{4, 5, 200}));
    // Four leading wilds and a symbol that pays nothing.
    def_.PayTable[2][5] = 0;
    EXPECT_EQ(Eval({W, W, W, W, 2}), (LineOutcome{W, 4, Pay(W, 4)}));
}

TEST_F(LineRules, ScatterStartsNoRunAndBreaksOne) {
    def_.PayTable[S][0] = 7;  // the column looked up for a run of 0
    EXPECT_EQ(Eval({S, W, W, W, W}), (LineOutcome{S, 0, 7}));
    EXPECT_EQ(Eval({4, 4, S, 4, 4}), (LineOutcome{4, 2, Pay(4, 2)}));
    EXPECT_EQ(Eval({W, W, W, W, S}), (LineOutcome{W, 4, Pay(W, 4)}));
}

TEST_F(LineRules, DoubledPaysAreKeptWhole) {
    def_.PayTable[6][5] = 30000;
    EXPECT_EQ(Eval({6, 6, W, 6, 6}).win, 60000);
}

TEST_F(LineRules, EvaluateLineReadsTheLineThroughTheWindow) {
    RunState state;
    // Line 13 crosses rows 0 2 0 2 0; put its symbols there and other symbols elsewhere.
    const Line rows = {0, 2, 0, 2, 0};
    for (int r = 0; r < kReels; ++r) {
        for (int row = 0; row < kRows; ++row) state.Window[row][r] = 9;
        state.Window[rows[r]][r] = r == 2 ? W : 4;
    }
    EvaluateLine(def_, state, 13);
    EXPECT_EQ(state.LineResult[13][0], 4);
    EXPECT_EQ(state.LineResult[13][1], 5);
    EXPECT_EQ(state.LineResult[13][2], 2 * Pay(4, 5));
    EvaluateLine(def_, state, 0);  // the middle row: all 9
    EXPECT_EQ(state.LineResult[0][1], 5);
    EXPECT_EQ(state.LineResult[0][0], 9);
}

TEST_F(LineRules, ScattersCountAnywhereAndAreCappedAtFive) {
    RunState state;
    auto count_of = [&](int scatters) {
        for (int cell = 0; cell < 15; ++cell) {
            state.Window[cell / 5][cell % 5] = cell < scatters ? S : 3;
        }
        EvaluateScatters(def_, state);
        return state.LineResult[kScatterLine][1];
    };
    for (int n = 0; n <= 5; ++n) {
        EXPECT_EQ(count_of(n), n);
        EXPECT_EQ(state.LineResult[kScatterLine][0], S);
        EXPECT_EQ(state.LineResult[kScatterLine][2], Pay(S, n));
    }
    EXPECT_EQ(count_of(7), 5);
    EXPECT_EQ(state.LineResult[kScatterLine][2], Pay(S, 5));
    // Two on one reel count as two.
    for (auto& row : state.Window)
        for (auto& cell : row) cell = 1;
    state.Window[0][3] = S;
    state.Window[2][3] = S;
    EvaluateScatters(def_, state);
    EXPECT_EQ(state.LineResult[kScatterLine][1], 2);
}

// Every one of the 13^5 lines: the table's code gives what the rules give, for two paytables
// (the second makes leading wilds win against doubled symbols).
TEST_F(LineRules, CodeTableEqualsTheRulesOnEveryLine) {
    for (int variant = 0; variant < 2; ++variant) {
        if (variant == 1) {
            for (int n = 0; n < kRunLengths; ++n)
                def_.PayTable[W][n] = static_cast<std::int16_t>(900 * n);
            def_.PayTable[3][5] = -5;
        }
        const LineCodeTable table(def_.PayTable);
        Line s{};
        int mismatches = 0;
        for (int a = 0; a < kSymbols; ++a)
            for (int b = 0; b < kSymbols; ++b)
                for (int c = 0; c < kSymbols; ++c)
                    for (int d = 0; d < kSymbols; ++d)
                        for (int e = 0; e < kSymbols; ++e) {
                            s = {static_cast<std::int16_t>(a), static_cast<std::int16_t>(b),
                                 static_cast<std::int16_t>(c), static_cast<std::int16_t>(d),
                                 static_cast<std::int16_t>(e)};
                            const LineOutcome want = Eval(s);
                            const LineOutcome got = table.Outcome(LineCodeTable::Key(s));
                            if (want != got && ++mismatches < 5) {
                                ADD_FAILURE() << a << b << c << d << e << ": " << got.symbol << "/"
                                              << got.count << "/" << got.win;
                            }
                            const bool jackpot = want.symbol == W && want.count == 5;
                            if (table.Lookup(LineCodeTable::Key(s)).jackpot != jackpot)
                                ++mismatches;
                        }
        EXPECT_EQ(mismatches, 0) << "variant " << variant;
        // The two-level layout pays off only while few prefixes need their last two symbols.
        EXPECT_LT(table.Blocks(), 200);
    }
}

TEST_F(LineRules, StripColumnsWrapAroundBothEnds) {
    test::SetStrip(def_, 2, "0123456789A");
    const StripColumns columns(def_.ReelStrip, def_.ReelLen);
    const auto& first = columns.reel[2][0];
    EXPECT_EQ(first.symbol, (std::array<std::int16_t, 3>{10, 0, 1}));
    const auto& last = columns.reel[2][10];
    EXPECT_EQ(last.symbol, (std::array<std::int16_t, 3>{9, 10, 0}));
    EXPECT_EQ(columns.reel[2][4].key[1], LineCodeTable::Part(2, 4));
    test::SetStrip(def_, 0, "SS1S");
    const StripColumns with_scatters(def_.ReelStrip, def_.ReelLen);
    EXPECT_EQ(with_scatters.reel[0][0].scatters, 3);  // S S S (the wrap brings the last one up)
    EXPECT_EQ(with_scatters.reel[0][2].scatters, 2);
}

}  // namespace
}  // namespace kragmoor
