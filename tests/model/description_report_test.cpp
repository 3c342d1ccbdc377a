// The description report: byte for byte against the reference run's report, and read back as
// a definition.
#include "model/description_report.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <filesystem>

#include "definition_text.h"
#include "model/config.h"
#include "model/definition_reader.h"

namespace kragmoor {
namespace {

std::tm LoadTime() {
    std::tm t{};
    t.tm_mday = 3;
    t.tm_mon = 3;
    t.tm_year = 126;
    t.tm_hour = 9;
    t.tm_min = 5;
    t.tm_sec = 7;
    return t;
}

void ExpectSameGame(const GameDefinition& a, const GameDefinition& b) {
    EXPECT_EQ(a.GameVersion, b.GameVersion);
    EXPECT_EQ(a.GameRTP, b.GameRTP);
    EXPECT_EQ(a.Seed, b.Seed);
    EXPECT_EQ(a.SymbolName, b.SymbolName);
    EXPECT_EQ(a.Figures, b.Figures);
    EXPECT_EQ(a.ReelMaxIndex, b.ReelMaxIndex);
    EXPECT_EQ(a.FsReelMaxIndex, b.FsReelMaxIndex);
    EXPECT_EQ(std::memcmp(a.ReelStrip, b.ReelStrip, sizeof a.ReelStrip), 0);
    EXPECT_EQ(std::memcmp(a.ReelLen, b.ReelLen, sizeof a.ReelLen), 0);
    EXPECT_EQ(std::memcmp(a.FsReelStrip, b.FsReelStrip, sizeof a.FsReelStrip), 0);
    EXPECT_EQ(std::memcmp(a.FsReelLen, b.FsReelLen, sizeof a.FsReelLen), 0);
    EXPECT_EQ(std::memcmp(a.PayTable, b.PayTable, sizeof a.PayTable), 0);
    EXPECT_EQ(std::memcmp(a.LineTable, b.LineTable, sizeof a.LineTable), 0);
    EXPECT_EQ(std::memcmp(a.LineShape, b.LineShape, sizeof a.LineShape), 0);
    EXPECT_EQ(a.CycleGames, b.CycleGames);
    EXPECT_EQ(a.ReportFileName, b.ReportFileName);
}

TEST(DescriptionReportTest, MatchesTheReferenceReportLineForLine) {
    const GameDefinition def = ReadDefinition(testing::kTestData + "/g0/ReelSetup.ini");
    const std::string report = DescriptionReport(def, LoadTime());
    const std::string reference =
        testing::ReadFile(testing::kTestData + "/g0/random-30000/Temp1.txt");
    // The reference's description ends with the last paytable row; the save block follows.
    const std::size_t end = reference.find("\r\n\r\n----");
    ASSERT_NE(end, std::string::npos);
    auto ours = testing::SplitLines(report);
    const auto theirs = testing::SplitLines(reference.substr(0, end + 2));
    ASSERT_EQ(ours.size(), theirs.size());
    EXPECT_EQ(ours[0], std::string("  Company: ") + config::kStudioWeb);
    EXPECT_EQ(ours[4], "     Date: 03.04.2026  09:05:07");
    EXPECT_EQ(ours[7], std::string("    Email: ") + config::kDesignerEmail);
    EXPECT_EQ(ours[8], std::string("      Web: ") + config::kDesignerWeb);
    for (std::size_t i : {0, 4, 7, 8}) ours[i] = "<config>";
    for (std::size_t i = 0; i < ours.size(); ++i) EXPECT_EQ(ours[i], theirs[i]) << "line " << i + 1;
    // Every line ends with CR LF, nothing follows the last paytable row.
    EXPECT_EQ(report.substr(report.size() - 51),
              " Scatter,   0,     1,     4,     20,    100,    _\r\n");
    std::size_t bare_lf = 0;
    for (std::size_t i = 0; i < report.size(); ++i)
        bare_lf += report[i] == '\n' && (i == 0 || report[i - 1] != '\r');
    EXPECT_EQ(bare_lf, 0u);
}

TEST(DescriptionReportTest, ReadsBackAsTheSameGame) {
    const GameDefinition def = ReadDefinition(testing::kTestData + "/g0/ReelSetup.ini");
    const GameDefinition again = ParseDefinition(DescriptionReport(def, LoadTime()), "Temp1.txt");
    ExpectSameGame(def, again);

    // Reels of different lengths, gap fields in the middle of a column, decimal pays, a name
    // that begins with a digit and an RTP of 96 %.
    auto lines = testing::SmallGame();
    testing::At(lines, testing::kRtpLine) = " Game RTP: 96,00 %";
    testing::At(lines, testing::kFirstPayRow + 7) = " 7s,        2.5,0,5,50,500, _";
    testing::RenameInStrips(lines, "S7", "7s");
    lines.insert(lines.begin() + testing::kFirstBaseRow + 2, "S1,nothing,S1,S1,S1, _");
    const GameDefinition small = ParseDefinition(testing::Join(lines), "ReelSetup.ini");
    ASSERT_EQ(small.ReelLen[1], 2);
    const std::string report = DescriptionReport(small, LoadTime());
    EXPECT_NE(report.find(" Game RTP: 96,00 %\r\n"), std::string::npos);
    EXPECT_NE(report.find("S1,        GAP,       S1,        S1,        S1,         _\r\n"),
              std::string::npos);
    EXPECT_NE(report.find(" 7s,        2,     0,     5,     50,    500,    _\r\n"),
              std::string::npos);
    ExpectSameGame(small, ParseDefinition(report, "Temp1.txt"));
}

TEST(DescriptionReportTest, RowWidthsAndLongNames) {
    auto lines = testing::SmallGame();
    testing::At(lines, testing::kFirstPayRow + 3) = "Abcdefghijk,0,0,1,2,32767, _";
    testing::RenameInStrips(lines, "S3", "Abcdefghijk");
    const GameDefinition def = ParseDefinition(testing::Join(lines), "ReelSetup.ini");
    const auto report = testing::SplitLines(DescriptionReport(def, LoadTime()));
    // 13 header lines, 3 base rows, header, 3 free-spin rows, header, 20 lines, header, 13 rows.
    ASSERT_EQ(report.size(), 13u + 3 + 1 + 3 + 1 + 20 + 1 + 13);
    EXPECT_EQ(report[13], "S0,        S1,        S2,        AbcdefghijkS4,         _");
    EXPECT_EQ(report[14].size(), 57u);
    EXPECT_EQ(report[21], "1,  1,  1,  1,  1,   _ Line1");
    EXPECT_EQ(report[40], "0,  2,  2,  2,  0,   _ Line20");
    // An 11-character name fills its field and loses its comma: such a report cannot be read
    // back (the format's limit), every other row is 49 characters.
    EXPECT_EQ(report[45], " Abcdefghijk0,     0,     1,     2,     32767,  _");
    EXPECT_EQ(report[43].size(), 49u);
    EXPECT_THROW(ParseDefinition(testing::Join(report), "Temp1.txt"), DefinitionError);
}

TEST(DescriptionReportTest, WritesTheFileAndReportsFailure) {
    const GameDefinition def = ReadDefinition(testing::kTestData + "/g0/ReelSetup.ini");
    const testing::ScratchDir scratch;
    const auto& dir = scratch.path();
    const auto file = dir / "Temp1.txt";
    {
        std::FILE* f = std::fopen(file.c_str(), "wb");
        std::fputs(std::string(100000, 'x').c_str(), f);
        std::fclose(f);
    }
    ASSERT_TRUE(WriteDescriptionReport(def, LoadTime(), file));
    EXPECT_EQ(testing::ReadFile(file.string()), DescriptionReport(def, LoadTime()));
    EXPECT_FALSE(WriteDescriptionReport(def, LoadTime(), dir / "missing" / "Temp1.txt"));
}

}  // namespace
}  // namespace kragmoor
