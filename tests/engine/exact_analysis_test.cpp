// The exact analysis against the engine playing whole reel cycles of small games, the feature's
// moments against its spins played one by one, known answers, and the games it refuses.
#include "engine/analysis/exact_analysis.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <limits>
#include <map>
#include <stdexcept>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "engine/analysis/background_analysis.h"
#include "engine/analysis/par_sheet.h"
#include "engine/analysis/par_sheet_text.h"
#include "engine_fixture.h"
#include "model/definition_reader.h"

namespace kragmoor::test {
namespace {

// Pays that spread a window's wins over the bins; `short_pays`: runs of one and lone scatters pay.
void ModestPays(GameDefinition& def, bool short_pays) {
    const auto set = [&](int s, const std::array<int, kRunLengths>& pays) {
        for (int n = 0; n < kRunLengths; ++n)
            def.PayTable[s][n] = static_cast<std::int16_t>(pays[n]);
    };
    for (int s = 0; s < kWild; ++s)
        set(s, {0, short_pays ? 1 : 0, 1, 3 + s, 10 + 2 * s, 40 + 10 * s});
    set(kWild, {0, 0, 2, 20, 100, 500});
    set(kScatter, {short_pays ? 2 : 0, 0, 1, 3, 10, 50});
}

struct CycleCase {
    const char* name;
    std::array<const char*, kReels> strips;
    bool short_pays;
};

// What a whole cycle's base games booked; lines by (symbol, run length, with a wild).
struct CycleLaw {
    double win = 0, square = 0, trigger_win = 0, hits = 0, triggers = 0, events = 0, jackpots = 0;
    std::int64_t max = 0;
    std::array<double, kWinBins> bins{};
    std::map<std::tuple<int, int, bool>, double> lines;
};

class WholeCycle : public EngineTest, public ::testing::WithParamInterface<CycleCase> {
  protected:
    void SetUp() override {
        ModestPays(def, GetParam().short_pays);
        for (int r = 0; r < kReels; ++r) SetStrip(def, r, GetParam().strips[r]);
        a = AnalyseGame(def);
        // The odometer plays every combination once; a trigger is noted and its feature dropped.
        CreateLogs(logs, dir.path());
        EngineParts parts(def, logs, observer, dir.path());
        parts.status.SetRandomStops(false);
        RunState& st = parts.state;
        for (const std::int16_t last : def.ReelLen) n *= last + 1;
        for (double g = 0; g < n; ++g) {
            const std::int64_t events = st.WinEvents;
            parts.rounds.PlayBaseGame();
            const std::int64_t b = st.TotalWin - st.WinAtGameStart;
            const bool trigger = st.InFreeSpins;
            st.InFreeSpins = false;
            law.win += static_cast<double>(b);
            law.square += static_cast<double>(b * b);
            law.trigger_win += trigger ? static_cast<double>(b) : 0.0;
            law.triggers += trigger ? 1 : 0;
            law.hits += st.WinEvents != events || trigger ? 1 : 0;
            law.max = std::max(law.max, b);
            const auto bin = std::count_if(kWinBinTops.begin(), kWinBinTops.end(),
                                           [&](int top) { return b > top * kTotalBet; });
            law.bins[static_cast<std::size_t>(bin)] += 1;
            for (int line = 0; line < kLines; ++line) {
                const int symbol = st.LineOutcomes[line][0], count = st.LineOutcomes[line][1];
                bool wild = false;
                for (int r = 0; r < count; ++r)
                    wild = wild || st.Window[kLineRows[line][r]][r] == kWild;
                law.lines[{symbol, count, symbol < kWild && wild}] += 1;
            }
        }
        law.events = static_cast<double>(st.WinEvents);
        law.jackpots = static_cast<double>(st.JackpotLines);
    }

