// Save: the loss-streak table written in place, failures, and the hit table it refreshes; a log
// that fails at its close.
#include "engine/records/save_report.h"

#include <gtest/gtest.h>

#include "engine_fixture.h"

namespace kragmoor {
namespace {

using SaveReport = test::EngineTest;

// The hit table's row of `count` (2..5) of `symbol`: four rows a symbol, below the header row.
constexpr int HitRow(int symbol, int count) {
    return 4 * symbol + count - 1;
}

// 50 records of 25 bytes written in place: a longer empty.txt keeps its tail; x / 0 is 0.
TEST_F(SaveReport, TheLossStreakTableIsWrittenInPlace) {
    Start([](RunState& s) {
        s.Games = 1234567890;
        s.LossStreakHits[0] = 1234567890;
        s.LossStreakHits[7] = 3;
    });
    test::WriteFile(dir.path() / "empty.txt", std::string(1300, 'x'));
    sim().Save();
    const std::string table = File("empty.txt");
    ASSERT_EQ(table.size(), 1300u);
    EXPECT_EQ(
        (std::vector{table.substr(0, 25), table.substr(7 * 25, 25), table.substr(49 * 25, 25),
                     table.substr(1250)}),
        (std::vector<std::string>{"   01234567890100.0000%\r\n", "   7         3  0.0000%\r\n",
                                  "  49         0  0.0000%\r\n", std::string(50, 'x')}));
    EXPECT_EQ(test::Lines(File("Temp1.txt"))[5], "Total %   =  0.000%") << "no bet yet";
}

// A report that cannot be appended to is named with the system's reason (empty.txt: the runner's
// tests).
TEST_F(SaveReport, AFailureNamesTheFileAndTheReason) {
    def.ReportFileName = "no-such-dir/Temp1.txt";
    Start();
    EXPECT_FALSE(sim().Save());
    EXPECT_EQ(observer.write_failures,
              (std::vector<std::string>{"Cannot append to Temp1.txt: No such file or directory"}));
}

// No refresh while minimized or not shown, but a save refreshes as if maximized.
TEST_F(SaveReport, ARefreshIsSkippedWhenMinimizedOrNotShown) {
    test::CreateLogs(logs, dir.path());
    test::EngineParts parts(def, logs, observer, dir.path());
    parts.state.HitCount[0][3][1] = 5;
    const int row = HitRow(1, 3);
    const HitTable& table = parts.statistics.Hits();
    for (const bool minimized : {true, false}) {
        observer.minimized = minimized;
        parts.status.SetShown(minimized);
        parts.statistics.RefreshHits();
        EXPECT_EQ(table.Cell(row, 1), "") << minimized;
    }
    observer.minimized = true;
    parts.status.SetShown(true);
    parts.statistics.Save();
    EXPECT_EQ(table.Cell(row, 1), "5");
}

// A save clicked at a yield between two refreshes of a run writes the table as last refreshed.
TEST_F(SaveReport, ASaveDuringARunWritesTheTableAsLastRefreshed) {
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

// Step mode: a log that fails only when it is closed is told at Exit (a run's failure: the
// window's test, test_main_startup).
TEST_F(SaveReport, ALogThatFailsAtItsCloseIsToldAtExit) {
    if (!test::HasFullDevice()) GTEST_SKIP() << "no /dev/full";
    std::filesystem::create_symlink("/dev/full", dir.path() / "Jackpot.txt");
    for (int r = 0; r < kReels; ++r) test::SetStrip(def, r, "WWW");
    Start();
    sim().Step();  // twenty lines of five wilds, twenty records
    EXPECT_TRUE(observer.write_failures.empty());
    sim().Exit();
    EXPECT_EQ(observer.write_failures,
              std::vector<std::string>{"Cannot write Jackpot.txt: No space left on device"});
}

}  // namespace
}  // namespace kragmoor
