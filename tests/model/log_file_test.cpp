// The logs kept open during a session: created empty, records appended as written, nothing
// after Close.
#include "model/log_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <utility>

#include "definition_text.h"

namespace kragmoor {
namespace {

class LogFileTest : public ::testing::Test {
  protected:
    std::string Contents(const char* name) { return testing::ReadFile((dir_ / name).string()); }

    testing::ScratchDir scratch_;
    const std::filesystem::path& dir_ = scratch_.path();
};

TEST_F(LogFileTest, CreateEmptiesAnEarlierFileAndRecordsArriveByteForByte) {
    {
        LogFile old;
        ASSERT_TRUE(old.Create(dir_ / "Jackpot.txt"));
        old.Write("an earlier run\r\n");
    }
    LogFile log;
    ASSERT_TRUE(log.Create(dir_ / "Jackpot.txt"));
    EXPECT_TRUE(log.IsOpen());
    log.Flush();
    EXPECT_EQ(Contents("Jackpot.txt"), "");
    log.Write("    4809       1 \r\n");
    log.Write("");
    log.Write("\n");
    log.Flush();
    EXPECT_EQ(Contents("Jackpot.txt"), "    4809       1 \r\n\n");
    log.Close();
    EXPECT_FALSE(log.IsOpen());
    log.Write("after close");
    log.Close();
    EXPECT_EQ(Contents("Jackpot.txt"), "    4809       1 \r\n\n");
}

TEST_F(LogFileTest, ManyRecordsAreKeptInOrder) {
    LogFile log;
    ASSERT_TRUE(log.Create(dir_ / "FreeSpins.txt"));
    std::string expected;
    for (int i = 0; i < 20000; ++i) {
        const std::string record = std::to_string(i) + "\r\n";
        log.Write(record);
        expected += record;
    }
    log.Close();
    EXPECT_EQ(Contents("FreeSpins.txt"), expected);
}

TEST_F(LogFileTest, MovingHandsTheOpenFileOn) {
    LogFile a;
    ASSERT_TRUE(a.Create(dir_ / "Percent_10000.txt"));
    LogFile b(std::move(a));
    EXPECT_FALSE(a.IsOpen());
    b.Write("x");
    LogFile c;
    c = std::move(b);
    c.Write("y");
    a.Write("lost");
    c.Close();
    EXPECT_EQ(Contents("Percent_10000.txt"), "xy");
}

TEST_F(LogFileTest, CreateFailsWhereNoFileCanBe) {
    LogFile log;
    EXPECT_FALSE(log.Create(dir_ / "missing" / "Jackpot.txt"));
    EXPECT_FALSE(log.IsOpen());
    log.Write("ignored");
    LogFiles logs;
    ASSERT_TRUE(logs.Jackpot.Create(dir_ / "Jackpot.txt"));
    logs.Jackpot.Write("j");
    logs.FlushAll();
    EXPECT_EQ(Contents("Jackpot.txt"), "j");
    logs.CloseAll();
    EXPECT_FALSE(logs.Jackpot.IsOpen());
}

}  // namespace
}  // namespace kragmoor
