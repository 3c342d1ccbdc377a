// kragmoor-sim --rng-report, --rng-raw and --rng-stops: the report on the game's own stream in
// this process and its verdict on a biased one, the stop tuples, and the raw words into a pipe
// that its reader closes, against the generator's own entry points.
#include "rng/rng.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "cli/rng_report.h"
#include "cli_test_support.h"
#include "json_reader.h"
#include "model/definition_reader.h"

namespace kragmoor {
namespace {

using namespace test;
using Names = std::set<std::string>;

constexpr std::int32_t kReferenceSeed = 4242;  // the seed of tests/data/g0

// Lines of the report's tables: those that end in a verdict of one test.
std::vector<std::string> TestLines(const std::string& report) {
    std::vector<std::string> lines;
    for (const std::string& line : OutputLines(report)) {
        if (line.ends_with("  pass") || line.ends_with("  FAIL")) lines.push_back(line);
    }
    return lines;
}

TEST(RngReportTest, TheGamesStopsPassAndNothingIsWritten) {
    const TempDir dir;
    CopyReferenceGame(dir);
    const auto run = RunInProcess({dir.path().string(), "--rng-report", "--draws", "20000"});
    EXPECT_EQ(run.exit_code, 0) << run.out;
    EXPECT_EQ(run.err, "");
    EXPECT_TRUE(
        run.out.starts_with("RNG acceptance report of G0 reference 1: seed 4242, 20 000 "
                            "draws per reel.\n"))
        << run.out;
    EXPECT_NE(run.out.find("\nThe base strips, reels of 20, 21, 22, 23, 24 stops:\n"
                           "  reel 0    chi-square of the stops       "),
              std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("\nThe free-spin strips, reels of 25, 25, 25, 25, 25 stops:\n"),
              std::string::npos);
    EXPECT_EQ(TestLines(run.out).size(), 50u);
    EXPECT_NE(run.out.find("\nVerdict: pass. "), std::string::npos);

    const auto json =
        RunInProcess({dir.path().string(), "--rng-report", "--draws=20000", "--json"});
    EXPECT_EQ(json.exit_code, 0);
    const Json report = JsonReader::Read(json.out);
    EXPECT_EQ(report["seed"].number, kReferenceSeed);
    EXPECT_EQ(report["draws_per_reel"].number, 20000);
    EXPECT_EQ(report["tests"].number, 50);
    EXPECT_EQ(report["verdict"].text, "pass");
    const Json& free = report["strip_sets"][1];
    EXPECT_EQ(free["strips"].text, "free-spin");
    ASSERT_EQ(free["tests"].items.size(), 25u);
    const Json& pair = free["tests"][24];
    EXPECT_EQ(pair["test"].text, "reel_correlation");
    EXPECT_EQ(std::pair(pair["reels"][0].number, pair["reels"][1].number), std::pair(3.0, 4.0));
    // The same stream gives the same figures in both forms.
    const std::vector<std::string> lines = TestLines(run.out);
    const Json& chi = report["strip_sets"][0]["tests"][0];
    EXPECT_EQ(chi["degrees_of_freedom"].number, 19);
    EXPECT_NE(lines[0].find("(19 df)"), std::string::npos);
    EXPECT_NE(lines[0].find("p = " + Fixed(chi["p_value"].number, 6)), std::string::npos)
        << lines[0];
    EXPECT_EQ(dir.Files(), Names{"ReelSetup.ini"});
}

TEST(RngReportTest, AnUnreadableDefinitionIsRefused) {
    const TempDir dir;
    for (const char* mode : {"--rng-report", "--rng-raw"}) {
        const auto run = RunInProcess({dir.path().string(), mode});
        EXPECT_EQ(run.exit_code, 1);
        EXPECT_EQ(run.err, (dir / "ReelSetup.ini").string() +
                               ": no such file: expected the game definition here\n");
        EXPECT_EQ(run.out, "");
    }
}

// A generator whose reel 3 of the free spins favours stop 0 twice over: the chi-square of that
// reel fails, the verdict with it, and the report says so.
TEST(RngReportTest, ABiasedGeneratorFailsTheReport) {
    const GameDefinition def = ReadDefinition(TestData("g0/ReelSetup.ini"));
    std::mt19937 engine(7);
    const auto uniform = [&](int length) {
        return std::uniform_int_distribution<int>(0, length - 1)(engine);
    };
    const cli::RngReport report = cli::TestGameStops(
        def, 1, 20000, [&](int reel) { return uniform(def.ReelLen[reel] + 1); },
        [&](int reel) {
            const int length = def.FsReelLen[reel] + 1;
            return reel == 3 ? uniform(length + 1) % length : uniform(length);
        });
    EXPECT_FALSE(report.verdict.passed);
    const std::string text = cli::RngReportText(def, report);
    const std::vector<std::string> lines = TestLines(text);
    ASSERT_EQ(lines.size(), 50u);
    EXPECT_TRUE(lines[25 + 9].starts_with("  reel 3    chi-square of the stops")) << lines[34];
    EXPECT_TRUE(lines[25 + 9].ends_with("  FAIL")) << lines[34];
    EXPECT_NE(text.find("\nVerdict: FAIL. "), std::string::npos) << text;
    EXPECT_EQ(JsonReader::Read(cli::RngReportJson(def, report))["verdict"].text, "fail");
}

TEST(RngStopsTest, TuplesAreTheStreamsDrawsWithinTheStrips) {
    const TempDir dir;
    CopyReferenceGame(dir);
    const auto run = RunInProcess({dir.path().string(), "--rng-stops", "3000"});
    EXPECT_EQ(run.exit_code, 0) << run.err;
    const std::vector<std::string> lines = OutputLines(run.out);
    ASSERT_EQ(lines.size(), 3000u);
    // The process-wide generator seeded as a run is: the stops a game draws, reel 0 first.
    rng_Init(kReferenceSeed);
    for (const std::string& line : lines) {
        std::string expected;
        for (const int length : {20, 21, 22, 23, 24})
            expected += (expected.empty() ? "" : " ") + std::to_string(rng_GenNumber(length));
        ASSERT_EQ(line, expected);
    }
    EXPECT_EQ(dir.Files(), Names{"ReelSetup.ini"});
}

// The built program into a pipe whose reader stops part way through a word, not at the end of a
// block: what it read is the generator's words, and the program ends quietly (no signal, no
// message, status 0), writing no file.
TEST(RngRawTest, TheRawWordsAreTheGeneratorsOutputUntilThePipeCloses) {
    const TempDir dir;
    CopyReferenceGame(dir);
    const std::string command = "cd \"" + dir.path().string() +
                                "\" && (\"" KRAGMOOR_SIM
                                "\" --rng-raw 2>raw.err; echo $? >raw.status) | head -c 300001 "
                                ">raw.bin";
    ASSERT_EQ(std::system(command.c_str()), 0);
    EXPECT_EQ(ReadFile(dir / "raw.status"), "0\n");
    EXPECT_EQ(ReadFile(dir / "raw.err"), "");
    EXPECT_EQ(dir.Files(), (Names{"ReelSetup.ini", "raw.bin", "raw.err", "raw.status"}));
    const std::string bytes = ReadFile(dir / "raw.bin");
    ASSERT_EQ(bytes.size(), 300001u);
    rng_Init(kReferenceSeed);
    for (std::size_t at = 0; at + 4 <= bytes.size(); at += 4) {
        std::uint32_t word;
        std::memcpy(&word, bytes.data() + at, 4);
        ASSERT_EQ(word, rng_GenInt32()) << "word " << at / 4;
    }
}

}  // namespace
}  // namespace kragmoor
