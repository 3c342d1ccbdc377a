// kragmoor-sim DIR --games N in this process: its summary against the files of a reference run by
// an independent model and its verdict against the exact RTP, sequential runs and their
// restarts, and files that cannot be written.
#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "cli_test_support.h"
#include "engine/analysis/exact_analysis.h"
#include "engine/analysis/run_verdict.h"
#include "engine/play/session.h"
#include "json_reader.h"

namespace kragmoor {
namespace {

using namespace test;  // directories, files and the runner

const std::filesystem::path kRandomRun = TestData("g0/random-30000");

// The count a summary row begins with, its digits ungrouped.
std::string Count(const std::string& row) {
    std::string digits = row.substr(0, row.find_first_not_of("0123456789 "));
    std::erase(digits, ' ');
    return digits;
}

// What the reference run's files tell about it: the report's total win and its hit table (the
// hits of the paying combinations are the win events), the feature and the jackpot records.
std::map<std::string, std::int64_t> ReferenceFigures() {
    std::map<std::string, std::int64_t> ref = {
        {"games", 30000}, {"total_bet", 600000}, {"restarts", 0}};
    bool table = false;
    for (const std::string& line : Lines(ReadFile(kRandomRun / "Temp1.txt"))) {
        if (line.starts_with("Total Win =")) ref["total_win"] = std::stoll(Count(line.substr(11)));
        table = table || line.starts_with("Win Name");
        std::istringstream in(line);
        std::vector<std::string> w;
        for (std::string word; in >> word;) w.push_back(word);
        // ... SPECIAL, HITS, WIN, TOTAL
        if (table && w.size() > 4 && w[0] != "Win" && std::stoll(w[w.size() - 2]) > 0) {
            ref["win_events"] += std::stoll(w[w.size() - 3]);
        }
    }
    for (const std::string& line : Lines(ReadFile(kRandomRun / "FreeSpins.txt"))) {
        ++ref["free_games"];
        ref["free_spins"] += std::stoll(line.substr(10, 5));
    }
    ref["jackpots"] = static_cast<std::int64_t>(Lines(ReadFile(kRandomRun / "Jackpot.txt")).size());
    return ref;
}

TEST(RunTest, TextAndJsonSummariesMatchTheReferenceRunAndEndWithTheVerdict) {
    const auto ref = ReferenceFigures();
    const TempDir dir;
    CopyReferenceGame(dir);
    const auto text = RunInProcess({dir.path().string(), "--games", "30000"});
    EXPECT_EQ(text.exit_code, 0) << text.err;
    EXPECT_EQ(text.err, "");
    const TempDir again;
    CopyReferenceGame(again);
    const Json json =
        JsonReader::Read(RunInProcess({"--json", again.path().string(), "--games=29950"}).out);
    const std::pair<const char*, const char*> rows[] = {
        {"Games", "games"},         {"Total bet", "total_bet"},
        {"Total win", "total_win"}, {"Win events", "win_events"},
        {"Features", "free_games"}, {"Free spins played", "free_spins"},
        {"Jackpots", "jackpots"},   {"Runs restarted", "restarts"}};
    for (const auto& [label, key] : rows) {
        EXPECT_EQ(Count(Row(text.out, label)), std::to_string(ref.at(key))) << label;
        EXPECT_EQ(json[key].number, static_cast<double>(ref.at(key))) << key;
    }
    EXPECT_EQ(Row(text.out, "Games"), "30 000");

    // The verdict (its figures are the engine's tests') on the exact analysis and the run's RTP.
    const ExactAnalysis a = AnalyseGame(ReadGameDefinition(dir.path()));
    const double rtp = 100.0 * static_cast<double>(ref.at("total_win")) / 600000;
    const RunVerdict v = JudgeRun(a.rtp.total_percent, a.sd_per_game, rtp, 30000);
    const std::pair<const char*, double> figures[] = {{"exact_rtp_percent", a.rtp.total_percent},
                                                      {"sd_per_game", a.sd_per_game},
                                                      {"rtp_percent", rtp},
                                                      {"z_score", v.z_score}};
    for (const auto& [key, value] : figures)
        EXPECT_NEAR(json[key].number, value, 1e-9 * std::max(1.0, std::fabs(value))) << key;
    EXPECT_EQ(json["verdict"].text, VerdictText(v.verdict));
    EXPECT_EQ(Row(text.out, "Exact RTP"), Fixed(a.rtp.total_percent, 6) + "% (standard deviation " +
                                              Fixed(a.sd_per_game, 6) + " bets a game)");
    EXPECT_EQ(Row(text.out, "z-score"), Fixed(v.z_score, 4));
    EXPECT_TRUE(Row(text.out, "Verdict").starts_with(VerdictText(v.verdict))) << text.out;
    EXPECT_TRUE(OutputLines(text.out).back().starts_with("Verdict ")) << text.out;
}

// The odometer ends the run whenever the selected reel wraps (every reel from it to the right
// has gone round), and the first game wraps every reel; the runner starts the run again each time,
// so the games played are those of the reference (its loss streaks too), whichever reel.
TEST(RunTest, SequentialRunsRestartAtEveryWrapOfTheSelectedReel) {
    const std::int64_t positions[] = {20, 21, 22, 23, 24};  // the reference game's base reels
    for (int reel : {4, 3, 0}) {
        std::int64_t period = 1;  // games between two wraps of the reel
        for (int r = reel; r < 5; ++r) period *= positions[r];
        const TempDir dir;
        CopyReferenceGame(dir);
        const auto run = RunInProcess({dir.path().string(), "--sequential", "--games", "3000",
                                       "--selected-reel", std::to_string(reel)});
        EXPECT_EQ(run.exit_code, 0) << run.err;
        // Games 1, 1 + period, ... before the last.
        EXPECT_EQ(Row(run.out, "Runs restarted"), std::to_string((3000 - 2) / period + 1)) << reel;
        // Odometer stops are no sample of independent games: no verdict.
        EXPECT_EQ(Row(run.out, "z-score"), "-");
        EXPECT_TRUE(Row(run.out, "Verdict").starts_with("none (")) << run.out;
    }
}

// Each file the runner writes in turn cannot be written (a directory stands in its place, or it
// lies on a full disk): the runner names it with the system's reason and exits with 1, keeping
// what it can. The report and the logs are created before any game, which a failure there
// prevents; the logs fail when they are flushed, every 10 000 games, which ends the run; empty.txt
// at the save.
TEST(RunTest, AFileThatCannotBeWrittenStopsTheRunAndIsNamed) {
    // The file, and whether a directory stands in its place (or else it lies on a full disk).
    std::vector<std::pair<std::string, bool>> cases = {{"empty.txt", true},
                                                       {"FreeSpins.txt", true}};
    if (HasFullDevice()) {
        cases.insert(cases.end(), {{"Temp1.txt", false}, {"FreeSpins.txt", false}});
    }
    for (const auto& [file, directory] : cases) {
        SCOPED_TRACE(file + (directory ? " as a directory" : " on a full disk"));
        const TempDir dir;
        CopyReferenceGame(dir);
        if (directory) {
            std::filesystem::create_directory(dir / file);
        } else {
            std::filesystem::create_symlink("/dev/full", dir / file);
        }
        const std::string reason =
            ": " + (directory ? DirectoryWriteReason() : "No space left on device") + "\n";
        const auto run = RunInProcess({dir.path().string(), "--games", "100000"});
        EXPECT_EQ(run.exit_code, 1);
        if (file == "Temp1.txt" || (directory && file != "empty.txt")) {
            EXPECT_EQ(run.err, "cannot create " + (dir / file).string() + reason);
            EXPECT_EQ(run.out, "");
            continue;
        }
        EXPECT_EQ(run.err, "kragmoor-sim: Cannot write " + file + reason);
        const std::string games = Row(run.out, "Games");
        if (file == "empty.txt") {
            EXPECT_EQ(games, "100 000");
        } else {
            EXPECT_LT(games.size(), std::string("100 000").size()) << "the run went on";
            EXPECT_TRUE(games.ends_with("0 000")) << games;
        }
        EXPECT_EQ(SavedGames(ReadFile(dir / "Temp1.txt")), games);
    }
}

}  // namespace
}  // namespace kragmoor
