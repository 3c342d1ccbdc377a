// The counts of the full cycle behind the par sheet, of the base game and of one free spin:
// against an enumeration of every window of small games written here (not the analysis's walk),
// summed back to the cycle on the bundled games, and the exact decimals made of them.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>
#include <set>
#include <tuple>

#include "engine/analysis/exact_analysis.h"
#include "engine/analysis/exact_decimal.h"
#include "engine/analysis/line_odds.h"
#include "engine/analysis/par_sheet.h"
#include "engine/analysis/par_sheet_text.h"
#include "engine/rules/line_evaluator.h"
#include "engine_fixture.h"
#include "model/definition_reader.h"

namespace kragmoor::test {
namespace {

using Window = std::array<std::array<std::int16_t, kRows>, kReels>;  // [reel][row]

// Calls `visit` with every window of the base strips (the free-spin strips when `free_spins`),
// the stops of reel 0 turning slowest; a row shows the position above the stop, the stop and the
// one below, wrapping at the ends.
template <typename Visit>
void EveryWindow(const GameDefinition& def, Visit visit, bool free_spins = false) {
    const auto& strip = free_spins ? def.FsReelStrip : def.ReelStrip;
    const auto& last = free_spins ? def.FsReelLen : def.ReelLen;
    std::array<int, kReels> stops{};
    Window w{};
    while (true) {
        for (int r = 0; r < kReels; ++r) {
            const int length = last[r] + 1;
            for (int row = 0; row < kRows; ++row) {
                w[r][row] = strip[(stops[r] + row - 1 + length) % length][r];
            }
        }
        visit(w);
        int r = kReels - 1;
        while (r >= 0 && ++stops[r] > last[r]) stops[r--] = 0;
        if (r < 0) return;
    }
}

std::size_t ScattersIn(const Window& w) {
    std::size_t shown = 0;
    for (const auto& column : w) {
        shown += static_cast<std::size_t>(std::count(column.begin(), column.end(), kScatter));
    }
    return std::min<std::size_t>(shown, kMaxScatters);
}

// Four ordinary symbols and the scatter, no wild; at most one scatter a strip, so that a reel
// shows one scatter at most. 4 x 4 x 5 x 4 x 4 = 1280 windows.
GameDefinition GameWithoutWilds() {
    GameDefinition def = SmallGame();
    const char* strips[kReels] = {"01S0", "0120", "S0113", "1S02", "2S13"};
    for (int r = 0; r < kReels; ++r) SetStrip(def, r, strips[r]);
    return def;
}

// Every window of a strip set walked here, its lines valued by the game's line rule: each paying
// result's windows on line 7 (which crosses all three rows) and on all 20 and its pay, the
// windows by their scatters and their pay, the winning windows, the credits of the cycle, and
// the pairs that pay nothing. A free spin's wins are times the free spins' multiplier.
struct Tally {
    using Result = std::tuple<int, int, bool>;  // symbol, run, a wild in an ordinary run
    std::map<Result, std::uint64_t> one_line, all_lines;
    std::map<Result, double> pay;
    std::array<std::uint64_t, kMaxScatters + 1> scatters{};
    std::array<std::int64_t, kMaxScatters + 1> scatter_pay{};
    std::uint64_t windows = 0, winning = 0, losing_pairs = 0;
    UInt128 credits = 0;
};

Tally Enumerate(const GameDefinition& def, bool free_spins) {
    Tally t;
    const std::int64_t multiplier = free_spins ? def.Rules.FreeSpinMultiplier : 1;
    for (std::size_t n = kScatterWinFrom; n <= kMaxScatters; ++n)
        t.scatter_pay[n] = def.PayTable[kScatter][n] * kTotalBet * multiplier;
    const auto& awards = free_spins ? def.Rules.Retrigger : def.Rules.FreeSpins;
    const auto visit = [&](const Window& w) {
        ++t.windows;
        std::int64_t win = 0;
        bool wins = false;
        for (int line = 0; line < kLines; ++line) {
            std::array<std::int16_t, kReels> s{};
            for (int r = 0; r < kReels; ++r) s[r] = w[r][kLineRows[line][r]];
            const LineOutcome o = EvaluateLineSymbols(s, def.PayTable, def.Rules.WildMultiplier);
            const bool wild = o.symbol < kWild && std::find(s.begin(), s.begin() + o.count,
                                                            kWild) != s.begin() + o.count;
            const bool jackpot = o.symbol == kWild && o.count == kReels;
            if (o.win == 0 && !jackpot) {
                ++t.losing_pairs;
                continue;
            }
            const Tally::Result result{o.symbol, o.count, wild};
            ++t.all_lines[result];
            if (line == 7) ++t.one_line[result];
            t.pay[result] = static_cast<double>(o.win * multiplier);
            win += o.win * multiplier;
            wins = true;
        }
        const std::size_t n = ScattersIn(w);
        ++t.scatters[n];
        win += t.scatter_pay[n];
        t.winning += wins || t.scatter_pay[n] > 0 || awards[n] > 0;
        t.credits += static_cast<std::uint64_t>(win);
    };
    EveryWindow(def, visit, free_spins);
    return t;
}

// Each row of a table against the windows walked: a line result's counts and pay, a scatter
// count's, the spins' (of every count from 3 when a row is "3+"); every paying result is a row,
// and the rows' line pairs and those that pay nothing are 20 lines of every window. Returns the
// scatter counts of the retrigger rows.
std::set<int> ExpectRowsOfTheWindows(const std::vector<Combination>& rows, Tally t) {
    std::set<int> retriggered;
    std::uint64_t line_pairs = 0;
    for (const Combination& c : rows) {
        SCOPED_TRACE(std::to_string(c.symbol) + " x" + std::to_string(c.count));
        const auto n = static_cast<std::size_t>(c.count);
        const Tally::Result result{c.symbol, c.count, c.kind == CombinationKind::kLineWithWild};
        switch (c.kind) {
            case CombinationKind::kScatters:
                EXPECT_EQ(std::tuple(c.windows_all_lines, c.windows_one_line, c.pay),
                          std::tuple(t.scatters[n], t.scatters[n], double(t.scatter_pay[n])));
                break;
            case CombinationKind::kRetrigger:
                EXPECT_EQ(c.pay, 0.0);
                retriggered.insert(c.count);
                [[fallthrough]];
            case CombinationKind::kFeature:
                EXPECT_EQ(c.windows_all_lines, c.or_more
                                                   ? t.scatters[3] + t.scatters[4] + t.scatters[5]
                                                   : t.scatters[n]);
                break;
            default:
                EXPECT_EQ(std::pair(c.windows_all_lines, c.windows_one_line),
                          std::pair(t.all_lines[result], t.one_line[result]));
                EXPECT_EQ(c.pay, c.windows_all_lines > 0 ? t.pay[result] : c.pay);
                line_pairs += c.windows_all_lines;
                t.all_lines.erase(result);
        }
    }
    EXPECT_TRUE(t.all_lines.empty()) << "a paying result without a row";
    EXPECT_EQ(line_pairs + t.losing_pairs, 20 * t.windows);
    return retriggered;
}

// SmallGame's rules: 15 spins for 3, 4 and 5 scatters, a "3+" row.
TEST(CombinationCounts, MatchAnEnumerationOfEveryWindowOfASmallGame) {
    const GameDefinition def = GameWithoutWilds();
    const Tally t = Enumerate(def, false);
    ASSERT_EQ(t.windows, 1280u);
    const ExactAnalysis a = AnalyseGame(def);
    EXPECT_EQ(std::tuple(a.full_cycle, a.winning_windows), std::tuple(t.windows, t.windows))
        << "runs of one pay, so every window wins";
    EXPECT_EQ(ExpectRowsOfTheWindows(a.combinations, t), std::set<int>{});
}

// A free spin on strips with wilds and scatters, a wild x3 and free spins x2; 3 scatters add 1
// spin, 4 add 2, 5 none, so that the retriggers are a row per count. The base strips of the game
// without wilds award 5 spins for 3 scatters and 8 for 4 or 5. 10290 free-spin windows.
GameDefinition GameWithFreeSpins() {
    GameDefinition def = GameWithoutWilds();
    const char* strips[kReels] = {"0W1S203", "W0S1213", "1S0W22", "20W01", "0S1W213"};
    for (int r = 0; r < kReels; ++r) SetStrip(def, r, strips[r], true);
    def.Rules.WildMultiplier = 3;
    def.Rules.FreeSpinMultiplier = 2;
    def.Rules.FreeSpins = {0, 0, 0, 5, 8, 8};
    def.Rules.Retrigger = {0, 0, 0, 1, 2, 0};
    return def;
}

// Every free-spin window against the free spins' table. The shares: the credits of the cycle
// times the spins a paid game brings, counted from the base windows here too, are the feature's
// share of the RTP, exactly.
TEST(CombinationCounts, AFreeSpinsMatchAnEnumerationOfEveryFreeSpinWindow) {
    const GameDefinition def = GameWithFreeSpins();
    const Tally spin = Enumerate(def, true);
    ASSERT_EQ(spin.windows, 10290u);
    const auto base_scatters = Enumerate(def, false).scatters;
    const ExactAnalysis a = AnalyseGame(def);
    const FreeSpinTable& t = a.free_spins;
    EXPECT_EQ(std::tuple(t.full_cycle, t.winning_windows), std::tuple(spin.windows, spin.winning));
    EXPECT_EQ(ExpectRowsOfTheWindows(t.combinations, spin), (std::set<int>{3, 4}));
    for (const Combination& c : t.combinations) EXPECT_EQ(c.odds_flags, 0u);

    // Spins per paid game: awarded / base cycle x cycle / (cycle - added).
    const std::uint64_t awarded = 5 * base_scatters[3] + 8 * (base_scatters[4] + base_scatters[5]);
    const std::uint64_t added = spin.scatters[3] + 2 * spin.scatters[4];
    const std::string feature_share =
        ExactDecimal(spin.credits * 100 * awarded,
                     UInt128{kTotalBet} * a.full_cycle * (spin.windows - added), 10);
    EXPECT_TRUE(ParSheetCsv(def, a).ends_with("," + feature_share + ",,," +
                                              std::to_string(spin.winning) + ",10290\r\n"));
    // The identity of the branching process: P(trigger) E[A] / (1 - m) x E[S] is the feature's
    // return, so the free rows' shares add up to the feature row's.
    const FeatureLaw& f = a.feature;
    const double trigger =
        static_cast<double>(base_scatters[3] + base_scatters[4] + base_scatters[5]) /
        static_cast<double>(a.full_cycle);
    EXPECT_DOUBLE_EQ(t.spins_per_game, trigger * f.spins_mean);
    double shares = 0;
    for (const Combination& c : t.combinations) shares += c.rtp_share_percent;
    EXPECT_DOUBLE_EQ(shares, f.spin_mean * t.spins_per_game * 100 / kTotalBet);
    // ComputeExactReturn takes its own way, over symbol frequencies: equal to its rounding.
    EXPECT_NEAR(shares, a.rtp.feature_percent, 1e-14 * shares);
    EXPECT_NEAR(std::stod(feature_share), a.rtp.feature_percent, 1e-14 * shares);
}

// The bundled games, each table: the rows' line pairs and the pairs that pay nothing make 20
// lines of every window of its cycle; the retriggers come as often as ComputeExactReturn's own
// sums say, and the free spins' exact share is the feature's return. Five Horns, which the double
// 1 / hits_per_game makes 62016.00000000001, come 1 in 62016.00 games.
TEST(CombinationCounts, SumBackToTheCyclesOfTheBundledGames) {
    for (const std::string path : {"games/ReelSetup.ini", "games/cinderbrae/ReelSetup.ini"}) {
        SCOPED_TRACE(path);
        const GameDefinition def = ReadDefinition(SourceFile(path));
        const ExactAnalysis a = AnalyseGame(def);
        const LineAutomaton automaton(def.PayTable, def.Rules.WildMultiplier);
        const auto expect_cycle = [&](const std::vector<Combination>& rows, std::uint64_t cycle,
                                      const ReelStrips& strip, const ReelLengths& last) {
            std::uint64_t windows = 1, pairs = 0;
            for (const std::int16_t l : last) windows *= static_cast<std::uint64_t>(l + 1);
            EXPECT_EQ(cycle, windows);
            const auto outcomes = CountLineOutcomes(strip, last, def.LineTable, automaton);
            for (int code = 0; code < LineAutomaton::kCodes; ++code) {
                const AutomatonOutcome& r = automaton.Outcome(code);
                if (r.win == 0 && !r.jackpot) pairs += outcomes[static_cast<std::size_t>(code)];
            }
            for (const Combination& c : rows) {
                const bool line = c.kind == CombinationKind::kLine ||
                                  c.kind == CombinationKind::kLineWithWild ||
                                  c.kind == CombinationKind::kJackpot;
                pairs += line ? 20 * c.windows_one_line : 0;
            }
            EXPECT_EQ(pairs, 20 * windows);
        };
        expect_cycle(a.combinations, a.full_cycle, def.ReelStrip, def.ReelLen);
        const FreeSpinTable& t = a.free_spins;
        expect_cycle(t.combinations, t.full_cycle, def.FsReelStrip, def.FsReelLen);
        std::uint64_t retriggers = 0;
        UInt128 credits = 0;
        for (const Combination& c : t.combinations) {
            if (c.kind == CombinationKind::kRetrigger) retriggers += c.windows_all_lines;
            credits += *CycleCredits(c);
        }
        EXPECT_NEAR(static_cast<double>(retriggers) / static_cast<double>(t.full_cycle),
                    a.rtp.retrigger_probability, 1e-15);
        const std::string share = *ExactSharePercent(credits, FreeSpinTableBasis(a), 10);
        EXPECT_NEAR(std::stod(share), a.combinations.back().rtp_share_percent, 1e-9);
        EXPECT_NEAR(std::stod(share), a.rtp.feature_percent, 1e-9);
        if (path != "games/ReelSetup.ini") continue;
        const auto horns = std::find_if(a.combinations.begin(), a.combinations.end(), [&](auto& c) {
            return def.SymbolName[c.symbol] == "Horn" && c.count == 5 &&
                   c.kind == CombinationKind::kLine;
        });
        ASSERT_NE(horns, a.combinations.end());
        EXPECT_EQ(horns->windows_all_lines, 960u);
        EXPECT_EQ(ExactOneIn(a.full_cycle, horns->windows_all_lines), "62016.00");
        EXPECT_EQ(SharePercentText(*horns, BaseTableBasis(a), 10), "0.0048374613");
    }
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
