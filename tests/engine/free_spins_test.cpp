// The free-spins feature: its spins, its four-fold wins, retriggers, the booking at its end, its
// record after the next base game, and what it leaves in the statistics.
#include <gtest/gtest.h>

#include <optional>

#include "engine/line_evaluator.h"
#include "engine_fixture.h"
#include "model/text_format.h"
#include "rng/rng.h"

namespace kragmoor {
namespace {

using test::EngineTest;

class FreeSpins : public EngineTest {
  protected:
    // Base reels 0..2 show a scatter in the middle row at stops 5, 8 and 11: the trigger.
    void TriggerAt(std::int64_t game) {
        st().Games = game - 1;
        PlayBaseAt({5, 8, 11, 14, 17});
        ASSERT_TRUE(rc().State().InFreeSpins);
    }
    void PrepareTrigger() {
        test::NoShortPays(def);
        def.ReelStrip[5][0] = kScatter;
        def.ReelStrip[8][1] = kScatter;
        def.ReelStrip[11][2] = kScatter;
    }
    void AllFreeReels(char symbol) {
        for (int r = 0; r < kReels; ++r) test::SetStrip(def, r, std::string(30, symbol), true);
    }
};

TEST_F(FreeSpins, AFeatureBooksItsWholeWinAtItsEndAndIsRecordedAfterTheNextGame) {
    PrepareTrigger();
    AllFreeReels('3');  // every free spin: five 3s on all 20 lines
    Start();
    TriggerAt(41);
    const RunState before = rc().State();
    for (int spin = 1; spin <= 15; ++spin) {
        rc().cmdStart_Click();
        EXPECT_EQ(rc().State().Games, 41);
        if (spin < 15) {
            EXPECT_EQ(rc().State().FeatureWin, spin * 20 * 351 * 4);
            EXPECT_EQ(rc().State().TotalWin, before.TotalWin) << "booked only at the end";
            EXPECT_EQ(rc().Label(1), " FreeGames = " + std::to_string(15 - spin));
        }
    }
    const RunState& s = rc().State();
    const std::int64_t feature = 15 * 20 * 351 * 4;
    EXPECT_FALSE(s.InFreeSpins);
    EXPECT_EQ(s.FeatureWin, 0);
    EXPECT_EQ(s.TotalWin, before.TotalWin + feature);
    EXPECT_EQ(s.FreeWin, feature);
    EXPECT_EQ(s.WinSum[kScatterLine][kScatter][5],
              before.WinSum[kScatterLine][kScatter][5] + feature);
    EXPECT_FLOAT_EQ(s.LastFeatureWin, static_cast<float>(feature) / 20);
    EXPECT_EQ(s.FreeSpinsPlayed, 15);
    // Free spins leave the line statistics alone.
    for (int line = 0; line <= kScatterLine; ++line) {
        for (int n = 0; n <= 5; ++n) {
            for (int sym = 0; sym < kSymbols; ++sym) {
                ASSERT_EQ(s.HitCount[line][n][sym], before.HitCount[line][n][sym]);
            }
        }
    }
    EXPECT_EQ(s.WinEvents, before.WinEvents);
    EXPECT_EQ(File("FreeSpins.txt"), "");
    rc().cmdStart_Click();  // the next base game writes the record
    EXPECT_EQ(File("FreeSpins.txt"), "        41   15 Free_Spins_Won = 21060.000\r\n");
    EXPECT_EQ(rc().State().FreeSpinsPlayed, 0);
}

TEST_F(FreeSpins, StepSettlesTheCashWhenTheFeatureEnds) {
    PrepareTrigger();
    AllFreeReels('3');
    Start();
    st().Games = 40;
    SetNextStops({5, 8, 11, 14, 17});
    rc().cmdStart_Click();
    const std::int64_t trigger_win = rc().State().TotalWin;
    EXPECT_GT(trigger_win, 0);
    EXPECT_EQ(rc().State().Credit, 1000000) << "a triggering game is paid with its feature";
    EXPECT_EQ(rc().Label(1), " FreeGames = 15");
    for (int spin = 1; spin <= 14; ++spin) rc().cmdStart_Click();
    EXPECT_EQ(rc().State().Credit, 1000000);
    EXPECT_EQ(rc().Label(0),
              rc().Label(0).substr(0, 5) + text::Trimmed(text::Mask(trigger_win, "### ### ###")) +
                  " / 20 = " +
                  text::Trimmed(text::Mask(static_cast<double>(trigger_win) / 20.0, "0.000%")));
    rc().cmdStart_Click();
    const std::int64_t feature = 15 * 20 * 351 * 4;
    EXPECT_EQ(rc().State().Credit, 1000000 - 20 + trigger_win + feature);
    EXPECT_EQ(rc().Label(2), " GameWin = " + std::to_string(trigger_win + feature));
    EXPECT_EQ(rc().Label(5), " Cash = " + text::Mask(rc().State().Credit, "# ### ### $"));
}

TEST_F(FreeSpins, EverySpinPaysItsLinesAndScattersFourFold) {
    PrepareTrigger();
    AllFreeReels('3');
    // Reels 0 and 1 show exactly one scatter whatever their stop.
    const std::string one_in_three = "S33S33S33S33S33S33S33S33S33S33";
    test::SetStrip(def, 0, one_in_three, true);
    test::SetStrip(def, 1, one_in_three, true);
    Start();
    TriggerAt(7);
    rng_Init(5);
    for (int spin = 1; spin <= 15; ++spin) {
        const std::int64_t before = rc().State().FeatureWin;
        rc().cmdStart_Click();
        const RunState& s = rc().State();
        RunState reference = s;
        std::int64_t want = 0;
        for (int line = 0; line < kLines; ++line) {
            EvaluateLine(def, reference, line);
            EXPECT_EQ(s.LineResult[line][2], reference.LineResult[line][2]);
            if (reference.LineResult[line][2] > 0) want += 4 * reference.LineResult[line][2];
        }
        ASSERT_EQ(s.LineResult[kScatterLine][1], 2);
        want += def.PayTable[kScatter][2] * 80;
        if (spin < 15) {
            EXPECT_EQ(s.FeatureWin - before, want) << "spin " << spin;
            EXPECT_FLOAT_EQ(s.LastFeatureWin, static_cast<float>(want));
        }
    }
    EXPECT_FALSE(rc().State().InFreeSpins) << "two scatters do not retrigger";
}

// The draws of a feature are known in advance for a seed, so a seed is chosen whose feature
// retriggers on exactly the given spins.
class Retriggers : public FreeSpins {
  protected:
    void SetUp() override {
        PrepareTrigger();
        for (int r = 0; r < 3; ++r) {
            std::string strip(30, '4');
            strip[0] = strip[15] = 'S';
            test::SetStrip(def, r, strip, true);
        }
    }
    int Scatters(const std::array<int, kReels>& stops) const {
        int n = 0;
        for (int r = 0; r < kReels; ++r) {
            const int last = def.FsReelLen[r];
            for (int p : {stops[r] == 0 ? last : stops[r] - 1, stops[r],
                          stops[r] == last ? 0 : stops[r] + 1}) {
                n += def.FsReelStrip[p][r] == kScatter ? 1 : 0;
            }
        }
        return n;
    }
    std::int32_t SeedRetriggeringAt(const std::vector<int>& spins, int total) const {
        for (std::int32_t seed = 1; seed < 100000; ++seed) {
            rng_Init(seed);
            std::vector<int> at;
            for (int spin = 1; spin <= total; ++spin) {
                std::array<int, kReels> stops{};
                for (int r = 0; r < kReels; ++r) stops[r] = rng_GenNumber(def.FsReelLen[r] + 1);
                if (Scatters(stops) >= 3) at.push_back(spin);
            }
            if (at == spins) return seed;
        }
        ADD_FAILURE() << "no seed found";
        return 0;
    }
};

TEST_F(Retriggers, ARetriggerOnTheLastSpinPlaysFifteenMore) {
    const std::int32_t seed = SeedRetriggeringAt({15}, 30);
    Start();
    TriggerAt(250);
    rng_Init(seed);
    for (int spin = 1; spin <= 15; ++spin) rc().cmdStart_Click();
    EXPECT_TRUE(rc().State().InFreeSpins);
    EXPECT_EQ(rc().FreeSpinNo(), 0);
    EXPECT_EQ(rc().Label(1), " FreeGames = 15");
    for (int spin = 16; spin <= 30; ++spin) rc().cmdStart_Click();
    EXPECT_FALSE(rc().State().InFreeSpins);
    rc().cmdStart_Click();
    const std::string record = File("FreeSpins.txt");
    EXPECT_EQ(record.substr(0, 15), "       250   30");
    EXPECT_EQ(rc().FreeSpinsTotal(), 30);
}

TEST_F(Retriggers, AnAutomaticRunPlaysTheWholeFeatureInOnePass) {
    const std::int32_t seed = SeedRetriggeringAt({3, 20}, 45);
    Start();
    TriggerAt(77);
    rng_Init(seed);
    // The first pass plays all 45 spins; the base game of the second pass triggers again and,
    // with Auto Stop, ends the run.
    rc().SetAutoStop(true);
    rc().SetRandomStops(false);
    SetNextStops({5, 8, 11, 14, 17});
    rc().cmdAUTO_Click();
    EXPECT_EQ(rc().State().Games, 78);
    EXPECT_EQ(File("FreeSpins.txt").substr(0, 15), "        77   45");
    EXPECT_TRUE(rc().State().InFreeSpins) << "game 78 triggered again";
    EXPECT_EQ(observer.messages.back(), "Free Spins \r\nGame = 78");
}

TEST_F(FreeSpins, FiveWildsInAFreeSpinAreRecordedAsAFreeSpinJackpot) {
    PrepareTrigger();
    AllFreeReels('W');
    Start();
    TriggerAt(123);
    rc().cmdStart_Click();
    const auto records = Lines(File("Jackpot.txt"));
    ASSERT_EQ(records.size(), 20u);
    // Print zones of 14 columns: the game, the line as a number field, the words at column 29.
    EXPECT_EQ(records[6],
              "     123      " + std::string(" 7 ") + std::string(11, ' ') + "  Free Spin");
    EXPECT_EQ(records[6].size(), 39u);
    EXPECT_EQ(rc().State().FeatureWin, 20 * 4 * def.PayTable[kWild][5]);
    EXPECT_EQ(rc().State().HitCount[6][5][kWild], 0);
}

TEST_F(FreeSpins, AutoStopAtAFreeSpinJackpotEndsTheRunAfterTheFeature) {
    PrepareTrigger();
    AllFreeReels('W');
    Start();
    TriggerAt(9);
    rc().SetAutoStop(true);
    rc().cmdAUTO_Click();
    EXPECT_FALSE(rc().Running());
    EXPECT_FALSE(rc().State().InFreeSpins) << "the feature is played to its end";
    EXPECT_EQ(rc().State().FreeSpinsPlayed, 15);
    EXPECT_EQ(rc().State().Games, 9);
    ASSERT_FALSE(observer.messages.empty());
    EXPECT_EQ(observer.messages[0], "JACKPOT!!!\r\nGame = 9\r\n Free Spin ");
    EXPECT_TRUE(observer.add_enabled);
}

}  // namespace
}  // namespace kragmoor
