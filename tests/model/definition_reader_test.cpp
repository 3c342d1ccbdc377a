// Reading game definitions: the format's rules and quirks, and every kind of file that is
// refused, with the message the user sees (the reference game: see the description report).
#include "model/definition_reader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string_view>
#include <tuple>

#include "definition_files.h"

namespace kragmoor {
namespace {

using namespace test;  // the small game's lines, read and refused
using Ints = std::vector<int>;

template <std::size_t N>
Ints Row(const std::int16_t (&values)[N]) {
    return Ints(std::begin(values), std::end(values));
}

// Everything a file may do differently from the reference layout, in one file, read alike with
// lines ended by CR LF or by LF (the last line may lack its end; a byte order mark and an
// end-of-file mark are dropped).
TEST(ReadFormatTest, PaddingCommasNamesPaysFullSectionsAndLooseLines) {
    auto lines = SmallGameLines();
    At(lines, kVersionLine) = "  Version:    1.2 beta   ";
    At(lines, kSeedLine) = "SEED = -1";  // resolved from the clock only when a session starts
    At(lines, kRtpLine) = " Game RTP: 95.5 %";  // read as 95 and "5 " hundredths
    // Padding and doubled commas are one separator; anything may follow the fifth field.
    At(lines, kFirstBaseRow) = "S0,   S1,,,S2, ,, S3,S4,,,, trailing text";
    At(lines, kFirstBaseRow + 1) = "S5,S6,7s,S8,Abcdefghijk, _";
    // A name that begins with digits fills column 0; an 11-character name needs no blank.
    At(lines, kFirstPayRow + 7) = " 7s,        0,0,5,50,500, _";
    At(lines, kFirstPayRow + 9) = "Abcdefghijk,0,0,1,2,3, _";
    // Pays round to 16 bits with halves to even and read their leading number.
    At(lines, kFirstPayRow + 4) = " S4,        1.5,2.5,3.5abc,x,-7, _";
    At(lines, kWinLinesLine) = "=====================";  // a rule line ends the free-spins rows
    // Sections of 101 rows, the most there can be: 98 more before the last row of each.
    const std::vector<std::string> rows(98, "S1,S2,S3,S4,S5, _");
    lines.insert(lines.begin() + kWinLinesLine - 2, rows.begin(), rows.end());
    lines.insert(lines.begin() + kFreeSpinsLine - 2, rows.begin(), rows.end());
    lines.insert(lines.begin() + kRngLine - 1, "a note before the seed");
    lines.erase(lines.begin(), lines.begin() + 2);  // the version line first, after any mark
    std::string lf = Join(lines, "\n");
    lf.pop_back();
    for (const std::string& text : {Join(lines), "\xEF\xBB\xBF" + lf + "\x1A"}) {
        const GameDefinition def = Read(text);
        EXPECT_EQ(
            std::tuple(def.GameVersion, def.Seed, def.GameRTP, def.SymbolName[7], def.SymbolName[9],
                       def.ReelMaxIndex, def.ReelLen[4], def.FsReelMaxIndex),
            std::tuple("1.2 beta", -1, 95.0f + 5.0f / 100.0f, "7s", "Abcdefghijk", 100, 100, 100));
        EXPECT_EQ(Row(def.ReelStrip[0]), (Ints{0, 1, 2, 3, 4}));
        EXPECT_EQ(Row(def.ReelStrip[1]), (Ints{5, 6, 7, 8, 9}));
        EXPECT_EQ(Row(def.PayTable[7]), (Ints{7, 0, 0, 5, 50, 500}));
        EXPECT_EQ(Row(def.PayTable[4]), (Ints{0, 2, 2, 4, 0, -7}));
        EXPECT_EQ(Row(def.FsReelStrip[100]), (Ints{12, 12, 12, 12, 12}));
    }
}

TEST(ReadFormatTest, AFieldThatIsNoNameEndsItsReel) {
    auto lines = SmallGameLines();
    lines.insert(lines.begin() + kFirstBaseRow + 2, "S3,S3,S3,S3,S3, _");
    // Row 2: reel 1 ends at "GAP", reel 3 at a misspelt name; row 3 holds names again.
    At(lines, kFirstBaseRow + 2) = "S10,GAP,Scatter,s0,S1, _";
    const GameDefinition def = Read(Join(lines));
    EXPECT_EQ(def.ReelMaxIndex, 3);
    EXPECT_EQ(Row(def.ReelLen), (Ints{3, 1, 3, 1, 3}));
    EXPECT_EQ(Row(def.ReelStrip[2]), (Ints{10, kGap, 12, kGap, 1}));  // "s0" is not "S0"
    EXPECT_EQ(def.ReelStrip[3][1], 3);                                // still stored after a gap
}

// The fifth reel the short one in both sections: the gaps on its last rows end it, so that its
// last position is the last symbol before them and no gap is ever played.
TEST(ReadFormatTest, GapsAtTheEndOfTheFifthReelEndIt) {
    auto lines = SmallGameLines();
    const std::vector<std::string> rows = {"S6,S7,S8,S9,GAP, _", "S1,S2,S3,S4,GAP, _"};
    lines.insert(lines.begin() + kFirstFreeRow + 2, rows.begin(), rows.end());
    lines.insert(lines.begin() + kFirstBaseRow + 2, rows.begin(), rows.end());
    const GameDefinition def = Read(Join(lines));
    EXPECT_EQ(std::pair(def.ReelMaxIndex, def.FsReelMaxIndex),
              (std::pair<std::int16_t, std::int16_t>{4, 4}));
    EXPECT_EQ(Row(def.ReelLen), (Ints{4, 4, 4, 4, 2}));
    EXPECT_EQ(Row(def.FsReelLen), (Ints{4, 4, 4, 4, 2}));
    // Positions 0..2 are played; the gaps lie past the last position.
    const auto fifth = [](const ReelStrips& strip) {
        Ints column;
        for (int p = 0; p <= 4; ++p) column.push_back(strip[p][4]);
        return column;
    };
    EXPECT_EQ(fifth(def.ReelStrip), (Ints{4, 9, 1, kGap, kGap}));
    EXPECT_EQ(fifth(def.FsReelStrip), (Ints{11, 5, 12, kGap, kGap}));
}

// Each refusal as "line: what was expected" (line 0: the file as a whole), up to the words that
// tell it from the others.
TEST(RefuseTest, EveryBadInputWithItsMessage) {
    const std::string rtp = "4: RTP line: expected the whole percent (0 to 99) and its separator";
    const std::string seed = "12: seed line: expected \"SEED = \" followed by a whole number";
    const std::string pay = " is outside -32768..32767: expected a 16-bit pay";
    const std::string name_field =
        "28: paytable row of symbol 5: expected the symbol name and its comma within the first 12 "
        "characters";
    std::string nul = Join(SmallGameLines());
    nul[nul.find("Version")] = '\0';

    std::vector<std::pair<std::string, std::string>> cases = {
        // Files that are no text definition.
        {"", "0: the file is empty: expected a game definition"},
        {"\r\n  \n", "0: the file is empty: expected a game definition"},
        {nul, "3: a NUL byte: expected a text file"},
        {"  Version: 1\r\n Game RTP: 9\r5,00 %\r\n", "2: control character 0x0D: expected a text"},
        // Headers and sections that never come or come too early.
        {Edited(kVersionLine, {"Version: small 2"}), "0: expected the version line"},
        {Edited(kRtpLine, {}, kToTheEnd), "3: expected the \" Game RTP: \" line after the version"},
        {Edited(kRngLine, {"RNG Description "}),
         "0: expected a line \"RNG DESCRIPTION\" after line 4, reached the end of the file (line "
         "11 reads \"RNG Description \": section headers must be written exactly)"},
        {Edited(1, {"REEL STRIP"}, 0), "1: a \"REEL STRIP\" line before the seed line: expected"},
        {Edited(kFirstFreeRow + 2, {}, kToTheEnd),
         "17: FREE SPINS REEL STRIP section: expected at most 101 strip rows ended by"},
        {Edited(kFirstPayRow + 12, {}), "34: paytable row of symbol 12: expected 13 paytable rows"},
        // Strip sections empty, too short or ended by a rule.
        {Edited(kFirstBaseRow, {}, 3), "13: REEL STRIP section: expected strip rows, found none"},
        {Edited(kFirstFreeRow + 1, {}, 2),
         "17: FREE SPINS REEL STRIP section: expected at least two strip rows"},
        {Edited(kFreeSpinsLine, {"=========="}, 0),
         "17: REEL STRIP section: a line beginning with \"=====\" ends the strip rows"},
        {Edited(kFirstBaseRow, std::vector<std::string>(99, "S1,S2,S3,S4,S5, _"), 0),
         "115: REEL STRIP section: expected \"FREE SPINS REEL STRIP\" after at most 101 strip"},
        // Rows without their commas.
        {Edited(kFirstBaseRow + 1, {"S5,S6,S7,S8,S9 _"}),
         "15: base-game strip row 1: expected 5 fields each ended by a comma"},
        {Edited(kFirstPayRow + 4, {" S4,        0,0,8,25,75"}),
         "27: paytable row of symbol 4: expected 6 fields each ended by a comma"},
        // Pays outside 16 bits once rounded (halves to even), the name field's value included.
        {Edited(kFirstPayRow + 2, {" S2,        0,0,6,32767.5,50, _"}),
         "25: paytable row of symbol 2: the pay for 4 (\"32767.5\")" + pay},
        {Edited(kFirstPayRow + 2, {" S2,        0,0,6,1e400,50, _"}),
         "25: paytable row of symbol 2: the pay for 4 (\"1e400\")" + pay},
        {Edited(kFirstPayRow + 10, {" 99999,     0,0,6,20,50, _"}),
         "33: paytable row of symbol 10: the name \" 99999\" read as a number" + pay},
        {Edited(kFirstPayRow + 2, {" S2,        0,0,6,-32768.5,32767.4, _"}), "accepted"},
        // Symbol names: blank, misplaced, doubled or the gap's.
        {Edited(kFirstPayRow + 5, {" ,          0,0,8,25,75, _"}),
         "28: paytable row of symbol 5: expected a symbol name, found none"},
        {Edited(kFirstPayRow + 5, {" Abcdefghijk,0,0,8,25,75, _"}), name_field},
        {Edited(kFirstPayRow + 5, {"S5,0,0,8,25,75, _"}), name_field},
        {Edited(kFirstPayRow + 9, {" S3,        0,0,8,25,75, _"}),
         "32: paytable row of symbol 9: the name \"S3\" is already the name of symbol 3"},
        {Edited(kFirstPayRow + 9, {" GAP,       0,0,8,25,75, _"}),
         "32: paytable row of symbol 9: the name \"GAP\" marks gaps in the strip rows"},
        // Reels left with fewer than two positions.
        {Edited(kFirstBaseRow, {"S0,S1,S2,Sx,S4, _"}),
         "14: base-game reel 3: \"Sx\" at row 0 is not a symbol name and ends the reel"},
        {Edited(kFirstFreeRow + 1, {"GAP,S2,S3,S4,S5, _"}),
         "19: free-spins reel 0: \"GAP\" at row 1 is not a symbol name and ends the reel"},
        // A name repeated on the very next row, at the first pair of rows, within and at the last.
        {Edited(kFirstPayRow + 1, {" S0,        0,0,1,10,100, _"}),
         "24: paytable row of symbol 1: the name \"S0\" is already the name of symbol 0: expected "
         "13 different names"},
        {Edited(kFirstPayRow + 6, {" S5,        0,0,6,60,600, _"}),
         "29: paytable row of symbol 6: the name \"S5\" is already the name of symbol 5"},
        {Edited(kFirstPayRow + 12, {" Wild,      0,1,4,20,100, _"}),
         "35: paytable row of symbol 12: the name \"Wild\" is already the name of symbol 11"}};
    // The header must be one the report can write back.
    for (const char* line :
         {" Game RTP: ab,cd %", " Game RTP: 96,", " Game RTP: 100,00 %", " Game RTP: 9.5,00 %",
          " Game RTP: -5,00 %", " Game RTP: 95,.5 %", " Game RTP:"}) {
        cases.push_back({Edited(kRtpLine, {line}), rtp});
    }
    for (const char* line : {"SEED = 12x", "SEED = 2147483648", "SEED = 1.5", "SEED=5",
                             "SEED = ", "SEED = --1", "SEED = +-1"}) {
        cases.push_back({Edited(kSeedLine, {line}), seed});
    }
    for (const char* line : {"SEED =  -2147483648 ", "SEED = +12", "SEED = 0"}) {
        cases.push_back({Edited(kSeedLine, {line}), "accepted"});
    }
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const std::string refusal = Refusal(cases[i].first);
        EXPECT_TRUE(refusal.starts_with(cases[i].second)) << "case " << i << ": " << refusal;
    }
}

// Files refused as a whole, before any line is read: the message names the file. The small game
// whose last line is padded to exactly 16 MiB is read; one byte more is not.
TEST(RefuseTest, FilesThatCannotHoldADefinition) {
    const TempDir dir;
    const std::filesystem::path file = dir / "ReelSetup.ini";
    const std::string name = file.string();
    EXPECT_EQ(Refusal(file), name + ": no such file: expected the game definition here");
    std::string game = Join(SmallGameLines());
    game.resize(16 * 1024 * 1024, 'x');
    EXPECT_EQ(Refusal(game), "accepted");
    EXPECT_EQ(Refusal(game + "x"), "0: larger than 16 MiB: expected a game definition");
    std::filesystem::create_directory(file);  // unreadable as a file, for every user
    EXPECT_EQ(Refusal(file), name + ": not a regular file: expected the game definition here");
}

}  // namespace
}  // namespace kragmoor
