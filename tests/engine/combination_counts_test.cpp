// The counts of the full cycle behind the par sheet: against an enumeration of every window of
// small games written here (not the analysis's walk), summed back to the cycle on the bundled
// game, and the exact decimals made of them.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>
#include <numeric>

#include "engine/analysis/exact_analysis.h"
#include "engine/analysis/exact_decimal.h"
#include "engine/analysis/line_odds.h"
#include "engine/analysis/par_sheet_text.h"
#include "engine/analysis/window_enumeration.h"
#include "engine_fixture.h"
#include "model/definition_reader.h"

namespace kragmoor::test {
namespace {

using Window = std::array<std::array<std::int16_t, kRows>, kReels>;  // [reel][row]

// Calls `visit` with every window of the base strips, the stops of reel 0 turning slowest; a
// row shows the position above the stop, the stop and the one below, wrapping at the ends.
template <typename Visit>
void EveryWindow(const GameDefinition& def, Visit visit) {
    std::array<int, kReels> stops{};
    Window w{};
    while (true) {
        for (int r = 0; r < kReels; ++r) {
            const int length = def.ReelLen[r] + 1;
            for (int row = 0; row < kRows; ++row) {
                w[r][row] = def.ReelStrip[(stops[r] + row - 1 + length) % length][r];
            }
        }
        visit(w);
        int r = kReels - 1;
        while (r >= 0 && ++stops[r] > def.ReelLen[r]) stops[r--] = 0;
        if (r < 0) return;
    }
}

// Four ordinary symbols and the scatter, no wild; at most one scatter a strip, so that a reel
// shows one scatter at most. 4 x 4 x 5 x 4 x 4 = 1280 windows.
GameDefinition GameWithoutWilds() {
    GameDefinition def = SmallGame();
    const char* strips[kReels] = {"01S0", "0120", "S0113", "1S02", "2S13"};
    for (int r = 0; r < kReels; ++r) SetStrip(def, r, strips[r]);
    return def;
}

// What a line shows without wilds: a scatter first is a line of the scatter with run 0;
// otherwise the run of its first symbol from the left.
std::pair<int, int> LineResult(const Window& w, int line) {
    const int first = w[0][kLineRows[line][0]];
    if (first == kScatter) return {kScatter, 0};
    int run = 1;
    while (run < kReels && w[run][kLineRows[line][run]] == first) ++run;
    return {first, run};
}

TEST(CombinationCounts, MatchAnEnumerationOfEveryWindowOfASmallGame) {
    const GameDefinition def = GameWithoutWilds();
    using Result = std::pair<int, int>;  // symbol, run
    std::map<Result, std::uint64_t> one_line, all_lines;
    std::array<std::uint64_t, kReels + 1> scatters{};
    std::uint64_t windows = 0;
    EveryWindow(def, [&](const Window& w) {
        ++windows;
        for (int line = 0; line < kLines; ++line) {
            const auto result = LineResult(w, line);
            ++all_lines[result];
            if (line == 7) ++one_line[result];  // a line that crosses all three rows
        }
        std::size_t shown = 0;
        for (const auto& column : w) {
            shown += static_cast<std::size_t>(std::count(column.begin(), column.end(), kScatter));
        }
        ++scatters[shown];
    });
    ASSERT_EQ(windows, 1280u);

    const ExactAnalysis a = AnalyseGame(def);
    EXPECT_EQ(a.full_cycle, windows);
    const std::size_t seen = all_lines.size();
    std::size_t shown = 0;  // line rows that come
    for (const Combination& c : a.combinations) {
        SCOPED_TRACE(std::to_string(c.symbol) + " x" + std::to_string(c.count));
        switch (c.kind) {
            case CombinationKind::kLine:
                EXPECT_EQ(c.windows_all_lines, all_lines[Result(c.symbol, c.count)]);
                EXPECT_EQ(c.windows_one_line, one_line[Result(c.symbol, c.count)]);
                shown += c.windows_all_lines > 0;
                break;
            case CombinationKind::kScatters:
                EXPECT_EQ(c.windows_all_lines, scatters[static_cast<std::size_t>(c.count)]);
                EXPECT_EQ(c.windows_one_line, c.windows_all_lines);
                break;
            case CombinationKind::kFeature:
                ASSERT_TRUE(c.or_more);  // 15 spins for 3, 4 and 5 scatters
                EXPECT_EQ(c.windows_all_lines, scatters[3] + scatters[4] + scatters[5]);
                break;
            case CombinationKind::kJackpot:  // listed for its pay, though no strip holds a wild
                EXPECT_EQ(c.windows_all_lines, 0u);
                break;
            case CombinationKind::kLineWithWild:
                ADD_FAILURE() << "no wild, so no doubled run";
        }
    }
    // Every result the enumeration saw that pays is a row (runs of the four symbols, and the
    // scatter first on a line).
    EXPECT_EQ(shown, seen);
    EXPECT_EQ(a.winning_windows, windows);  // runs of one pay, so every window wins
}

// Every row of a reel is the strip turned by one stop: whatever rows a line crosses, it shows
// each sequence of five symbols in as many windows, wilds and all. So one line's count is a
// twentieth of all 20 lines'.
TEST(CombinationCounts, EveryLineShowsEverySequenceEquallyOften) {
    GameDefinition def = GameWithoutWilds();
    const char* strips[kReels] = {"01SW", "W120", "S0W13", "1SW2", "2S1W"};
    for (int r = 0; r < kReels; ++r) SetStrip(def, r, strips[r]);
    std::array<std::map<int, std::uint64_t>, kLines> sequences;
    EveryWindow(def, [&](const Window& w) {
        for (int line = 0; line < kLines; ++line) {
            int key = 0;
            for (int r = 0; r < kReels; ++r) key = key * kSymbols + w[r][kLineRows[line][r]];
            ++sequences[static_cast<std::size_t>(line)][key];
        }
    });
    for (int line = 1; line < kLines; ++line) {
        EXPECT_EQ(sequences[static_cast<std::size_t>(line)], sequences[0]) << "line " << line;
    }
    const ExactAnalysis a = AnalyseGame(def);
    bool doubled = false, jackpot = false;
    for (const Combination& c : a.combinations) {
        if (c.kind == CombinationKind::kScatters || c.kind == CombinationKind::kFeature) continue;
        EXPECT_EQ(c.windows_all_lines, 20 * c.windows_one_line);
        doubled = doubled || (c.kind == CombinationKind::kLineWithWild && c.windows_one_line > 0);
        jackpot = jackpot || (c.kind == CombinationKind::kJackpot && c.windows_one_line > 0);
    }
    EXPECT_TRUE(doubled && jackpot);
}

// The bundled game: the line results of all 13 x 6 x 2 codes are the 20 lines of every window,
// the windows by their scatters 0..5 are every window once, and the feature's windows are
// those of 3, 4 and 5 scatters.
TEST(CombinationCounts, SumBackToTheFullCycle) {
    const GameDefinition def = ReadDefinition(SourceFile("games/ReelSetup.ini"));
    const ExactAnalysis a = AnalyseGame(def);
    const std::uint64_t cycle = 32 * 34 * 36 * 38 * 40;
    EXPECT_EQ(a.full_cycle, cycle);
    const LineAutomaton automaton(def.PayTable, def.Rules.WildMultiplier);
    const auto outcomes = CountLineOutcomes(def.ReelStrip, def.ReelLen, def.LineTable, automaton);
    EXPECT_EQ(std::accumulate(outcomes.begin(), outcomes.end(), std::uint64_t{0}), 20 * cycle);
    const WindowLaw law =
        EnumerateWindows(def.ReelStrip, def.ReelLen, def.LineTable, automaton, WindowRules{});
    EXPECT_EQ(std::accumulate(law.scatters.begin(), law.scatters.end(), std::uint64_t{0}), cycle);
    const Combination& feature = a.combinations.back();
    EXPECT_EQ(feature.windows_all_lines, law.scatters[3] + law.scatters[4] + law.scatters[5]);
    for (const Combination& c : a.combinations) {
        if (c.kind == CombinationKind::kScatters) {
            EXPECT_EQ(c.windows_all_lines, law.scatters[static_cast<std::size_t>(c.count)]);
        }
    }
    // Five Horns, which the double 1 / hits_per_game makes 62016.00000000001.
    const auto horns = std::find_if(a.combinations.begin(), a.combinations.end(), [&](auto& c) {
        return def.SymbolName[c.symbol] == "Horn" && c.count == 5 &&
               c.kind == CombinationKind::kLine;
    });
    ASSERT_NE(horns, a.combinations.end());
    EXPECT_EQ(horns->windows_all_lines, 960u);
    EXPECT_EQ(ExactOneIn(a.full_cycle, horns->windows_all_lines), "62016.00");
    EXPECT_EQ(SharePercentText(*horns, a.full_cycle, 10), "0.0048374613");
}

TEST(ExactDecimal, RoundsHalfAwayFromZeroWithoutLosingDigits) {
    struct Case {
        UInt128 numerator, denominator;
        int decimals;
        const char* text;
    };
    const UInt128 cycle = 10510100501;  // 101^5
    const Case cases[] = {
        {62016, 1, 2, "62016.00"},
        {1, 8, 2, "0.13"},       // 0.125: the half goes up
        {1, 3, 2, "0.33"},       // 0.333...
        {2, 3, 0, "1"},          // 0.666...
        {19999, 2, 0, "10000"},  // 9999.5: the carry runs out of the first digit
        {9995, 1000, 2, "10.00"},
        {0, 7, 3, "0.000"},
        {cycle, 20, 2, "525505025.05"},
        {cycle * 20 * 5000 * 100, cycle * 20, 1, "500000.0"},
        {cycle, cycle * 3, 20, "0.33333333333333333333"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ExactDecimal(c.numerator, c.denominator, c.decimals), c.text) << c.text;
    }
    EXPECT_EQ(WholeDecimal(UInt128{1} << 100), "1267650600228229401496703205376");
}

}  // namespace
}  // namespace kragmoor::test
