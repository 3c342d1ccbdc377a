// The logs kept open during a session: records appended as written, nothing after Close, and
// the reason a log could not be created.
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

    // A log that cannot be created keeps the system's reason for the message (a log on a full
    // disk: the engine's write failure tests).
    LogFile log;
    EXPECT_FALSE(log.Create(dir / "missing" / "Jackpot.txt"));
    EXPECT_FALSE(log.IsOpen());
    EXPECT_EQ(log.FailureMessage(), "Cannot write Jackpot.txt: No such file or directory");
}

}  // namespace
}  // namespace kragmoor
