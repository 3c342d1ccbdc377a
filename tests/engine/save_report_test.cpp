// Save: the block appended to the report and the loss-streak table written in place.
#include <gtest/gtest.h>

#include <fstream>

#include "engine_fixture.h"

namespace kragmoor {
namespace {

using test::EngineTest;

class SaveReport : public EngineTest {};

TEST_F(SaveReport, AppendsTheTotalsAndTheTable) {
    Start();
    { std::ofstream(dir.path() / "Temp1.txt", std::ios::binary) << "REPORT\r\n"; }
    st().Games = 30000;
    st().TotalWin = 4175094;
    st().TotalBet = 600000;
    EXPECT_TRUE(rc().cmdSave_Click());
    const auto lines = Lines(File("Temp1.txt"));
    ASSERT_EQ(lines.size(), 1u + 7u + 54u);
    EXPECT_EQ(lines[0], "REPORT");
    EXPECT_EQ(lines[1], "");
    EXPECT_EQ(lines[2], std::string(60, '-'));
    EXPECT_EQ(lines[3], "Games     =   30 000");
    EXPECT_EQ(lines[4], "Total Win =  4 175 094");
    EXPECT_EQ(lines[5], "Total Bet =   600 000");
    EXPECT_EQ(lines[6], "Total %   =  695.849%");
    EXPECT_EQ(lines[7], "");
    EXPECT_EQ(lines[8], "HIT DESCRIPTION");
    EXPECT_EQ(observer.text, "LOG DONE !!!");
    EXPECT_EQ(observer.beeps, 1);
    // A second save adds a second complete block.
    rc().cmdSave_Click();
    EXPECT_EQ(Lines(File("Temp1.txt")).size(), 1u + 2 * 61u);
}

TEST_F(SaveReport, TheLossStreakTableIsFiftyRecordsOfTwentyFiveBytes) {
    Start();
    st().Games = 1234567890;
    st().LossStreakHits[0] = 1234567890;
    st().LossStreakHits[7] = 3;
    rc().cmdSave_Click();
    const std::string table = File("empty.txt");
    ASSERT_EQ(table.size(), 50u * 25u);
    EXPECT_EQ(table.substr(0, 25), "   01234567890100.0000%\r\n");
    EXPECT_EQ(table.substr(7 * 25, 25), "   7         3  0.0000%\r\n");
    EXPECT_EQ(table.substr(49 * 25, 25), "  49         0  0.0000%\r\n");
}

TEST_F(SaveReport, AnOlderLongerTableKeepsItsTail) {
    Start();
    { std::ofstream(dir.path() / "empty.txt", std::ios::binary) << std::string(1300, 'x'); }
    rc().cmdSave_Click();
    const std::string table = File("empty.txt");
    ASSERT_EQ(table.size(), 1300u);
    EXPECT_EQ(table.substr(1250), std::string(50, 'x'));
    EXPECT_EQ(table.substr(0, 25), "   0         0  0.0000%\r\n") << "no game yet: shares of 0";
}

TEST_F(SaveReport, BeforeAnyGameTheRtpIsZero) {
    Start();
    rc().cmdSave_Click();
    const auto lines = Lines(File("Temp1.txt"));
    ASSERT_GT(lines.size(), 5u);
    EXPECT_EQ(lines[2], "Games     =    0");
    EXPECT_EQ(lines[5], "Total %   =  0.000%");
}

TEST_F(SaveReport, AFileThatCannotBeWrittenIsReported) {
    def.ReportFileName = "no-such-dir/Temp1.txt";
    Start();
    EXPECT_FALSE(rc().cmdSave_Click());
    ASSERT_EQ(observer.messages.size(), 1u);
    EXPECT_NE(observer.messages[0].find("Temp1.txt"), std::string::npos);
}

}  // namespace
}  // namespace kragmoor
