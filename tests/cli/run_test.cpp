// kragmoor-sim DIR --games N in this process: its summary against the files of a reference run by
// an independent model, sequential runs and their restarts, --exact, and files that cannot be
// written.
#include <gtest/gtest.h>

#include "cli_test_support.h"

namespace kragmoor {
namespace {

using namespace test;  // directories, files and the runner

const std::filesystem::path kRandomRun = TestData("g0/random-30000");
const std::filesystem::path kSequentialRun = TestData("g0/sequential-3000");

// Digits in groups of three, as the summary and the report show counts.
std::string Grouped(std::int64_t value) {
    std::string digits = std::to_string(value);
    for (auto at = static_cast<std::ptrdiff_t>(digits.size()) - 3; at > 0; at -= 3) {
        digits.insert(static_cast<std::size_t>(at), " ");
    }
    return digits;
}

std::vector<std::string> Words(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> words;
    for (std::string w; in >> w;) words.push_back(w);
    return words;
}

// What a reference run's files tell about it: the report's total win and its hit table (the hits
// of the paying combinations are the win events), the feature records and the jackpot records.
struct Reference {
    std::string total_win;  // as the report groups it
    std::int64_t win_events = 0, features = 0, free_spins = 0, jackpots = 0;
};

Reference ReadReference(const std::filesystem::path& folder) {
    Reference ref;
    bool table = false;
    for (const std::string& line : Lines(ReadFile(folder / "Temp1.txt"))) {
        if (line.starts_with("Total Win ="))
            ref.total_win = line.substr(line.find_first_not_of(" ", 11));
        if (line.starts_with("Win Name")) table = true;
        const auto w = Words(line);
        // ... SPECIAL, HITS, WIN, TOTAL
        if (table && w.size() > 4 && w[0] != "Win" && std::stoll(w[w.size() - 2]) > 0) {
            ref.win_events += std::stoll(w[w.size() - 3]);
        }
    }
    for (const std::string& line : Lines(ReadFile(folder / "FreeSpins.txt"))) {
        ++ref.features;
        ref.free_spins += std::stoll(line.substr(10, 5));
    }
    ref.jackpots = static_cast<std::int64_t>(Lines(ReadFile(folder / "Jackpot.txt")).size());
    return ref;
}

// The value of a summary row: its label fills the first 22 characters.
std::string Row(const std::string& summary, const std::string& label) {
    for (const std::string& line : OutputLines(summary)) {
        if (line.size() > 22 && Words(line.substr(0, 22)) == Words(label)) return line.substr(22);
    }
    return "<no row " + label + ">";
}

// The game count of the last save block of a report.
std::string SavedGames(const std::string& report) {
    std::string games = "<no save>";
    for (const std::string& line : Lines(report)) {
        if (line.starts_with("Games     =")) games = line.substr(line.find_first_not_of(" ", 11));
    }
    return games;
}

TEST(RunTest, TextAndJsonSummariesMatchTheReferenceRun) {
    const Reference ref = ReadReference(kRandomRun);
    const TempDir dir;
    CopyReferenceGame(dir);
    const auto text = RunInProcess({dir.path().string(), "--games", "30000"});
    EXPECT_EQ(text.exit_code, 0) << text.err;
    EXPECT_EQ(text.err, "");
    EXPECT_EQ(Row(text.out, "Games"), "30 000");
    EXPECT_EQ(Row(text.out, "Total bet"), "600 000");
    EXPECT_EQ(Row(text.out, "Total win"), ref.total_win);
    EXPECT_TRUE(Row(text.out, "Win events").starts_with(Grouped(ref.win_events) + " (one per "));
    EXPECT_TRUE(Row(text.out, "Features").starts_with(Grouped(ref.features) + " triggered"));
    EXPECT_EQ(Row(text.out, "Free spins played"), Grouped(ref.free_spins));
    EXPECT_EQ(Row(text.out, "Jackpots"), Grouped(ref.jackpots));
    EXPECT_EQ(Row(text.out, "Runs restarted"), "0");
    for (const char* log : {"Jackpot.txt", "FreeSpins.txt", "Percent_10000.txt", "empty.txt"}) {
        EXPECT_TRUE(ReadFile(dir / log) == ReadFile(kRandomRun / log)) << log;
    }

    const TempDir again;
    CopyReferenceGame(again);
    const auto json = RunInProcess({"--json", again.path().string(), "--games=29950"});
    EXPECT_EQ(json.exit_code, 0) << json.err;
    std::string total_win = ref.total_win;
    std::erase(total_win, ' ');
    for (const std::string& field :
         {std::string("{\n  \"games\": 30000,\n  \"total_bet\": 600000,\n"),
          "\n  \"total_win\": " + total_win + ",\n",
          "\n  \"win_events\": " + std::to_string(ref.win_events) + ",\n",
          "\n  \"free_games\": " + std::to_string(ref.features) + ",\n",
          "\n  \"free_spins\": " + std::to_string(ref.free_spins) + ",\n",
          "\n  \"jackpots\": " + std::to_string(ref.jackpots) + ",\n  \"restarts\": 0,\n"}) {
        EXPECT_NE(json.out.find(field), std::string::npos) << field << json.out;
    }
}

// The odometer ends the run whenever the selected reel wraps (every reel from it to the right
// has gone round), and the first game wraps every reel; the runner starts the run again each time,
// so the games played, and every file, are those of the reference, whichever reel is selected.
TEST(RunTest, SequentialRunsRestartAtEveryWrapOfTheSelectedReel) {
    const std::int64_t positions[] = {20, 21, 22, 23, 24};  // the reference game's base reels
    for (int reel : {4, 3, 0}) {
        SCOPED_TRACE(reel);
        std::int64_t period = 1;  // games between two wraps of the reel
        for (int r = reel; r < 5; ++r) period *= positions[r];
        const std::int64_t wraps_before_the_end = (3000 - 2) / period + 1;  // games 1, 1 + period..
        const TempDir dir;
        CopyReferenceGame(dir);
        const auto run = RunInProcess({dir.path().string(), "--sequential", "--games", "3000",
                                       "--selected-reel", std::to_string(reel)});
        EXPECT_EQ(run.exit_code, 0) << run.err;
        EXPECT_EQ(Row(run.out, "Games"), "3 000");
        EXPECT_EQ(Row(run.out, "Runs restarted"), std::to_string(wraps_before_the_end));
        for (const char* log : {"Jackpot.txt", "FreeSpins.txt", "empty.txt"}) {
            EXPECT_TRUE(ReadFile(dir / log) == ReadFile(kSequentialRun / log)) << log;
        }
    }
}

TEST(RunTest, ExactValuesTheGameAndWritesNothing) {
    const TempDir dir;
    CopyReferenceGame(dir);
    const auto text = RunInProcess({dir.path().string(), "--exact"});
    EXPECT_EQ(text.exit_code, 0) << text.err;
    EXPECT_TRUE(text.out.starts_with("Exact return of G0 reference 1 (designed RTP 96.5%)"));
    EXPECT_TRUE(Row(text.out, "RTP").ends_with("%"));
    const auto json = RunInProcess({dir.path().string(), "--exact", "--json"});
    EXPECT_EQ(json.exit_code, 0) << json.err;
    EXPECT_NE(json.out.find("\n  \"rtp_percent\": "), std::string::npos);
    EXPECT_EQ(dir.Files(), std::set<std::string>{"ReelSetup.ini"});

    CopyFeatureBoundGame(dir, "endless");
    const auto endless = RunInProcess({dir.path().string(), "--exact", "--json"});
    EXPECT_EQ(endless.exit_code, 0) << endless.err;
    EXPECT_NE(endless.out.find("\n  \"free_spins_per_feature\": null,\n"), std::string::npos);
}

TEST(RunTest, ASaveThatCannotBeWrittenExitsWithOne) {
    const TempDir dir;
    CopyReferenceGame(dir);
    std::filesystem::create_directory(dir / "empty.txt");
    const auto run = RunInProcess({dir.path().string(), "--games", "1000"});
    EXPECT_EQ(run.exit_code, 1);
    EXPECT_EQ(run.err, "kragmoor-sim: Cannot write empty.txt: Is a directory\n");
    // What could be kept is: the summary, and the report's save block.
    EXPECT_EQ(Row(run.out, "Games"), "1 000");
    EXPECT_EQ(SavedGames(ReadFile(dir / "Temp1.txt")), "1 000");
}

// Each file the runner writes in turn lies on a full disk (writes fail with "No space left on
// device"): the run stops at the first failure, names the file and exits with 1, keeping what it
// can. The report is written before any game, the logs during the run, empty.txt at the save.
TEST(RunTest, AFileOnAFullDiskStopsTheRunAndIsNamed) {
    if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
    for (const char* file :
         {"Temp1.txt", "Jackpot.txt", "FreeSpins.txt", "Percent_10000.txt", "empty.txt"}) {
        SCOPED_TRACE(file);
        const TempDir dir;
        CopyReferenceGame(dir);
        std::filesystem::create_symlink("/dev/full", dir / file);
        const auto run = RunInProcess({dir.path().string(), "--games", "100000"});
        EXPECT_EQ(run.exit_code, 1);
        const std::string reason = ": No space left on device\n";
        if (std::string(file) == "Temp1.txt") {
            EXPECT_EQ(run.err, "cannot create " + (dir / file).string() + reason);
            EXPECT_EQ(run.out, "");
            continue;
        }
        EXPECT_EQ(run.err, "kragmoor-sim: Cannot write " + std::string(file) + reason);
        const std::string games = Row(run.out, "Games");
        if (std::string(file) == "empty.txt") {
            EXPECT_EQ(games, "100 000");
        } else {
            // A log's records reach the disk when the logs are flushed every 10000 games: the
            // run stops at the first flush that fails.
            EXPECT_LT(games.size(), std::string("100 000").size()) << "the run went on";
            EXPECT_TRUE(games.ends_with("0 000")) << games;
        }
        EXPECT_EQ(SavedGames(ReadFile(dir / "Temp1.txt")), games);
    }
}

}  // namespace
}  // namespace kragmoor
