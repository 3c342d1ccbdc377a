// kragmoor-sim --threads T in this process: the same files and figures at every thread count,
// the chunks' streams, odometer runs split across chunks, and logs that cannot be written.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "../cli/cli_test_support.h"
#include "../cli/json_reader.h"

namespace kragmoor {
namespace {

using namespace test;  // directories, files and the runner

const char* const kFiles[] = {"Temp1.txt", "Jackpot.txt", "FreeSpins.txt", "Percent_10000.txt",
                              "empty.txt"};

// What a run leaves in its directory, the report's start date left out, and its JSON without
// the timings.
struct Outcome {
    int exit_code = -1;
    std::vector<std::string> files;
    Json json;
    std::string err;
};

std::string WithoutDate(const std::string& report) {
    std::string out;
    for (const std::string& line : Lines(report)) {
        if (!line.starts_with("     Date: ")) out += line + "\r\n";
    }
    return out;
}

Outcome RunIn(const TempDir& dir, std::vector<std::string> args) {
    args.insert(args.begin(), dir.path().string());
    args.push_back("--json");
    const auto run = RunInProcess(args);
    Outcome outcome{run.exit_code, {}, {}, run.err};
    for (const char* file : kFiles) {
        const std::string text = ReadFile(dir / file);
        outcome.files.push_back(std::string(file) == "Temp1.txt" ? WithoutDate(text) : text);
    }
    if (run.exit_code == 0) outcome.json = JsonReader::Read(run.out);
    return outcome;
}

// The figures that do not depend on the machine's speed.
std::map<std::string, std::string> Figures(const Json& json) {
    std::map<std::string, std::string> figures;
    for (const std::string& key : json.keys) {
        if (key == "seconds" || key == "games_per_second") continue;
        const Json& v = json[key];
        figures[key] = v.type == Json::Type::kString ? v.text : std::to_string(v.number);
    }
    return figures;
}

// The parts of the run's directory left behind: chunks' logs must all have been joined.
bool NoChunkFiles(const TempDir& dir) {
    for (const std::string& name : dir.Files()) {
        if (name.find(".part") != std::string::npos) return false;
    }
    return true;
}

Outcome RunBundled(const std::vector<std::string>& args) {
    const TempDir dir;
    std::filesystem::copy_file(SourceFile("games/ReelSetup.ini"), dir / "ReelSetup.ini");
    Outcome outcome = RunIn(dir, args);
    EXPECT_TRUE(NoChunkFiles(dir));
    return outcome;
}

// Three chunks, the last a short one: every thread count from 2 on gives the same files and
// figures, and every core (0) does too.
TEST(ChunkedRun, EveryThreadCountGivesTheSameFilesAndFigures) {
    const Outcome two = RunBundled({"--games", "2100000", "--threads", "2"});
    ASSERT_EQ(two.exit_code, 0) << two.err;
    EXPECT_EQ(two.json["games"].number, 2100000);
    EXPECT_EQ(two.json["chunks"].number, 3);
    for (const char* threads : {"3", "4", "0"}) {
        SCOPED_TRACE(threads);
        const Outcome other = RunBundled({"--games", "2100000", "--threads", threads});
        ASSERT_EQ(other.exit_code, 0) << other.err;
        EXPECT_EQ(Figures(other.json), Figures(two.json));
        for (std::size_t f = 0; f < std::size(kFiles); ++f) {
            EXPECT_EQ(other.files[f], two.files[f]) << kFiles[f];
        }
    }
}

// Chunk 0 draws from the seed's own stream: a million games in one chunk are the single stream's
// first million (none of which triggers a feature on its last game, which a chunk would finish),
// and a second chunk brings games of its own.
TEST(ChunkedRun, TheFirstChunkPlaysTheSingleStreamsGames) {
    const Outcome single = RunBundled({"--games", "1000000"});
    const Outcome chunked = RunBundled({"--games", "1000000", "--threads", "2"});
    ASSERT_EQ(single.exit_code, 0) << single.err;
    ASSERT_EQ(chunked.exit_code, 0) << chunked.err;
    auto figures = Figures(chunked.json);
    EXPECT_EQ(figures["chunks"], "1.000000");
    figures["chunks"] = Figures(single.json)["chunks"];
    EXPECT_EQ(figures, Figures(single.json));
    for (std::size_t f = 0; f < std::size(kFiles); ++f) {
        EXPECT_EQ(chunked.files[f], single.files[f]) << kFiles[f];
    }
    const Outcome two_chunks = RunBundled({"--games", "2000000", "--threads", "2"});
    ASSERT_EQ(two_chunks.exit_code, 0) << two_chunks.err;
    EXPECT_TRUE(two_chunks.files[2].starts_with(single.files[2]));  // FreeSpins.txt goes on
    EXPECT_NE(two_chunks.json["total_win"].number, 2 * single.json["total_win"].number);
}

// A game whose whole odometer cycle spans two chunks: reels 0..3 of 14 positions and reel 4 of
// 37, 1 421 392 combinations. Reel 4 wraps on games 37k + 1, so game 1 000 000, the first
// chunk's last, ends the run by itself and the single stream starts it again there.
std::string OdometerGame() {
    const char* const names[] = {"S0", "S1", "S2", "S3", "S4",  "S5",
                                 "S6", "S7", "S8", "S9", "S10", "Wild"};
    std::vector<std::string> lines = {"  Company: www.example.test",
                                      "Game Name: Kragmoor",
                                      "  Version: odometer 1",
                                      " Game RTP: 95,00 %",
                                      "     Date: 01.01.2026  00:00:00",
                                      "=====",
                                      "RNG DESCRIPTION",
                                      "SEED = 99",
                                      "REEL STRIP"};
    for (int row = 0; row < 37; ++row) {
        std::string line;
        for (int reel = 0; reel < 5; ++reel) {
            std::string name = names[(row * 5 + reel * 3) % 12];
            if (row == (3 + 2 * reel) % 14) name = "Scatter";
            if (reel < 4 && row >= 14) name = "GAP";
            line += name + ",";
        }
        lines.push_back(line);
    }
    lines.push_back("FREE SPINS REEL STRIP");
    for (int row = 0; row < 10; ++row) {
        std::string line;
        for (int reel = 0; reel < 5; ++reel) {
            line += (reel % 2 == 0 && row == 4) ? "Scatter,"
                                                : names[(row * 7 + reel) % 12] + std::string(",");
        }
        lines.push_back(line);
    }
    lines.push_back("WIN LINE DESCRIPTION");
    lines.push_back("PAYTABLE DESCRIPTION");
    for (int i = 0; i <= 10; ++i) {
        std::string name = "S" + std::to_string(i) + ",";
        name.resize(11, ' ');
        lines.push_back(" " + name + "0,0," + std::to_string(i) + "," + std::to_string(10 * i) +
                        "," + std::to_string(100 * i) + ",");
    }
    lines.push_back(" Wild,      0,10,50,500,2500,");
    lines.push_back(" Scatter,   0,1,4,20,100,");
    return Join(lines);
}

// Odometer runs split into chunks play the single stream's base games: the same games, base-game
// wins, win events and restarts (one at every wrap of reel 4, the one on the chunks' edge
// included); their free spins draw from the chunks' own streams, alike at every thread count.
TEST(ChunkedRun, OdometerChunksPlayTheSingleStreamsBaseGames) {
    const auto run = [](const char* threads) {
        const TempDir dir;
        WriteFile(dir / "ReelSetup.ini", OdometerGame());
        Outcome outcome = RunIn(dir, {"--games", "1421392", "--sequential", "--threads", threads});
        EXPECT_TRUE(NoChunkFiles(dir));
        return outcome;
    };
    const Outcome single = run("1");
    const Outcome two = run("2");
    const Outcome three = run("3");
    ASSERT_EQ(single.exit_code, 0) << single.err;
    ASSERT_EQ(two.exit_code, 0) << two.err;
    ASSERT_EQ(three.exit_code, 0) << three.err;
    const auto base_win = [](const Json& j) {
        return j["total_win"].number - j["free_win"].number;
    };
    EXPECT_EQ(two.json["games"].number, 1421400);
    EXPECT_EQ(two.json["games"].number, single.json["games"].number);
    EXPECT_EQ(base_win(two.json), base_win(single.json));
    EXPECT_EQ(two.json["restarts"].number, single.json["restarts"].number);
    EXPECT_EQ(two.json["restarts"].number, 1 + 1421400 / 37);
    EXPECT_GT(two.json["free_games"].number, 1000);
    EXPECT_EQ(Figures(three.json), Figures(two.json));
    for (std::size_t f = 0; f < std::size(kFiles); ++f) {
        EXPECT_EQ(three.files[f], two.files[f]) << kFiles[f];
    }
}

// A log that cannot be written, a chunk's or the run's own, ends the run with its name and the
// system's reason; the chunks' files are removed all the same.
TEST(ChunkedRun, ALogOnAFullDiskEndsTheRunAndIsNamed) {
    if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
    for (const char* file : {"FreeSpins.txt.part1", "FreeSpins.txt"}) {
        SCOPED_TRACE(file);
        const TempDir dir;
        std::filesystem::copy_file(SourceFile("games/ReelSetup.ini"), dir / "ReelSetup.ini");
        std::filesystem::create_symlink("/dev/full", dir / file);
        const auto run =
            RunInProcess({dir.path().string(), "--games", "5000000", "--threads", "2"});
        EXPECT_EQ(run.exit_code, 1);
        EXPECT_NE(run.err.find("kragmoor-sim: Cannot write " + std::string(file) +
                               ": No space left on device\n"),
                  std::string::npos)
            << run.err;
        std::filesystem::remove(dir / file);
        EXPECT_TRUE(NoChunkFiles(dir));
        // What was played before is kept and saved.
        const std::string report = ReadFile(dir / "Temp1.txt");
        EXPECT_NE(report.find("Games     ="), std::string::npos);
        EXPECT_EQ(report.find("Games     = 5 000 000"), std::string::npos) << "the run went on";
    }
}

}  // namespace
}  // namespace kragmoor