    ExactAnalysis a;
    CycleLaw law;
    double n = 1;  // games of the cycle
};

// The base game's law, its rows' odds and the spread of a paid game with its feature,
// W = B + T F with F independent of the window: E[W^2] = E[B^2 + 2 B T E[F] + T E[F^2]]. Lines
// share cells: the second moment holds every pair of lines of a window.
TEST_P(WholeCycle, TheAnalysisIsTheCyclesLaw) {
    EXPECT_NEAR(a.base_win_mean, law.win / n, 1e-9 * law.win / n);
    EXPECT_NEAR(a.base_win_second_moment, law.square / n, 1e-9 * law.square / n);
    EXPECT_NEAR(a.base_win_times_feature, law.trigger_win / n * a.feature.win_mean,
                1e-9 * law.win / n * a.feature.win_mean);
    EXPECT_NEAR(a.rtp.trigger_probability, law.triggers / n, 1e-12);
    EXPECT_NEAR(a.hit_frequency, law.hits / n, 1e-12);
    EXPECT_EQ(a.max_base_win, law.max);
    for (std::size_t b = 0; b < kWinBins; ++b)
        EXPECT_NEAR(a.base_win_distribution[b], law.bins[b] / n, 1e-12) << "bin " << b;
    // The return from the strips' symbol frequencies is the same base game.
    EXPECT_NEAR(a.rtp.base_lines_percent + a.rtp.base_scatter_percent,
                law.win / n * 100 / kTotalBet, 1e-9);
    EXPECT_NEAR(a.rtp.win_events_per_game, law.events / n, 1e-12);
    EXPECT_NEAR(a.rtp.jackpot_lines_per_game, law.jackpots / n, 1e-12);

    ASSERT_GT(a.feature.win_mean, 0);
    const double mean = (law.win + law.triggers * a.feature.win_mean) / n;
    const double square = (law.square + 2 * law.trigger_win * a.feature.win_mean +
                           law.triggers * a.feature.win_second_moment) /
                          n;
    const double sd = std::sqrt(square - mean * mean) / kTotalBet;
    EXPECT_NEAR(a.sd_per_game, sd, 1e-9 * sd);
    EXPECT_NEAR(a.rtp.total_percent, mean * 100.0 / kTotalBet, 1e-9 * a.rtp.total_percent);

    // Every line result that pays (or is five wilds) is a row with the odds the cycle shows.
    double line_share = 0;
    for (const Combination& c : a.combinations) {
        if (c.kind == CombinationKind::kScatters || c.kind == CombinationKind::kFeature) continue;
        const auto at =
            law.lines.find({c.symbol, c.count, c.kind == CombinationKind::kLineWithWild});
        const double want = at == law.lines.end() ? 0.0 : at->second / n;
        EXPECT_NEAR(c.hits_per_game, want, 1e-12) << c.symbol << " x" << c.count;
        line_share += c.rtp_share_percent;
        if (at != law.lines.end()) law.lines.erase(at);
    }
    for (const auto& [result, lines] : law.lines) {
        const auto [symbol, count, doubled] = result;
        const bool jackpot = symbol == kWild && count == kReels;
        const int pay = def.PayTable[symbol][count] * (doubled ? 2 : 1);
        EXPECT_FALSE(pay > 0 || jackpot) << "no row for " << symbol << " x" << count;
    }
    EXPECT_NEAR(line_share, a.rtp.base_lines_percent, 1e-9);
}

// One outcome of a free spin: its chance, its win and whether it retriggers.
struct SpinOutcome {
    double chance, win;
    bool retrigger;
};

// With k retriggers a feature plays 15 (1 + k) spins, k of them retriggers; P(k) by a walk over
// the spins played. Returns mean, second moment, and the share past 6000 spins left out.
std::array<double, 3> FeatureMomentsSpinBySpin(const std::vector<SpinOutcome>& spin) {
    std::array<double, 2> chance{}, mu{}, var{};  // of spins that do not and that do retrigger
    for (const SpinOutcome& o : spin) {
        chance[o.retrigger] += o.chance;
        mu[o.retrigger] += o.chance * o.win;
        var[o.retrigger] += o.chance * o.win * o.win;
    }
    for (std::size_t i = 0; i < 2; ++i) {
        mu[i] /= chance[i];
        var[i] = var[i] / chance[i] - mu[i] * mu[i];
    }
    const double q = chance[1];
    std::vector<double> alive{1.0};  // by retriggers so far, features not yet ended
    double mean = 0, square = 0, ended = 0;
    for (int played = 1; played <= 6000; ++played) {
        alive.push_back(0);
        for (std::size_t k = alive.size() - 1; k-- > 0;) {
            alive[k + 1] += alive[k] * q;
            alive[k] *= 1 - q;
        }
        if (played % 15 != 0) continue;
        const std::size_t k = static_cast<std::size_t>(played / 15 - 1);
        const double p = alive[k];  // ends now: its spins are all played
        alive[k] = 0;
        ended += p;
        const double others = played - static_cast<double>(k);
        const double m = others * mu[0] + static_cast<double>(k) * mu[1];
        const double v = others * var[0] + static_cast<double>(k) * var[1];
        mean += p * m;
        square += p * (v + m * m);
    }
    return {mean, square, 1 - ended};
}

// Free spins that win by their scatters alone (x4, from two on), on reels that show one with
// chances 3/30, 3/20, 3/15, 3/30 and 3/10: the feature's moments are its spins played one by one.
TEST(ExactAnalysis, TheFeaturesMomentsAreItsSpinsPlayedOneByOne) {
    GameDefinition def = SmallGame();
    for (auto& row : def.PayTable) std::fill(row, row + kRunLengths, std::int16_t{0});
    const int pays[kReels + 1] = {0, 1, 3, 10, 40, 200};  // bets, by the scatters shown
    std::copy(pays, pays + kReels + 1, def.PayTable[kScatter]);
    std::vector<double> shown{1.0};  // the chance of each number of scatters on the reels so far
    for (const int length : {30, 20, 15, 30, 10}) {
        SetStrip(def, static_cast<int>(shown.size() - 1),
                 "S" + std::string(static_cast<std::size_t>(length - 1), '1'), true);
        shown.push_back(0);
        for (std::size_t c = shown.size() - 1; c > 0; --c)
            shown[c] += (shown[c - 1] - shown[c]) * 3.0 / length;
        shown[0] *= 1 - 3.0 / length;
    }
    std::vector<SpinOutcome> spin;
    for (std::size_t c = 0; c < shown.size(); ++c)
        spin.push_back({shown[c], c >= 2 ? 4.0 * kTotalBet * pays[c] : 0.0, c >= 3});
    const auto [want_mean, want_square, left_out] = FeatureMomentsSpinBySpin(spin);
    ASSERT_LT(left_out, 1e-14);
    const FeatureLaw f = AnalyseGame(def).feature;
    const double q = shown[3] + shown[4] + shown[5];
    EXPECT_NEAR(f.retrigger_probability, q, 1e-15);
    EXPECT_NEAR(f.win_mean, want_mean, 1e-9 * want_mean);
    EXPECT_NEAR(f.win_second_moment, want_square, 1e-9 * want_square);
    EXPECT_NEAR(f.spins_mean, 15.0 / (1 - 15 * q), 1e-9);
}

// Known answers from an independent computation of the same rules (the reference game) and of a
// game's own rules (its strips with wild x3, 8/12/20 spins at x2, retriggers 4/6/10, own lines;
// in fractions of the bet, to the 12 decimals given). The par sheet lists the feature once, "3+",
// when 3, 4 and 5 scatters award the same spins, and otherwise once per count, each with its own
// odds and its award's expected win; the rows add up to the feature's return either way.
TEST(ExactAnalysis, KnownAnswersAndAFeatureRowPerScatterCountWhenTheAwardsDiffer) {
    for (const std::string game : {"g0", "rules"}) {
        SCOPED_TRACE(game);
        const GameDefinition def = ReadDefinition(TestData(game + "/ReelSetup.ini"));
        const ExactAnalysis a = AnalyseGame(def);
        const ExactReturn& x = a.rtp;
        if (game == "g0") {
            EXPECT_NEAR(x.total_percent, 687.8844570711937, 1e-9);
            EXPECT_NEAR(x.base_lines_percent, 224.84189723324897, 1e-9);
            EXPECT_NEAR(x.base_scatter_percent, 23.17987718802936, 1e-9);
            EXPECT_NEAR(1.0 / x.trigger_probability, 48.45002992220228, 1e-9);
            EXPECT_NEAR(x.free_spins_per_feature, 19.103011425210582, 1e-9);
        } else {
            EXPECT_NEAR(x.total_percent / 100, 4.972816082570, 1e-12);
            EXPECT_NEAR(x.base_lines_percent / 100, 3.290444820880, 1e-12);
            EXPECT_NEAR(x.base_scatter_percent / 100, 0.231798771880, 1e-12);
            EXPECT_NEAR(x.feature_percent / 100, 1.450572489810, 1e-12);
            EXPECT_NEAR(x.trigger_probability, 0.020639822134, 1e-12);
            EXPECT_NEAR(x.free_spins_per_feature, 8.844091523478, 1e-11);
            EXPECT_NEAR(x.retrigger_probability, 0.014318899200, 1e-12);
        }
        std::vector<std::string> counts;
        double share = 0, hits = 0;
        for (const Combination& c : a.combinations) {
            if (c.kind != CombinationKind::kFeature) continue;
            counts.push_back(std::to_string(c.count) + (c.or_more ? "+" : ""));
            share += c.rtp_share_percent;
            hits += c.hits_per_game;
            if (!c.or_more) {
                EXPECT_DOUBLE_EQ(c.pay, def.Rules.FreeSpins[static_cast<std::size_t>(c.count)] *
                                            a.feature.spin_value);
            }
        }
        EXPECT_EQ(counts, (game == "g0" ? std::vector<std::string>{"3+"}
                                        : std::vector<std::string>{"3", "4", "5"}));
        EXPECT_NEAR(share, x.feature_percent, 1e-9 * share);
        EXPECT_NEAR(hits, x.trigger_probability, 1e-15);
    }
}

// Every free spin retriggers: infinities and no hang; endless spins that never win are worth 0.
TEST(ExactAnalysis, EndlessFeaturesGiveInfiniteFiguresAndNoHang) {
    GameDefinition def = SmallGame();
    for (int r = 0; r < kReels; ++r) SetStrip(def, r, "S0", true);
    for (int r = 0; r < 3; ++r) SetStrip(def, r, "S12");
    const ExactAnalysis a = AnalyseGame(def);
    EXPECT_TRUE(std::isinf(a.feature.spins_mean) && std::isinf(a.feature.win_mean) &&
                std::isinf(a.sd_per_game));
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(std::pair(a.rtp_ranges[6].low_percent[2], a.rtp_ranges[6].high_percent[2]),
              std::pair(-inf, inf));
    EXPECT_NE(ParSheetCsv(def, a).find("Free spins feature,3+,inf,"), std::string::npos);
    EXPECT_NE(a.designed_rtp_note.find("infinite"), std::string::npos);
    // The window's par sheet shows the expected win as "inf" and the infinite share as "never".
    const CombinationCells cells = ParSheetCells(def, a.combinations.back(), BaseTableBasis(a));
    EXPECT_EQ(std::tuple(cells.label, cells.count, cells.pay, cells.rtp_share_percent),
              std::tuple(std::string("Free spins feature"), std::string("3+"), std::string("inf"),
                         std::string("never")));
    EXPECT_EQ(CreditsText(a.combinations.back().pay), "infinite");
    // A free spin's paying rows then have infinite shares, no exact ones; a retrigger's is 0.
    EXPECT_TRUE(std::isinf(a.free_spins.spins_per_game));
    for (const Combination& c : a.free_spins.combinations) {
        const bool pays = c.pay > 0 && c.windows_all_lines > 0;
        EXPECT_EQ(SharePercentText(c, FreeSpinTableBasis(a), 6), pays ? "never" : "0.000000");
    }
    EXPECT_TRUE(ParSheetCsv(def, a).ends_with(",inf,,,32,32\r\n"));

    for (auto& row : def.PayTable) std::fill(row, row + kRunLengths, std::int16_t{0});
    const ExactAnalysis silent = AnalyseGame(def);
    EXPECT_EQ(silent.feature.win_mean, 0.0);
    EXPECT_TRUE(std::isfinite(silent.sd_per_game));
}

// A note when the designed RTP is neither hundredth within 0.01 of the exact RTP.
TEST(ExactAnalysis, DesignedRtpNoteBeyondAHundredthOfAPercent) {
    GameDefinition def = SmallGame();
    ModestPays(def, false);
    for (int r = 0; r < kReels; ++r) {
        SetStrip(def, r, "01W2S34");
        SetStrip(def, r, "01W2334", true);
    }
    const double exact = AnalyseGame(def).rtp.total_percent;
    ASSERT_LT(exact, 100000) << "a single holds the hundredths below 2^17";
    const double stated = std::round(exact * 100) / 100;
    const double toward = exact > stated ? 0.01 : -0.01;
    const std::pair<double, bool> designed[] = {
        {stated, false}, {stated + toward, false}, {stated - 2 * toward, true}, {stated + 1, true}};
    for (const auto& [rtp, noted] : designed) {
        def.GameRTP = static_cast<float>(rtp);
        EXPECT_EQ(AnalyseGame(def).designed_rtp_note.empty(), !noted) << rtp - exact;
    }
    // The bundled game's known answer, which its header states to the hundredth.
    GameDefinition bundled = ReadDefinition(SourceFile("games/ReelSetup.ini"));
    const double bundled_rtp = AnalyseGame(bundled).rtp.total_percent;
    EXPECT_NEAR(bundled_rtp, 95.74447881811136, 1e-9);
    EXPECT_EQ(std::round(bundled_rtp * 100.0) / 100.0,
              std::round(bundled.GameRTP * 100.0f) / 100.0);
    bundled.GameRTP = 96.5f;
    EXPECT_EQ(AnalyseGame(bundled).designed_rtp_note,
              "The designed RTP of 96.50 % differs from the exact RTP of 95.744479 % by "
              "-0.755521 percentage points.");
}

// Two scatters that pay 16 bets and nothing else: the first two reels are "S012", so a window shows
// their scatter on 3 stops of 4, and the other reels show none. A game wins 16 bets with
// p = 3/4 x 3/4 = 9/16 and nothing otherwise, so its sd is 16 sqrt(p (1 - p)) =
// 16 sqrt(9/16 x 7/16) = sqrt(63) bets. The volatility index is z sd with the two-sided normal
// quantiles z = 1.644854 (90 %), 1.959964 (95 %) and 2.575829 (99 %); the code keeps z to three
// decimals, so it is within 0.0005 sd of them, and a z for another level (1.65, 1.28) is not.
TEST(ExactAnalysis, VolatilityIndexIsTheNormalQuantileTimesTheSd) {
    GameDefinition def = SmallGame();
    for (auto& row : def.PayTable) std::fill(row, row + kRunLengths, std::int16_t{0});
    def.PayTable[kScatter][2] = 16;
    SetStrip(def, 0, "S012");
    SetStrip(def, 1, "S012");
    for (int r = 2; r < kReels; ++r) SetStrip(def, r, "0123");
    const ExactAnalysis a = AnalyseGame(def);
    const double sd = std::sqrt(63.0);
    ASSERT_NEAR(a.hit_frequency, 9.0 / 16, 1e-15);
    ASSERT_NEAR(a.rtp.total_percent, 100.0 * 9.0 / 16 * 16, 1e-9);
    EXPECT_NEAR(a.sd_per_game, sd, 1e-12 * sd);
    const double z[] = {1.6448536269514722, 1.959963984540054, 2.5758293035489004};
    for (std::size_t k = 0; k < 3; ++k)
        EXPECT_NEAR(a.volatility_index[k], z[k] * sd, 0.0005 * sd) << kConfidencePercent[k];
}

TEST(ExactAnalysis, RefusesGamesTheReaderWouldRefuseAndTellsItsProgress) {
    GameDefinition gap = SmallGame();
    gap.FsReelStrip[3][2] = kGap;
    EXPECT_THROW(AnalyseGame(gap), std::invalid_argument);
    std::vector<double> told;
    AnalyseGame(SmallGame(), [&](double f) { told.push_back(f); });
    ASSERT_FALSE(told.empty());
    EXPECT_TRUE(std::is_sorted(told.begin(), told.end()) && told.front() >= 0.0);
    EXPECT_EQ(told.back(), 1.0);
}

// The reference game with every strip repeated to 101 positions: seconds of work.
GameDefinition LongReelGame() {
    GameDefinition def = ReadDefinition(TestData("g0/ReelSetup.ini"));
    for (int reel = 0; reel < kReels; ++reel) {
        for (int p = def.ReelLen[reel] + 1; p < kMaxPositions; ++p)
            def.ReelStrip[p][reel] = def.ReelStrip[p % (def.ReelLen[reel] + 1)][reel];
        def.ReelLen[reel] = kMaxPositions - 1;
    }
    return def;
}

// Cancelled long before its end, it throws instead of giving a result, and tells no end; one
// dropped while it works is cancelled and waited for.
TEST(BackgroundAnalysis, ACancelledAnalysisThrowsAndADroppedOneEnds) {
    const GameDefinition def = LongReelGame();
    std::atomic<int> ended{0};
    BackgroundAnalysis background(def, {{}, [&] { ++ended; }});
    background.Cancel();
    EXPECT_THROW(background.Result(), AnalysisCancelled);
    EXPECT_LT(background.Progress(), 1.0);
    EXPECT_EQ(ended.load(), 0);
    for (int round = 0; round < 3; ++round) BackgroundAnalysis dropped(def);
}

INSTANTIATE_TEST_SUITE_P(
    SmallGames, WholeCycle,
    ::testing::Values(CycleCase{"mixed", {"W1S2345", "6W7S8", "S1W2W1", "21W30", "1W24"}, false},
                      CycleCase{
                          "short_pays", {"W1S23W4", "1W2S3", "S1W2W1", "21WS0", "1W2S"}, true},
                      CycleCase{"wild_heavy", {"WW1WS2", "W1WW", "WWS1W", "1WW2W", "W2W1S"}, false},
                      CycleCase{"scatter_heavy", {"SS1W2", "S1S2", "1SSW", "S2S1", "SW1S"}, false}),
    [](const ::testing::TestParamInfo<CycleCase>& p) { return std::string(p.param.name); });

}  // namespace
}  // namespace kragmoor::test
