// The logs kept open during a session: created empty, records appended as written, nothing
// after Close.
#include "model/log_file.h"

#include <gtest/gtest.h>

#include <utility>

#include "test_support.h"

namespace kragmoor {
namespace {

using test::ReadFile;

// More records than any buffer holds, handed from one LogFile to another on the way.
TEST(LogFileTest, RecordsArriveByteForByteInOrderUntilClose) {
    const test::TempDir dir;
    LogFile a;
    ASSERT_TRUE(a.Create(dir / "FreeSpins.txt"));
    std::string expected;
    for (int i = 0; i < 20000; ++i) {
        const std::string record = "    4809       " + std::to_string(i) + " \r\n";
        a.Write(record);
        expected += record;
    }
    a.Flush();
    EXPECT_TRUE(ReadFile(dir / "FreeSpins.txt") == expected) << "not visible during the run";
    LogFile b(std::move(a));
    EXPECT_FALSE(a.IsOpen());
    a.Write("lost");
    b.Write("");
    b.Write("x\n");
    LogFile c;
    c = std::move(b);
    c.Write("y");
    c.Close();
    EXPECT_FALSE(c.IsOpen());
    c.Write("after close");
    c.Close();
    EXPECT_TRUE(ReadFile(dir / "FreeSpins.txt") == expected + "x\ny") << "not kept in order";
}

// A log on a full disk takes records into its buffer until the buffer goes to the disk; from the
// first failure on it takes nothing, and keeps that failure's reason for the message.
TEST(LogFileTest, TheFirstFailureIsKeptWithItsReason) {
    if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
    const test::TempDir dir;
    std::filesystem::create_symlink("/dev/full", dir / "FreeSpins.txt");
    LogFile log;
    ASSERT_TRUE(log.Create(dir / "FreeSpins.txt"));
    EXPECT_TRUE(log.Write("        41   15 Free_Spins_Won = 21060.000\r\n"));
    EXPECT_FALSE(log.Failed());
    EXPECT_FALSE(log.Flush());
    EXPECT_FALSE(log.Write("x"));
    EXPECT_FALSE(log.Close());
    EXPECT_TRUE(log.Failed());
    EXPECT_EQ(log.FailureMessage(), "Cannot write FreeSpins.txt: No space left on device");

    // A failure found only at the close, and one at the open.
    ASSERT_TRUE(log.Create(dir / "FreeSpins.txt"));
    EXPECT_TRUE(log.Write("x"));
    EXPECT_FALSE(log.Close());
    EXPECT_TRUE(log.Failed());
    EXPECT_FALSE(log.Create(dir / "missing" / "Jackpot.txt"));
    EXPECT_FALSE(log.IsOpen());
    EXPECT_EQ(log.FailureMessage(), "Cannot write Jackpot.txt: No such file or directory");
}

}  // namespace
}  // namespace kragmoor
