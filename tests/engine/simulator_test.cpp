// The automatic run (Step and Stop at its turn: the window's test; the loss streaks: the golden
// runs in odometer order), the credit entry, the list of observers.
#include <gtest/gtest.h>

#include <tuple>

#include "engine/play/credit.h"
#include "engine_fixture.h"

namespace kragmoor {
namespace {

using test::kTriggerStops;
using SimulatorTest = test::EngineTest;

// A feature's pass leaves Games alone: game 100's block runs again, with the chart point.
TEST_F(SimulatorTest, AFeaturePassRepeatsTheBlockOfItsTriggeringGame) {
    PrepareTrigger('3');
    Start();
    SetNextGame(kTriggerStops, 100);
    std::vector<std::tuple<std::int64_t, bool, std::int64_t>> seen;  // games, feature, points
    std::array<std::string, 2> labels;  // win and free spins, after the feature pass
    observer.on_yield = [&] {
        sim().SetRandomStops(true);  // the odometer would end the run when reel 4 wraps
        const RunState& s = sim().State();
        seen.emplace_back(s.Games, s.InFreeSpins, std::ssize(observer.points));
        if (seen.size() == 2) labels = {sim().Labels().WinLabel(), sim().Labels().FreeSpinsLabel()};
        if (seen.size() == 3) sim().StartOrStop();
    };
    sim().StartOrStop();
    EXPECT_EQ(seen, (decltype(seen){{100, true, 0}, {100, false, 1}, {200, false, 2}}));
    EXPECT_EQ(File("FreeSpins.txt").substr(0, 15), "       100   15");
    // Games was set to 99 without their bets: the bet is that of the one game played.
    EXPECT_EQ(labels, (std::array<std::string, 2>{" Win 24 620 / 20 = 123100.000%",
                                                  " Free 1,  Win 421 200,  2106000.00%"}));
}

// A feature triggered by the game ending a cycle is played by the next run, which stops at once.
TEST_F(SimulatorTest, ARunEndsItselfAtAMultipleOfCycleGamesWithASave) {
    PrepareTrigger('3');
    def.CycleGames = 300;
    Start();
    SetNextGame(kTriggerStops, 300);
    sim().StartOrStop();
    EXPECT_EQ(std::pair(sim().State().Games, sim().State().InFreeSpins),
              std::pair(std::int64_t{300}, true));
    EXPECT_EQ(observer.saves, std::vector<bool>{true});
    EXPECT_NE(File("Temp1.txt").find("Games     =    300\r\n"), std::string::npos);
    sim().StartOrStop();
    EXPECT_EQ(std::pair(sim().State().Games, sim().State().InFreeSpins),
              std::pair(std::int64_t{300}, false));
    EXPECT_EQ(observer.cycle_ends, (std::vector<std::int64_t>{300, 300}));
    const std::string report = File("Temp1.txt");
    EXPECT_NE(report.find("HIT DESCRIPTION"), report.rfind("HIT DESCRIPTION")) << "two saves";
}

// An engine that plays a later part of a run starts at the game and chart point it is given: on
// a chart 300 points wide, point 10001 is drawn at x = 101.
TEST_F(SimulatorTest, AnEngineStartsAtTheGameAndChartPointItIsGiven) {
    Start([](RunState& s) { s.Games = 1000000; }, 10000);
    sim().ReadChartSetup({"300", "50", "4", "95"}, {"0", "500", "100"});
    StopAt(1020000);
    sim().StartOrStop();
    ASSERT_EQ(std::pair(sim().State().Games, observer.points.size()),
              std::pair(std::int64_t{1020000}, std::size_t{200}));
    EXPECT_EQ(std::pair(observer.points.front().x, observer.points.back().x), std::pair(101, 0));
}

// Only whole numbers in the 32-bit range book (true when Credit then covers a bet); Credit and
// its total stay in that range.
TEST(CreditEntry, BooksWholeNumbersWithinRange) {
    const std::tuple<const char*, std::int64_t, bool> cases[] = {
        {"500", 510, true},         {" +5 ", 15, false}, {"", 10, false},
        {"12a", 10, false},         {"1.5", 10, false},  {"-", 10, false},
        {"99999999999", 10, false}, {"-300", 10, false}};
    for (const auto& [entry, credit, enough] : cases) {
        RunState state;
        state.Credit = 10;
        EXPECT_EQ(BookCredit(state, entry), enough) << entry;
        EXPECT_EQ(state.Credit, credit) << entry;
    }
    const std::array<std::int64_t, 4> edges[] = {{2147483000, 5, 2147483000, 1005},
                                                 {5, 2147483000, 1005, 2147483000}};
    for (const auto& [credit, total, want_credit, want_total] : edges) {
        RunState state;
        state.Credit = credit;
        state.CreditTotal = total;
        EXPECT_TRUE(BookCredit(state, "1000"));
        EXPECT_EQ(std::pair(state.Credit, state.CreditTotal), std::pair(want_credit, want_total));
    }
}

TEST_F(SimulatorTest, BookedCreditShowsInTheCashAndTotalLabels) {
    Start([](RunState& s) { s.Credit = 10; });
    EXPECT_FALSE(sim().BookCredit("9"));
    EXPECT_TRUE(sim().BookCredit(" 496 "));
    EXPECT_EQ(sim().Labels().CashLabel(), " Cash =   515 $");
    EXPECT_EQ(sim().Labels().TotalLabel(), " Total = 1 000 505 $");
}

TEST(ObserverList, TellsEachInTurnAndLetsOneLeaveInsideAHook) {
    std::vector<std::string> journal;
    test::RecordingObserver a, b, c;
    ObserverList list;
    for (RunObserver* o : {&a, &b, &a, &c}) list.Add(o);  // a once only
    a.on_yield = [&] { journal.push_back("a"); };
    b.on_yield = [&] {
        journal.push_back("b");
        list.Remove(&c);  // c is not told this yield
    };
    c.on_yield = [&] { journal.push_back("c"); };
    list.Yield();
    list.Yield();
    EXPECT_EQ(journal, (std::vector<std::string>{"a", "b", "a", "b"}));

    EXPECT_FALSE(list.HitsMinimized());
    b.minimized = true;  // one is enough
    EXPECT_TRUE(list.HitsMinimized());
    list.Remove(&b);
    EXPECT_FALSE(list.HitsMinimized());
}

}  // namespace
}  // namespace kragmoor
