// The logs kept open during a session: created empty, records appended as written, nothing
// after Close.
#include "model/log_file.h"

#include <gtest/gtest.h>

#include <utility>

#include "definition_text.h"

namespace kragmoor {
namespace {

using testing::ReadFile;

// More records than any buffer holds, handed from one LogFile to another on the way.
TEST(LogFileTest, RecordsArriveByteForByteInOrderUntilClose) {
    const testing::ScratchDir dir;
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
    EXPECT_FALSE(c.Create(dir / "missing" / "Jackpot.txt"));
    EXPECT_FALSE(c.IsOpen());
}

}  // namespace
}  // namespace kragmoor
