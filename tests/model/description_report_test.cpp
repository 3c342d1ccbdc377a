// The description report read back as the same game, also for the inputs the fuzzer once found a
// fault with. (The golden runs compare the rest of the reference run's report byte for byte.)
#include "model/description_report.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iomanip>
#include <sstream>

#include "definition_files.h"
#include "model/config.h"
#include "model/definition_reader.h"

namespace kragmoor {
namespace {

using namespace test;  // files and the small game

std::tm LoadTime() {
    std::tm t{};
    std::istringstream("03.04.2026 09:05:07") >> std::get_time(&t, "%d.%m.%Y %H:%M:%S");
    return t;
}

// The reference game's strips and paytable played by rules of its own on lines of its own: the
// first three rows given, the others the built-in lines from the fourth on.
std::string RuledReference() {
    auto lines = Lines(ReadFile(TestData("g0/ReelSetup.ini")));
    const auto header = std::find(lines.begin(), lines.end(), "WIN LINE DESCRIPTION");
    const std::vector<std::string> rows = {"0,1,0,1,0, _ Line1", " 2 , 1 , 2 , 1 , 2 ,",
                                           "1,  1,  1,  1,  1,   _ Line3"};
    std::copy(rows.begin(), rows.end(), header + 1);
    lines.insert(lines.end(),
                 {"GAME RULES", "RETRIGGER = 4, 6, 10", "WIN LINES = DEFINITION",
                  "FREE SPINS MULTIPLIER = 2", "FREE SPINS=8,12,20", "WILD MULTIPLIER = 3"});
    return Join(lines);
}

// The save block of the reference run's report, from the blank line that begins it.
std::string SaveBlock() {
    const std::string report = ReadFile(TestData("g0/random-30000/Temp1.txt"));
    return report.substr(report.find("\r\n\r\n-----") + 2);
}

// The reference game, also with rules and lines of its own; reels of different lengths, gap fields
// in the middle of a column, decimal pays, a name that begins with a digit and an RTP of 96 %; and
// each input the fuzzer once found a fault with, either refused with a message or read into a game
// that reads back, a save block after it as every save leaves it.
TEST(DescriptionReportTest, ReadsBackAsTheSameGame) {
    auto lines = SmallGameLines();
    At(lines, kRtpLine) = " Game RTP: 96,00 %";
    At(lines, kFirstPayRow + 7) = " 7s,        2.5,0,5,50,500, _";
    At(lines, kFirstBaseRow + 1) = "S5,S6,7s,S8,S9, _";
    lines.insert(lines.begin() + kFirstBaseRow + 2, "S1,nothing,S1,S1,S1, _");
    std::vector<std::pair<std::string, std::string>> inputs = {
        {"reference", ReadFile(TestData("g0/ReelSetup.ini"))},
        {"small", Join(lines)},
        {"ruled", RuledReference()}};
    for (const auto& entry :
         std::filesystem::directory_iterator(SourceFile("tests/model/fuzz_regressions"))) {
        inputs.emplace_back(entry.path().filename().string(), ReadFile(entry.path()));
    }
    ASSERT_GT(inputs.size(), 2u);
    for (const auto& [name, text] : inputs) {
        SCOPED_TRACE(name);
        const TempDir dir;
        WriteFile(dir / "ReelSetup.ini", text);
        GameDefinition def;
        try {
            def = ReadDefinition(dir / "ReelSetup.ini");
        } catch (const DefinitionError&) {
            EXPECT_TRUE(name != "reference" && name != "small" && name != "ruled");
            continue;
        }
        ASSERT_TRUE(WriteDescriptionReport(def, LoadTime(), dir / "Temp1.txt"));
        WriteFile(dir / "Temp1.txt", ReadFile(dir / "Temp1.txt") + SaveBlock());
        GameDefinition again;
        ASSERT_NO_THROW(again = ReadDefinition(dir / "Temp1.txt"));
        ExpectSameGame(def, again);
        if (name != "reference") continue;
        // The lines the golden runs leave out: the studio's contacts and the load time.
        const auto report = Lines(ReadFile(dir / "Temp1.txt"));
        EXPECT_EQ(report[0] + report[4] + report[7] + report[8],
                  std::string("  Company: ") + config::kStudioWeb +
                      "     Date: 03.04.2026  09:05:07    Email: " + config::kDesignerEmail +
                      "      Web: " + config::kDesignerWeb);
    }
}

}  // namespace
}  // namespace kragmoor
