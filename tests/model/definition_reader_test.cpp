// Reading game definitions: the reference game, the format's rules and quirks, and every kind
// of file that is refused, with the message the user sees.
#include "model/definition_reader.h"

#include <gtest/gtest.h>

#include <cstring>

#include "definition_text.h"

namespace kragmoor {
namespace {

using testing::At;
using testing::Join;
using testing::SmallGame;

GameDefinition Parse(const std::vector<std::string>& lines) {
    return ParseDefinition(Join(lines), "ReelSetup.ini");
}

// The message of the refusal, or "accepted".
std::string Refusal(const std::string& content) {
    try {
        ParseDefinition(content, "ReelSetup.ini");
    } catch (const DefinitionError& e) {
        return e.what();
    }
    return "accepted";
}

std::string Refusal(const std::vector<std::string>& lines) {
    return Refusal(Join(lines));
}

GameDefinition Reference() {
    return ReadDefinition(testing::kTestData + "/g0/ReelSetup.ini");
}

TEST(ReadReferenceTest, HeaderSeedAndSections) {
    const GameDefinition def = Reference();
    EXPECT_EQ(def.GameVersion, "G0 reference 1");
    EXPECT_EQ(def.GameRTP, 96.5f);
    EXPECT_EQ(def.Seed, 4242);
    EXPECT_EQ(def.ReelMaxIndex, 23);
    EXPECT_EQ(def.FsReelMaxIndex, 24);
    const std::int16_t base_len[] = {19, 20, 21, 22, 23};
    for (int r = 0; r < kReels; ++r) {
        EXPECT_EQ(def.ReelLen[r], base_len[r]) << "reel " << r;
        EXPECT_EQ(def.FsReelLen[r], 24) << "reel " << r;
    }
    EXPECT_EQ(def.CycleGames, 100000000);
    EXPECT_EQ(def.ReportFileName, "Temp1.txt");
}

TEST(ReadReferenceTest, NamesStripsPaytableAndLines) {
    const GameDefinition def = Reference();
    const char* names[] = {"Nine", "Ten",  "Jack",  "Queen",  "King", "Ace",    "Rune",
                           "Axe",  "Helm", "Anvil", "Dragon", "Wild", "Scatter"};
    for (int i = 0; i < kSymbols; ++i) {
        EXPECT_EQ(def.SymbolName[static_cast<std::size_t>(i)], names[i]);
        EXPECT_EQ(def.Figures[static_cast<std::size_t>(i)], names[i]);
    }
    // "King, Dragon, Rune, Helm, Ace," and the gaps after the shorter reels.
    const std::int16_t row0[] = {4, 10, 6, 8, 5};
    for (int r = 0; r < kReels; ++r) EXPECT_EQ(def.ReelStrip[0][r], row0[r]);
    EXPECT_EQ(def.ReelStrip[19][0], 3);
    EXPECT_EQ(def.ReelStrip[20][0], kGap);
    EXPECT_EQ(def.ReelStrip[23][3], kGap);
    EXPECT_EQ(def.ReelStrip[23][4], 4);
    EXPECT_EQ(def.FsReelStrip[0][2], kWild);
    EXPECT_EQ(def.FsReelStrip[24][4], 4);
    const std::int16_t wild[] = {0, 0, 10, 50, 500, 2500};
    const std::int16_t scatter[] = {0, 0, 1, 4, 20, 100};
    for (int n = 0; n < kRunLengths; ++n) {
        EXPECT_EQ(def.PayTable[kWild][n], wild[n]);
        EXPECT_EQ(def.PayTable[kScatter][n], scatter[n]);
    }
    EXPECT_EQ(def.LineTable[3][2], 2);
    EXPECT_EQ(def.LineShape[19][0], 113);
    EXPECT_EQ(def.LineShape[15][1], 213);
}

TEST(ReadFormatTest, LfOnlyAndCrLfReadTheSame) {
    const auto lines = SmallGame();
    const GameDefinition crlf = ParseDefinition(Join(lines, "\r\n"), "a");
    const GameDefinition lf = ParseDefinition(Join(lines, "\n"), "a");
    EXPECT_EQ(std::memcmp(crlf.ReelStrip, lf.ReelStrip, sizeof crlf.ReelStrip), 0);
    EXPECT_EQ(std::memcmp(crlf.PayTable, lf.PayTable, sizeof crlf.PayTable), 0);
    EXPECT_EQ(crlf.SymbolName, lf.SymbolName);
    // The last line may lack its line end; a byte order mark and an end-of-file mark are dropped.
    std::string bare = Join(lines, "\n");
    bare.pop_back();
    EXPECT_EQ(ParseDefinition("\xEF\xBB\xBF" + bare + "\x1A", "a").PayTable[12][5], 100);
}

TEST(ReadFormatTest, PaddingAndDoubledCommasAreOneSeparator) {
    auto lines = SmallGame();
    At(lines, testing::kFirstBaseRow) = "S0,   S1,,,S2, ,, S3,S4,,,, trailing text";
    const GameDefinition def = Parse(lines);
    for (int r = 0; r < kReels; ++r) EXPECT_EQ(def.ReelStrip[0][r], r);
    EXPECT_EQ(def.ReelLen[0], 2);
}

TEST(ReadFormatTest, AFieldThatIsNoNameEndsItsReel) {
    auto lines = SmallGame();
    lines.insert(lines.begin() + testing::kFirstBaseRow + 2, "S3,S3,S3,S3,S3, _");
    // Row 2: reel 1 ends at "GAP", reel 3 at a misspelt name; row 3 holds names again.
    At(lines, testing::kFirstBaseRow + 2) = "S10,GAP,Scatter,s0,S1, _";
    const GameDefinition def = Parse(lines);
    EXPECT_EQ(def.ReelMaxIndex, 3);
    const std::int16_t expected_len[] = {3, 1, 3, 1, 3};
    for (int r = 0; r < kReels; ++r) EXPECT_EQ(def.ReelLen[r], expected_len[r]) << "reel " << r;
    EXPECT_EQ(def.ReelStrip[2][1], kGap);
    EXPECT_EQ(def.ReelStrip[2][3], kGap);  // names are compared exactly: "s0" is not "S0"
    EXPECT_EQ(def.ReelStrip[3][1], 3);     // still stored after the gap
}

TEST(ReadFormatTest, PaysAreRoundedToSixteenBitsHalvesToEven) {
    auto lines = SmallGame();
    At(lines, testing::kFirstPayRow + 4) = " S4,        1.5,2.5,3.5abc,x,-7, _";
    const GameDefinition def = Parse(lines);
    const std::int16_t expected[] = {0, 2, 2, 4, 0, -7};
    for (int n = 0; n < kRunLengths; ++n) EXPECT_EQ(def.PayTable[4][n], expected[n]) << n;
}

TEST(ReadFormatTest, ANameThatBeginsWithDigitsFillsColumnZero) {
    auto lines = SmallGame();
    At(lines, testing::kFirstPayRow + 7) = " 7s,        0,0,5,50,500, _";
    At(lines, testing::kFirstBaseRow + 1) = "S5,S6,7s,S8,S9, _";
    const GameDefinition def = Parse(lines);
    EXPECT_EQ(def.SymbolName[7], "7s");
    EXPECT_EQ(def.PayTable[7][0], 7);
    EXPECT_EQ(def.ReelStrip[1][2], 7);
}

TEST(ReadFormatTest, ElevenCharacterNameWithoutTheLeadingBlank) {
    auto lines = SmallGame();
    At(lines, testing::kFirstPayRow + 3) = "Abcdefghijk,0,0,1,2,3, _";
    testing::RenameInStrips(lines, "S3", "Abcdefghijk");
    const GameDefinition def = Parse(lines);
    EXPECT_EQ(def.SymbolName[3], "Abcdefghijk");
    EXPECT_EQ(def.ReelStrip[0][3], 3);
}

TEST(ReadFormatTest, RtpFieldsAreReadSeparately) {
    auto lines = SmallGame();
    EXPECT_EQ(Parse(lines).GameRTP, 95.0f + 12.0f / 100.0f);
    At(lines, testing::kRtpLine) = " Game RTP: 96,00 %";
    EXPECT_EQ(Parse(lines).GameRTP, 96.0f);
    At(lines, testing::kRtpLine) = " Game RTP: 95.67 %";
    EXPECT_EQ(Parse(lines).GameRTP, 95.0f + 67.0f / 100.0f);
    At(lines, testing::kRtpLine) = " Game RTP: 95,5 %";  // the hundredths field is "5 "
    EXPECT_EQ(Parse(lines).GameRTP, 95.0f + 5.0f / 100.0f);
}

TEST(ReadFormatTest, VersionSeedAndAnyLinesBetweenSections) {
    auto lines = SmallGame();
    At(lines, testing::kVersionLine) = "  Version:    1.2 beta   ";
    At(lines, testing::kSeedLine) = "SEED = -1";
    lines.insert(lines.begin() + testing::kRngLine - 1, "a note before the seed");
    const GameDefinition def = Parse(lines);
    EXPECT_EQ(def.GameVersion, "1.2 beta");
    EXPECT_EQ(def.Seed, -1);  // resolved from the clock only when a session starts
}

TEST(ReadFormatTest, FreeSpinsRowsMayEndAtARuleLine) {
    auto lines = SmallGame();
    At(lines, testing::kWinLinesLine) = "=====================";
    const GameDefinition def = Parse(lines);
    EXPECT_EQ(def.FsReelMaxIndex, 2);
    EXPECT_EQ(def.PayTable[12][5], 100);
}

TEST(ReadFormatTest, SectionsHoldUpTo101Rows) {
    auto lines = SmallGame();
    std::vector<std::string> rows(98, "S1,S2,S3,S4,S5, _");
    lines.insert(lines.begin() + testing::kFirstFreeRow, rows.begin(), rows.end());
    lines.insert(lines.begin() + testing::kFirstBaseRow, rows.begin(), rows.end());
    const GameDefinition def = Parse(lines);
    EXPECT_EQ(def.ReelMaxIndex, 100);
    EXPECT_EQ(def.FsReelMaxIndex, 100);
    EXPECT_EQ(def.ReelLen[4], 100);
    EXPECT_EQ(def.FsReelStrip[100][0], kScatter);

    lines.insert(lines.begin() + testing::kFirstBaseRow, "S1,S2,S3,S4,S5, _");
    EXPECT_EQ(Refusal(lines),
              "ReelSetup.ini:115: REEL STRIP section: expected \"FREE SPINS REEL STRIP\" after "
              "at most 101 strip rows, found more rows");
}

TEST(RefuseTest, FilesThatAreNoTextDefinition) {
    EXPECT_EQ(Refusal(std::string()),
              "ReelSetup.ini: the file is empty: expected a game definition");
    EXPECT_EQ(Refusal(std::string("\r\n  \n")),
              "ReelSetup.ini: the file is empty: expected a game definition");
    std::string binary = Join(SmallGame());
    binary[binary.find("Version")] = '\0';
    EXPECT_EQ(Refusal(binary),
              "ReelSetup.ini:3: a NUL byte: expected a text file, not binary data");
    EXPECT_EQ(Refusal(std::string("abc\r\n\x1B[0m\r\n")),
              "ReelSetup.ini:2: control character 0x1B: expected a text file (lines ended by CR LF "
              "or LF)");
    EXPECT_EQ(Refusal(std::string("  Version: 1\r\n Game RTP: 9\r5,00 %\r\n")),
              "ReelSetup.ini:2: control character 0x0D: expected a text file (lines ended by CR LF "
              "or LF)");
}

TEST(RefuseTest, NoFileOrNotARegularFile) {
    try {
        ReadDefinition(testing::kTestData + "/no-such-dir/ReelSetup.ini");
        FAIL() << "accepted";
    } catch (const DefinitionError& e) {
        EXPECT_EQ(e.File(), testing::kTestData + "/no-such-dir/ReelSetup.ini");
        EXPECT_EQ(e.Line(), 0);
        EXPECT_EQ(e.Expected(), "no such file: expected the game definition here");
    }
    EXPECT_THROW(ReadDefinition(testing::kTestData), DefinitionError);
}

TEST(RefuseTest, HeadersThatNeverCome) {
    auto lines = SmallGame();
    At(lines, testing::kVersionLine) = "Version: small 2";
    EXPECT_EQ(Refusal(lines),
              "ReelSetup.ini: expected the version line (a line beginning \"  Version: \"), "
              "reached the end of the file");
    lines = SmallGame();
    At(lines, testing::kRngLine) = "RNG Description ";
    EXPECT_EQ(Refusal(lines),
              "ReelSetup.ini: expected a line \"RNG DESCRIPTION\" after line 4, reached the end "
              "of the file (line 11 reads \"RNG Description \": section headers must be written "
              "exactly)");
    lines = SmallGame();
    lines.resize(testing::kPaytableLine - 1);
    EXPECT_EQ(Refusal(lines),
              "ReelSetup.ini: expected a line \"PAYTABLE DESCRIPTION\" after line 21, reached the "
              "end of the file");
    lines = SmallGame();
    lines.resize(testing::kFirstFreeRow + 1);
    EXPECT_EQ(Refusal(lines),
              "ReelSetup.ini:17: FREE SPINS REEL STRIP section: expected at most 101 strip rows "
              "ended by \"WIN LINE DESCRIPTION\", reached the end of the file");
    lines = SmallGame();
    lines.resize(testing::kVersionLine);
    EXPECT_EQ(Refusal(lines),
              "ReelSetup.ini:3: expected the \" Game RTP: \" line after the version line, reached "
              "the end of the file");
}

TEST(RefuseTest, RtpAndSeedThatAreNoNumbers) {
    auto lines = SmallGame();
    At(lines, testing::kRtpLine) = " Game RTP: ab,cd %";
    const std::string rtp_message =
        "ReelSetup.ini:4: RTP line: expected the whole percent (0 to 99) and its separator in "
        "characters 12 to 14 and the hundredths (0 to 99) in characters 15 and 16, as in \" Game "
        "RTP: 96,50 %\"";
    EXPECT_EQ(Refusal(lines), rtp_message);
    // Values the report's header could not write back are refused too.
    for (const char* rtp : {" Game RTP: 96,", " Game RTP: 100,00 %", " Game RTP: 9.5,00 %",
                            " Game RTP: -5,00 %", " Game RTP: 95,.5 %", " Game RTP:"}) {
        At(lines, testing::kRtpLine) = rtp;
        EXPECT_EQ(Refusal(lines), rtp_message) << rtp;
    }
    const std::string seed_message =
        "ReelSetup.ini:12: seed line: expected \"SEED = \" followed by a whole number from "
        "-2147483648 to 2147483647";
    for (const char* seed : {"SEED = 12x", "SEED = 2147483648", "SEED = 1.5", "SEED=5",
                             "SEED = ", "SEED = --1", "SEED = +-1"}) {
        lines = SmallGame();
        At(lines, testing::kSeedLine) = seed;
        EXPECT_EQ(Refusal(lines), seed_message) << seed;
    }
    for (const char* seed : {"SEED =  -2147483648 ", "SEED = +12", "SEED = 0"}) {
        lines = SmallGame();
        At(lines, testing::kSeedLine) = seed;
        EXPECT_EQ(Refusal(lines), "accepted") << seed;
    }
}

TEST(RefuseTest, StripSectionsTooShortOrEndedByARule) {
    auto lines = SmallGame();
    lines.erase(lines.begin() + testing::kFirstBaseRow - 1,
                lines.begin() + testing::kFreeSpinsLine - 1);
    EXPECT_EQ(Refusal(lines),
              "ReelSetup.ini:13: REEL STRIP section: expected strip rows, found none");
    lines = SmallGame();
    lines.erase(lines.begin() + testing::kFirstFreeRow, lines.begin() + testing::kWinLinesLine - 1);
    EXPECT_EQ(Refusal(lines),
              "ReelSetup.ini:17: FREE SPINS REEL STRIP section: expected at least two strip rows "
              "(every reel needs two positions), found one");
    lines = SmallGame();
    lines.insert(lines.begin() + testing::kFreeSpinsLine - 1, "==========");
    EXPECT_EQ(
        Refusal(lines),
        "ReelSetup.ini:17: REEL STRIP section: a line beginning with \"=====\" ends the strip "
        "rows, which makes the free-spins rows count one too many: expected \"FREE SPINS "
        "REEL STRIP\" directly after the last strip row");
}

TEST(RefuseTest, RowsWithoutTheirCommas) {
    auto lines = SmallGame();
    At(lines, testing::kFirstBaseRow + 1) = "S5,S6,S7,S8,S9 _";
    EXPECT_EQ(Refusal(lines),
              "ReelSetup.ini:15: base-game strip row 1: expected 5 fields each ended by a comma");
    lines = SmallGame();
    At(lines, testing::kFirstFreeRow) = "";
    EXPECT_EQ(Refusal(lines),
              "ReelSetup.ini:18: free-spins strip row 0: expected 5 fields each ended by a comma");
    lines = SmallGame();
    At(lines, testing::kFirstPayRow + 4) = " S4,        0,0,8,25,75";
    EXPECT_EQ(Refusal(lines),
              "ReelSetup.ini:27: paytable row of symbol 4: expected 6 fields each ended by a "
              "comma");
}

TEST(RefuseTest, PaysOutside16Bits) {
    auto lines = SmallGame();
    At(lines, testing::kFirstPayRow + 2) = " S2,        0,0,6,32767.5,50, _";
    EXPECT_EQ(Refusal(lines),
              "ReelSetup.ini:25: paytable row of symbol 2: the pay for 4 (\"32767.5\") is outside "
              "-32768..32767: expected a 16-bit pay");
    At(lines, testing::kFirstPayRow + 2) = " S2,        0,0,6,1e400,50, _";
    EXPECT_NE(Refusal(lines).find("the pay for 4 (\"1e400\") is outside"), std::string::npos);
    At(lines, testing::kFirstPayRow + 2) = " S2,        0,0,6,-32768,32767, _";
    EXPECT_EQ(Refusal(lines), "accepted");
    lines = SmallGame();
    At(lines, testing::kFirstPayRow + 2) = " 99999,     0,0,6,20,50, _";
    testing::RenameInStrips(lines, "S2", "99999");
    EXPECT_EQ(Refusal(lines),
              "ReelSetup.ini:25: paytable row of symbol 2: the name \" 99999\" read as a number "
              "is outside -32768..32767: expected a 16-bit pay");
}

TEST(RefuseTest, SymbolNames) {
    auto lines = SmallGame();
    At(lines, testing::kFirstPayRow + 5) = " ,          0,0,8,25,75, _";
    EXPECT_EQ(Refusal(lines),
              "ReelSetup.ini:28: paytable row of symbol 5: expected a symbol name, found none");
    At(lines, testing::kFirstPayRow + 5) = "";
    EXPECT_EQ(Refusal(lines),
              "ReelSetup.ini:28: paytable row of symbol 5: expected a symbol name, found none");
    const std::string outside =
        "ReelSetup.ini:28: paytable row of symbol 5: expected the symbol name and its comma "
        "within the first 12 characters, followed only by blanks";
    At(lines, testing::kFirstPayRow + 5) = " Abcdefghijk,0,0,8,25,75, _";  // 11 characters
    EXPECT_EQ(Refusal(lines), outside);
    At(lines, testing::kFirstPayRow + 5) = "S5,0,0,8,25,75, _";
    EXPECT_EQ(Refusal(lines), outside);
    lines = SmallGame();
    At(lines, testing::kFirstPayRow + 9) = " S3,        0,0,8,25,75, _";
    EXPECT_EQ(Refusal(lines),
              "ReelSetup.ini:32: paytable row of symbol 9: the name \"S3\" is already the name "
              "of symbol 3: expected 13 different names");
    At(lines, testing::kFirstPayRow + 9) = " GAP,       0,0,8,25,75, _";
    EXPECT_EQ(Refusal(lines),
              "ReelSetup.ini:32: paytable row of symbol 9: the name \"GAP\" marks gaps in the "
              "strip rows: expected another name");
    lines = SmallGame();
    lines.resize(testing::kFirstPayRow + 11);
    EXPECT_EQ(Refusal(lines),
              "ReelSetup.ini:34: paytable row of symbol 12: expected 13 paytable rows after "
              "\"PAYTABLE DESCRIPTION\", reached the end of the file");
}

TEST(RefuseTest, ReelsLeftWithFewerThanTwoPositions) {
    auto lines = SmallGame();
    At(lines, testing::kFirstBaseRow) = "S0,S1,S2,Sx,S4, _";
    EXPECT_EQ(Refusal(lines),
              "ReelSetup.ini:14: base-game reel 3: \"Sx\" at row 0 is not a symbol name and ends "
              "the reel: expected at least two positions before the first gap");
    lines = SmallGame();
    At(lines, testing::kFirstFreeRow + 1) = "GAP,S2,S3,S4,S5, _";
    EXPECT_EQ(Refusal(lines),
              "ReelSetup.ini:19: free-spins reel 0: \"GAP\" at row 1 is not a symbol name and "
              "ends the reel: expected at least two positions before the first gap");
}

TEST(RefuseTest, AStripSectionBeforeTheSeed) {
    auto lines = SmallGame();
    lines.insert(lines.begin(), "REEL STRIP");
    EXPECT_EQ(Refusal(lines),
              "ReelSetup.ini:1: a \"REEL STRIP\" line before the seed line: expected the strip "
              "section only after \"RNG DESCRIPTION\" and the seed");
}

}  // namespace
}  // namespace kragmoor
