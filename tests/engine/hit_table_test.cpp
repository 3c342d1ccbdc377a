// The hit table: its change colours, when it is refreshed, and its saved text.
#include <gtest/gtest.h>

#include "engine_fixture.h"

namespace kragmoor {
namespace {

using HitTableTest = test::EngineTest;

TEST_F(HitTableTest, CellsWhoseCountChangedAreRedOrYellow) {
    test::NoShortPays(def);
    def.PayTable[6][2] = 0;  // line 6's two 6s pay nothing: yellow
    Start();
    SetNextGame({7, 7, 7, 7, 7});
    sim().Step();  // Step refreshes the table
    const HitTable& t = sim().Hits();
    const int row7 = HitTable::RowOf(7, 5), row6 = HitTable::RowOf(6, 2);
    EXPECT_EQ((std::vector{t.Cell(row7, 1), t.Cell(row7, 2)}),
              (std::vector<std::string>{"1", "0"}));
    // A cell of 0 was empty before: 0 and empty read alike.
    EXPECT_EQ((std::vector{t.Colour(row7, 1), t.Colour(row7, 2), t.Colour(row6, 6)}),
              (std::vector{CellColour::Red, CellColour::White, CellColour::Yellow}));
    sim().RefreshHits();  // nothing played since: every cell white again
    EXPECT_EQ(std::pair(t.Colour(row7, 1), t.Colour(row6, 6)),
              std::pair(CellColour::White, CellColour::White));
}

TEST_F(HitTableTest, ARefreshIsSkippedWhenMinimizedOrNotShown) {
    test::CreateLogs(logs, dir.path());
    test::EngineParts parts(def, logs, observer, dir.path());
    parts.state.HitCount[0][3][1] = 5;
    const int row = HitTable::RowOf(1, 3);
    const HitTable& table = parts.statistics.Hits();
    observer.minimized = true;
    parts.statistics.RefreshHits();
    EXPECT_EQ(table.Cell(row, 1), "");
    observer.minimized = false;
    parts.state.SkipDisplay = 1;
    parts.statistics.RefreshHits();
    EXPECT_EQ(table.Cell(row, 1), "");
    // A save refreshes as if maximized: a minimized table still saves its current counts.
    parts.state.SkipDisplay = 0;
    observer.minimized = true;
    parts.statistics.Save();
    EXPECT_EQ(table.Cell(row, 1), "5");
}

// A save clicked at a yield between two refreshes of a run writes the table as last refreshed.
TEST_F(HitTableTest, ASaveDuringARunWritesTheTableAsLastRefreshed) {
    Start();
    std::string at_10000, now;
    observer.on_yield = [&] {
        if (sim().State().Games == 10000) sim().Hits().AppendSaved(at_10000);
        if (sim().State().Games == 10500) {
            sim().Save();
            sim().StartOrStop();
        }
    };
    sim().StartOrStop();
    const std::string report = File("Temp1.txt");
    ASSERT_GE(report.size(), at_10000.size());
    EXPECT_EQ(report.substr(report.size() - at_10000.size()), at_10000);
    sim().RefreshHits();
    sim().Hits().AppendSaved(now);
    EXPECT_NE(now, at_10000) << "the counts moved on after game 10000";
}

}  // namespace
}  // namespace kragmoor
