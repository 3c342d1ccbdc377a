// The hit table: its layout, its change colours, when it is refreshed, and its two texts.
#include <gtest/gtest.h>

#include "engine_fixture.h"

namespace kragmoor {
namespace {

using test::EngineTest;

class HitTableTest : public EngineTest {};

TEST_F(HitTableTest, LaysOutOneRowPerCombination) {
    def.PayTable[3][4] = 0;
    Start();
    const HitTable& t = rc().Hits();
    EXPECT_EQ(t.Cell(0, 0), "Win Name");
    EXPECT_EQ(t.Cell(0, 1), "Line1");
    EXPECT_EQ(t.Cell(0, 20), "Line20");
    EXPECT_EQ(t.Cell(0, 21), "SPECIAL");
    EXPECT_EQ(t.Cell(0, 24), "TOTAL");
    EXPECT_EQ(t.Cell(HitTable::RowOf(0, 2), 0), "2 S0");
    EXPECT_EQ(HitTable::RowOf(0, 2), 1);
    EXPECT_EQ(t.Cell(52, 0), "5 Scatter");
    EXPECT_EQ(t.Cell(HitTable::RowOf(3, 4), 23), "0");
    EXPECT_EQ(t.Cell(HitTable::RowOf(3, 5), 23), "351");
    EXPECT_EQ(t.Cell(5, 7), "") << "counts stay empty until the first refresh";
}

TEST_F(HitTableTest, CellsWhoseCountChangedAreRedOrYellow) {
    test::NoShortPays(def);
    def.PayTable[6][2] = 0;  // line 6's two 6s pay nothing: yellow
    Start();
    SetNextStops({7, 7, 7, 7, 7});
    rc().cmdStart_Click();  // Step refreshes the table
    const HitTable& t = rc().Hits();
    const int row7 = HitTable::RowOf(7, 5);
    EXPECT_EQ(t.Cell(row7, 1), "1");
    EXPECT_EQ(t.Colour(row7, 1), CellColour::Red);
    EXPECT_EQ(t.Colour(row7, 2), CellColour::White) << "0 and empty read alike";
    EXPECT_EQ(t.Cell(row7, 2), "0");
    EXPECT_EQ(t.Cell(row7, 22), "1");
    EXPECT_EQ(t.Cell(row7, 24), "751");
    EXPECT_EQ(t.Colour(HitTable::RowOf(6, 2), 6), CellColour::Yellow);
    rc().ShowHits();  // nothing played since: every cell white again
    EXPECT_EQ(t.Colour(row7, 1), CellColour::White);
    EXPECT_EQ(t.Colour(HitTable::RowOf(6, 2), 6), CellColour::White);
}

TEST_F(HitTableTest, FeatureWinsAreTotalledUnderFiveScatters) {
    Start();
    st().WinSum[kScatterLine][kScatter][5] = 4321;
    st().WinSum[kScatterLine][kScatter][2] = 60;
    rc().ShowHits();
    EXPECT_EQ(rc().Hits().Cell(52, 24), "4321");
    EXPECT_EQ(rc().Hits().Cell(HitTable::RowOf(kScatter, 2), 24), "60");
}

TEST_F(HitTableTest, ARefreshIsSkippedWhenMinimizedOrNotShown) {
    Start();
    st().HitCount[0][3][1] = 5;
    observer.minimized = true;
    rc().ShowHits();
    EXPECT_EQ(rc().Hits().Cell(HitTable::RowOf(1, 3), 1), "");
    observer.minimized = false;
    st().SkipDisplay = 1;
    rc().ShowHits();
    EXPECT_EQ(rc().Hits().Cell(HitTable::RowOf(1, 3), 1), "");
    EXPECT_EQ(observer.hits_refreshed, 0);
    // A save refreshes as if maximized: a minimized table still saves its current counts.
    st().SkipDisplay = 0;
    observer.minimized = true;
    rc().cmdSave_Click();
    EXPECT_EQ(rc().Hits().Cell(HitTable::RowOf(1, 3), 1), "5");
}

// A save clicked at a yield between two refreshes of a run writes the table as last refreshed.
TEST_F(HitTableTest, ASaveDuringARunWritesTheTableAsLastRefreshed) {
    Start();
    auto hits_column = [this] {
        std::vector<std::string> column;
        for (int row = 1; row < HitTable::kRows; ++row) {
            const int symbol = (row - 1) / 4, count = (row - 1) % 4 + 2;
            std::int64_t hits = 0;
            for (int line = 0; line <= kScatterLine; ++line) {
                hits += rc().State().HitCount[line][count][symbol];
            }
            column.push_back(std::to_string(hits));
        }
        return column;
    };
    std::vector<std::string> at_10000, at_10500;
    observer.on_yield = [&] {
        if (rc().State().Games == 10000) at_10000 = hits_column();
        if (rc().State().Games == 10500) {
            at_10500 = hits_column();
            rc().cmdSave_Click();
            rc().cmdAUTO_Click();
        }
    };
    rc().cmdAUTO_Click();
    ASSERT_NE(at_10000, at_10500);
    const auto lines = Lines(File("Temp1.txt"));
    ASSERT_EQ(lines.size(), 7u + 54u);
    std::vector<std::string> saved;
    for (int row = 1; row < HitTable::kRows; ++row) {
        std::string cell = lines[8 + static_cast<std::size_t>(row)].substr(22 * 11, 11);
        saved.push_back(cell.substr(0, cell.find(' ')));
    }
    EXPECT_EQ(saved, at_10000);
}

TEST_F(HitTableTest, SavedRowsAreElevenCharactersACell) {
    def.Figures[4] = "LongSymbolNm";
    Start();
    st().HitCount[19][5][4] = 123456789012;
    rc().ShowHits();
    std::string saved;
    rc().Hits().AppendSaved(saved);
    const auto lines = Lines(saved);
    ASSERT_EQ(lines.size(), 54u);
    EXPECT_EQ(lines[0], "HIT DESCRIPTION");
    for (std::size_t i = 1; i < lines.size(); ++i) EXPECT_EQ(lines[i].size(), 275u);
    const auto& row = lines[1 + HitTable::RowOf(4, 5)];
    EXPECT_EQ(row.substr(0, 11), "5 LongSymbo");
    EXPECT_EQ(row.substr(20 * 11, 11), "12345678901");
}

TEST_F(HitTableTest, TheClipboardTextHasTheTableAndTheTotals) {
    Start();
    st().TotalBet = 2000;
    st().TotalWin = 1900;
    st().FreeGames = 3;
    st().FreeWin = 450;
    const std::string text = rc().ClipboardText();
    const auto lines = Lines(text);
    ASSERT_EQ(lines.size(), 55u);
    EXPECT_EQ(lines[0].substr(0, 15), "Win Name\tLine1\t");
    for (int i = 0; i < 53; ++i) {
        EXPECT_EQ(std::count(lines[i].begin(), lines[i].end(), '\t'), 25);
        EXPECT_EQ(lines[i].back(), '\t');
    }
    EXPECT_EQ(lines[53], "TotalBet\t2000\tTotalWin\t1900");
    EXPECT_EQ(lines[54], "FreeGames\t3\tFreeWin\t450");
    EXPECT_NE(text.substr(text.size() - 3), "\r\n");
}

}  // namespace
}  // namespace kragmoor
