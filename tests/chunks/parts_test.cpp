// kragmoor-sim --part I/P and --merge: parts played by processes of their own merge to the files
// and the summary of the run on threads, and a merge refuses, writing nothing, any set of part
// files that is not one whole run of this game by this program.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "chunked_outcome.h"
#include "engine/chunks/part_file.h"

namespace kragmoor {
namespace {

using namespace test;

// Plays the run's `parts` parts side by side, each in a process of the built program; true when
// all exited with 0.
bool PlayPartsInProcesses(const TempDir& dir, const std::string& args, int parts) {
    std::string script = "cd \"" + dir.path().string() + "\" || exit 1\n";
    for (int part = 0; part < parts; ++part) {
        script += "\"" KRAGMOOR_SIM "\" . " + args + " --part " + std::to_string(part) + "/" +
                  std::to_string(parts) + " 2>/dev/null & p" + std::to_string(part) + "=$!\n";
    }
    script += "s=0\n";
    for (int part = 0; part < parts; ++part)
        script += "wait $p" + std::to_string(part) + " || s=1\n";
    script += "exit $s\n";
    const int status = std::system(script.c_str());
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

RunResult PlayPart(const TempDir& dir, const std::string& games, const std::string& part,
                   std::vector<std::string> more = {}) {
    std::vector<std::string> args = {dir.path().string(), "--games", games, "--part", part};
    args.insert(args.end(), more.begin(), more.end());
    return RunInProcess(args);
}

RunResult Merge(const TempDir& dir) {
    return RunInProcess({dir.path().string(), "--merge", "--json"});
}

std::set<std::string> Names(std::initializer_list<std::string> names) {
    return std::set<std::string>(names);
}

// The parts follow one another over the run's chunks, none overlapping, and differ by one chunk
// at most, also with more parts than chunks.
TEST(PartRun, PartsCoverTheChunksInTurnAndEvenly) {
    for (const std::int64_t chunks : {1, 6, 7, 1000000}) {
        for (const std::int64_t parts : {1, 3, 4, 8, 9999}) {
            std::int64_t smallest = chunks, largest = 0;
            EXPECT_EQ(FirstChunkOfPart(chunks, 0, parts), 0);
            EXPECT_EQ(FirstChunkOfPart(chunks, parts, parts), chunks);
            for (std::int64_t part = 0; part < parts; ++part) {
                const std::int64_t size = FirstChunkOfPart(chunks, part + 1, parts) -
                                          FirstChunkOfPart(chunks, part, parts);
                smallest = std::min(smallest, size);
                largest = std::max(largest, size);
            }
            EXPECT_LE(largest - smallest, 1) << chunks << " chunks in " << parts << " parts";
            EXPECT_GE(smallest, 0);
        }
    }
    EXPECT_EQ(PartFileName(3, 10), "part-0003-of-0010.kragmoor-part");
    EXPECT_EQ(PartFileName(9998, 9999), "part-9998-of-9999.kragmoor-part");
}

// Three processes play a run of five whole chunks and a short one (parts of 2, 2 and 2 chunks);
// a part played again replaces its file; the merge writes what two or three threads write.
TEST(PartRun, ThreeProcessesMergeToTheRunOnThreads) {
    const TempDir dir;
    WriteFile(dir / "ReelSetup.ini", Bundled());
    ASSERT_TRUE(PlayPartsInProcesses(dir, "--games 5000300", 3));
    const RunResult again = PlayPart(dir, "5000300", "1/3", {"--threads", "2"});
    ASSERT_EQ(again.exit_code, 0) << again.err;
    EXPECT_EQ(again.err, "kragmoor-sim: part 1 of 3: 2 chunks, 2000000 games, in " +
                             PartFileName(1, 3) + "\n");
    // A part writes its part file and nothing else.
    EXPECT_EQ(dir.Files(),
              Names({"ReelSetup.ini", PartFileName(0, 3), PartFileName(1, 3), PartFileName(2, 3)}));
    const Outcome merged = OutcomeOf(dir, Merge(dir));
    EXPECT_NE(merged.err.find("kragmoor-sim: merged 3 part files: 6 chunks, 5000300 games\n"),
              std::string::npos)
        << merged.err;
    const Outcome two = Played(Bundled(), {"--games", "5000300", "--threads", "2"});
    ExpectSameRun(merged, two);
    ExpectSameRun(Played(Bundled(), {"--games", "5000300", "--threads", "3"}), two);
    // Merged again, as text: the same files, and the parts where threads would be.
    const RunResult text = RunInProcess({dir.path().string(), "--merge"});
    EXPECT_EQ(Row(text.out, "Chunks"), "6 of up to 1 000 000 games, in 3 parts");
    EXPECT_TRUE(RunFiles(dir) == merged.files);
}

// An odometer run of two chunks in three parts: the first part holds no chunk, the loss streaks
// and the restart at the chunks' edge join as on threads.
TEST(PartRun, OdometerPartsAndAnEmptyPartMergeToTheRunOnThreads) {
    const TempDir dir;
    WriteFile(dir / "ReelSetup.ini", OdometerGame());
    ASSERT_TRUE(PlayPartsInProcesses(dir, "--games 1421392 --sequential", 3));
    const Outcome merged = OutcomeOf(dir, Merge(dir));
    const Outcome two =
        Played(OdometerGame(), {"--games", "1421392", "--sequential", "--threads", "2"});
    ExpectSameRun(merged, two);
    EXPECT_EQ(merged["restarts"], 1 + 1421400 / 37);
}

// ---- refusals

// The header's program version sits after the magic word, the format and its length.
constexpr std::size_t kVersionAt = 8 + 4 + 4;

std::uint64_t Fnv1a(const std::string& bytes) {
    std::uint64_t hash = 14695981039346656037ull;
    for (const char c : bytes) hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    return hash;
}

// The part file with `edit` applied and its checksum made right again: a file as another
// program would have written it.
void Rewrite(const std::filesystem::path& file, const std::function<void(std::string&)>& edit) {
    std::string bytes = ReadFile(file);
    bytes.resize(bytes.size() - 8);
    edit(bytes);
    std::uint64_t hash = Fnv1a(bytes);
    for (int i = 0; i < 8; ++i, hash >>= 8) bytes += static_cast<char>(hash & 0xFF);
    WriteFile(file, bytes);
}

// The two parts of a run of two chunks, played once in this process; each refusal spoils a copy.
const TempDir& TwoParts() {
    static const TempDir dir;
    static const bool played = [] {
        WriteFile(dir / "ReelSetup.ini", Bundled());
        for (const char* part : {"0/2", "1/2"})
            EXPECT_EQ(PlayPart(dir, "1000100", part).exit_code, 0) << part;
        return true;
    }();
    EXPECT_TRUE(played);
    return dir;
}

// Each set of part files the merge refuses, with its message after "kragmoor-sim: " ("$DIR": the
// directory): it exits with 1 and writes nothing.
TEST(PartMerge, RefusesEverySetThatIsNotOneWholeRun) {
    using Edit = std::function<void(const TempDir&)>;
    const auto part = [](const TempDir& dir, int p) { return dir / PartFileName(p, 2); };
    const auto cut = [&](bool in_header, std::size_t less) -> Edit {
        return [&part, in_header, less](const TempDir& dir) {
            const std::string bytes = ReadFile(part(dir, 1));
            WriteFile(part(dir, 1),
                      bytes.substr(0, in_header ? 20 * less : bytes.size() / less - 1));
        };
    };
    const auto replay = [](const char* games, const char* p, std::vector<std::string> more = {}) {
        return [=](const TempDir& dir) { ASSERT_EQ(PlayPart(dir, games, p, more).exit_code, 0); };
    };
    const std::string p0 = PartFileName(0, 2) + ": ", p1 = PartFileName(1, 2) + ": ";
    const std::string damaged = "damaged (its checksum does not match its contents)";
    const std::string short_header = p1 + "cut short (damaged, or still being written)";
    const std::vector<std::pair<Edit, std::string>> cases = {
        {[&](const TempDir& dir) {
             std::filesystem::remove(part(dir, 1));
             WriteFile(dir / (PartFileName(1, 2) + ".tmp"), "a part killed half way");
         },
         p1 + "missing (part 1 of 2)"},
        {[&](const TempDir& dir) {
             std::filesystem::copy_file(part(dir, 0), dir / "zz-copy.kragmoor-part");
         },
         "zz-copy.kragmoor-part: part 0 of 2 twice: " + PartFileName(0, 2) + " is too"},
        {[&](const TempDir& dir) {
             std::filesystem::remove(part(dir, 0));
             std::filesystem::remove(part(dir, 1));
         },
         "no part files (*.kragmoor-part) in $DIR"},
        {replay("1000200", "1/2"), p1 + "a part of a run of 1000200 games, not 1000100"},
        {replay("1000100", "2/3"), PartFileName(2, 3) + ": one of 3 parts, not 2"},
        {replay("1000100", "1/2", {"--sequential"}),
         p1 + "played with odometer stops on reel 4, not random stops"},
        {[](const TempDir& dir) {
             std::string game = Bundled();
             WriteFile(dir / "ReelSetup.ini",
                       game.replace(game.find("SEED = 20261205"), 15, "SEED = 20261206"));
         },
         p0 + "played with seed 20261205, ReelSetup.ini has 20261206"},
        {[](const TempDir& dir) { WriteFile(dir / "ReelSetup.ini", Bundled() + "\r\n"); },
         p0 + "played on another ReelSetup.ini than this directory's (its contents differ)"},
        {[&](const TempDir& dir) {
             Rewrite(part(dir, 1), [](std::string& bytes) {
                 ASSERT_EQ(bytes.substr(kVersionAt, std::string(KRAGMOOR_VERSION).size()),
                           KRAGMOOR_VERSION);
                 bytes[kVersionAt] = bytes[kVersionAt] == '9' ? '8' : '9';
             });
         },
         p1 + "written by kragmoor-sim " + (KRAGMOOR_VERSION[0] == '9' ? "8" : "9") +
             std::string(KRAGMOOR_VERSION).substr(1) + ", this is " KRAGMOOR_VERSION},
        {[&](const TempDir& dir) {
             std::string bytes = ReadFile(part(dir, 1));
             bytes[bytes.size() / 2] ^= 0x10;
             WriteFile(part(dir, 1), bytes);
         },
         p1 + damaged},
        // Cut in its header, then in its body or its trailer.
        {cut(true, 1), short_header},
        {cut(true, 2), short_header},
        {cut(false, 1), p1 + damaged},
        {cut(false, 2), p1 + damaged},
        {[&](const TempDir& dir) {
             WriteFile(part(dir, 0), "KRAGPARX" + ReadFile(part(dir, 0)).substr(8));
         },
         p0 + "not a part file"},
    };
    for (const auto& [spoil, message] : cases) {
        SCOPED_TRACE(message);
        const TempDir dir;
        for (const std::string& name : TwoParts().Files())
            std::filesystem::copy_file(TwoParts() / name, dir / name);
        spoil(dir);
        const std::set<std::string> before = dir.Files();
        const RunResult run = Merge(dir);
        std::string want = "kragmoor-sim: " + message + " (nothing written)\n";
        if (want.find("$DIR") != want.npos) want.replace(want.find("$DIR"), 4, dir.path().string());
        EXPECT_EQ(std::tuple(run.exit_code, run.out, run.err), std::tuple(1, std::string(), want));
        EXPECT_EQ(dir.Files(), before);
    }
}

// Parts draw from the seed's streams: one drawn from the clock would differ from part to part.
TEST(PartRun, NeedsAFixedSeedAndGamesAndWritesNoOtherFile) {
    const TempDir dir;
    std::string game = Bundled();
    game.replace(game.find("SEED = 20261205"), 15, "SEED = -1");
    WriteFile(dir / "ReelSetup.ini", game);
    const RunResult clock = PlayPart(dir, "1000", "0/2");
    EXPECT_EQ(clock.exit_code, 1);
    EXPECT_NE(clock.err.find("a run in parts needs a fixed seed"), std::string::npos) << clock.err;
    EXPECT_EQ(dir.Files(), Names({"ReelSetup.ini"}));
    EXPECT_EQ(PlayPart(dir, "0", "0/2").exit_code, 2);
    for (const char* bad : {"2/2", "1", "0/0", "-1/2", "0/10000", "a/b"}) {
        EXPECT_EQ(PlayPart(dir, "1000", bad).exit_code, 2) << bad;
    }
    EXPECT_EQ(RunInProcess({dir.path().string(), "--merge", "--part", "0/2"}).exit_code, 2);
    EXPECT_EQ(RunInProcess({dir.path().string(), "--merge", "--exact"}).exit_code, 2);
}

// A part file that cannot be written is named with the system's reason, and no part file is
// left, nor its temporary one.
TEST(PartRun, APartFileOnAFullDiskIsNamedAndLeftOut) {
    if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
    const TempDir dir;
    WriteFile(dir / "ReelSetup.ini", Bundled());
    std::filesystem::create_symlink("/dev/full", dir / (PartFileName(0, 1) + ".tmp"));
    const RunResult run = PlayPart(dir, "1000", "0/1");
    EXPECT_EQ(run.exit_code, 1);
    EXPECT_EQ(run.err, "kragmoor-sim: Cannot write " + PartFileName(0, 1) +
                           ".tmp: No space left on device\n");
    EXPECT_EQ(dir.Files(), Names({"ReelSetup.ini"}));
}

}  // namespace
}  // namespace kragmoor
