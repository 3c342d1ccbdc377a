// Whole runs of the reference games (today's rules, and the same strips under a GAME RULES
// section) against an independent model's files, byte for byte.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>

#include "engine/play/headless_run.h"
#include "engine/play/session.h"
#include "engine/play/simulator.h"
#include "test_support.h"

namespace kragmoor {
namespace {

struct Reference {
    const char* game;
    const char* folder;
    std::int64_t games;
    bool sequential;
    const char* section = "";  // a GAME RULES section added to the definition
    const char* echo = "";     // as the report echoes it, left out of the comparison
};

class GoldenRun : public ::testing::TestWithParam<Reference> {};

TEST_P(GoldenRun, EveryFileMatchesTheReference) {
    const Reference& ref = GetParam();
    const std::filesystem::path game = test::TestData(ref.game);
    test::TempDir dir;
    test::WriteFile(dir / "ReelSetup.ini", test::ReadFile(game / "ReelSetup.ini") + ref.section);
    Session session = OpenSession(dir.path(), {});
    Simulator control(session);
    if (ref.sequential) {
        control.SetRandomStops(false);
        control.SelectReel(4);
    }
    HeadlessRun(control, ref.games).Play();
    ASSERT_TRUE(control.Save());
    control.Exit();
    if (*ref.echo != '\0') {
        std::string report = test::ReadFile(dir / "Temp1.txt");
        const std::size_t at = report.find(ref.echo);
        ASSERT_NE(at, std::string::npos) << "the section echoed after the paytable";
        test::WriteFile(dir / "Temp1.txt", report.erase(at, std::strlen(ref.echo)));
    }
    EXPECT_EQ(test::RunFilesDiffer(game / ref.folder, dir.path()), "");
}

// The last: a GAME RULES section that spells out today's rules plays the same game, the same
// files but for the section the report echoes.
INSTANTIATE_TEST_SUITE_P(
    ReferenceGames, GoldenRun,
    ::testing::Values(
        Reference{"g0", "random-30000", 30000, false},
        Reference{"g0", "sequential-3000", 3000, true},
        Reference{"rules", "random-30000", 30000, false},
        Reference{"rules", "sequential-3000", 3000, true},
        Reference{
            "g0", "random-30000", 30000, false,
            "GAME RULES\r\n  RETRIGGER=15\r\nWIN LINES = BUILT IN\r\n\r\n"
            "FREE SPINS MULTIPLIER = 4\r\nFREE SPINS = 15\r\nWILD MULTIPLIER = 2\r\n",
            "GAME RULES\r\nWILD MULTIPLIER = 2\r\nFREE SPINS = 15, 15, 15\r\n"
            "FREE SPINS MULTIPLIER = 4\r\nRETRIGGER = 15, 15, 15\r\nWIN LINES = BUILT IN\r\n"}),
    [](const ::testing::TestParamInfo<Reference>& p) {
        return std::string(p.param.game) + (p.param.sequential ? "Sequential" : "Random") +
               std::to_string(p.param.games) + (*p.param.section != '\0' ? "RulesSpelledOut" : "");
    });

}  // namespace
}  // namespace kragmoor
