// What a run of kragmoor-sim in chunks leaves, for runs played on threads or in parts to be
// compared file by file: the five files, the JSON summary less its timings.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../cli/cli_test_support.h"
#include "../cli/json_reader.h"

namespace kragmoor::test {

inline const char* const kFiles[] = {"Temp1.txt", "Jackpot.txt", "FreeSpins.txt",
                                     "Percent_10000.txt", "empty.txt"};

// What a run leaves: its files (the report's start date left out) and its JSON as written, less
// the timings.
struct Outcome {
    int exit_code = -1;
    std::string err;
    std::vector<std::string> files;
    std::string json;

    double operator[](const std::string& key) const { return JsonReader::Read(json)[key].number; }
};

// The chunks' logs must all have been joined and removed, also when the run ends early.
inline void ExpectNoChunkFiles(const TempDir& dir) {
    for (const std::string& name : dir.Files()) EXPECT_EQ(name.find(".part"), name.npos) << name;
}

// The five files of a run in `dir`, the report's start date left out.
inline std::vector<std::string> RunFiles(const TempDir& dir) {
    std::vector<std::string> files;
    for (const char* file : kFiles) {
        std::string text = ReadFile(dir / file);
        const auto date = text.find("\r\n     Date: ");
        if (date != text.npos) text.erase(date, text.find("\r\n", date + 2) - date);
        files.push_back(text);
    }
    return files;
}

// What `run` (with --json) left in `dir`.
inline Outcome OutcomeOf(const TempDir& dir, const RunResult& run) {
    Outcome outcome{run.exit_code, run.err, RunFiles(dir), {}};
    ExpectNoChunkFiles(dir);
    for (const std::string& line : OutputLines(run.out)) {
        if (line.find("second") == line.npos) outcome.json += line + "\n";
    }
    if (run.exit_code == 0) JsonReader::Read(outcome.json);  // still one valid object
    return outcome;
}

// kragmoor-sim in this process on `game` in a directory of its own, with `args` and --json.
inline Outcome Played(const std::string& game, std::vector<std::string> args) {
    const TempDir dir;
    WriteFile(dir / "ReelSetup.ini", game);
    args.insert(args.begin(), dir.path().string());
    args.push_back("--json");
    return OutcomeOf(dir, RunInProcess(args));
}

inline const std::string& Bundled() {
    static const std::string game = ReadFile(SourceFile("games/ReelSetup.ini"));
    return game;
}

inline void ExpectSameRun(const Outcome& got, const Outcome& want) {
    ASSERT_EQ(got.exit_code, 0) << got.err;
    ASSERT_EQ(want.exit_code, 0) << want.err;
    EXPECT_EQ(got.json, want.json);
    for (std::size_t f = 0; f < std::size(kFiles); ++f) {
        EXPECT_TRUE(got.files[f] == want.files[f]) << kFiles[f] << " differs";
    }
}

// The small game with reels 0..3 of 14 positions and reel 4 of 37: a whole odometer cycle of
// 1 421 392 games spans two chunks. Reel 4 wraps on games 37k + 1, so game 1 000 000, the first
// chunk's last, ends the run by itself and the single stream starts it again there.
inline std::string OdometerGame() {
    const auto name = [](int i) { return i < 11 ? "S" + std::to_string(i) : std::string("Wild"); };
    std::vector<std::string> base, free;
    for (int row = 0; row < 37; ++row) {
        std::string line;
        for (int reel = 0; reel < 5; ++reel) {
            line += (reel < 4 && row >= 14)      ? "GAP,"
                    : row == (3 + 2 * reel) % 14 ? "Scatter,"
                                                 : name((row * 5 + reel * 3) % 12) + ",";
        }
        base.push_back(line);
    }
    for (int row = 0; row < 10; ++row) {
        std::string line;
        for (int reel = 0; reel < 5; ++reel) {
            line += reel % 2 == 0 && row == 4 ? "Scatter," : name((row * 7 + reel) % 12) + ",";
        }
        free.push_back(line);
    }
    auto lines = SmallGameLines();
    lines.insert(lines.erase(lines.begin() + kFirstFreeRow - 1, lines.begin() + kWinLinesLine - 1),
                 free.begin(), free.end());
    lines.insert(lines.erase(lines.begin() + kFirstBaseRow - 1, lines.begin() + kFreeSpinsLine - 1),
                 base.begin(), base.end());
    return Join(lines);
}

}  // namespace kragmoor::test
