// The GAME RULES section of a definition: the rules it sets, the win lines it may take from the
// definition, and every line of it that is refused, with the message the user sees.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <tuple>
#include <vector>

#include "definition_files.h"

namespace kragmoor {
namespace {

using namespace test;  // the small game's lines, read and refused
using Spins = GameRules::SpinsByScatters;

// The small game with `section` after its paytable.
std::string WithSection(const std::vector<std::string>& section) {
    return Join(SmallGameLines()) + Join(section);
}

// The small game with `rows` after its win-line header and `section` after its paytable.
std::string WithLineRows(const std::vector<std::string>& rows,
                         const std::vector<std::string>& section) {
    auto lines = SmallGameLines();
    lines.insert(lines.end(), section.begin(), section.end());
    lines.insert(lines.begin() + kWinLinesLine, rows.begin(), rows.end());
    return Join(lines);
}

// The built-in lines in reverse order, written in turn as the report writes them, tight with
// nothing after the fifth comma, and with blanks around the digits, a doubled comma and text
// after the fifth.
std::vector<std::string> ReversedLineRows() {
    const char* const forms[] = {"%d,  %d,  %d,  %d,  %d,   _ Line%d", "%d,%d,%d,%d,%d,",
                                 " %d ,%d,,%d , %d,%d, 7, 8, 9"};
    std::vector<std::string> rows;
    for (int line = 0; line < kLines; ++line) {
        const auto& r = kLineRows[kLines - 1 - line];
        char row[64];
        std::snprintf(row, sizeof row, forms[line % 3], r[0], r[1], r[2], r[3], r[4], line + 1);
        rows.push_back(row);
    }
    return rows;
}

TEST(ReadRulesTest, KeysInAnyOrderWithLooseBlanksListsAndBlankLines) {
    const GameRules defaults;
    const std::vector<std::pair<std::vector<std::string>, GameRules>> cases = {
        // Lines before the header and after a save block's dashes are no part of the section.
        {{"a note the reader passes over", "GAME RULES", "  RETRIGGER=4,6 ,  10  ", "", " \t ",
          "FREE SPINS MULTIPLIER =2", "WILD MULTIPLIER= 3", "FREE SPINS = 8,12,20",
          "WIN LINES =   BUILT IN", "------ save block", "WILD MULTIPLIER = 99", "Game Rules"},
         {3, Spins{0, 0, 0, 8, 12, 20}, Spins{0, 0, 0, 4, 6, 10}, 2, false}},
        // One value stands for 3, 4 and 5 scatters; keys left out keep the game's own rule.
        {{"GAME RULES", "FREE SPINS = 7", "RETRIGGER = 0"},
         {2, Spins{0, 0, 0, 7, 7, 7}, Spins{0, 0, 0, 0, 0, 0}, 4, false}},
        {{"GAME RULES", "WILD MULTIPLIER = 1", "FREE SPINS = 0, 0, 1000",
          "FREE SPINS MULTIPLIER = 100"},
         {1, Spins{0, 0, 0, 0, 0, 1000}, defaults.Retrigger, 100, false}},
        {{"GAME RULES"}, defaults},
    };
    for (const auto& [section, rules] : cases) {
        SCOPED_TRACE(section.back());
        const GameDefinition def = Read(WithSection(section));
        EXPECT_TRUE(def.HasRulesSection);
        EXPECT_EQ(def.Rules, rules);
        EXPECT_EQ(std::memcmp(def.LineTable, kLineRows, sizeof kLineRows), 0);
    }
}

// The rows may follow the header directly or a "=====" line that ended the free-spins rows, and
// lines after the 20th row up to the paytable are passed over as before.
TEST(ReadRulesTest, WinLinesFromTheDefinitionAreItsRowsInTheirOrder) {
    auto rows = ReversedLineRows();
    rows.push_back("a note after the rows");
    const std::vector<std::string> section = {"GAME RULES", "WIN LINES = DEFINITION"};
    auto ruled = SmallGameLines();
    At(ruled, kWinLinesLine) = "=======";
    ruled.insert(ruled.begin() + kWinLinesLine, {"a note", "WIN LINE DESCRIPTION"});
    ruled.insert(ruled.begin() + kWinLinesLine + 2, rows.begin(), rows.end());
    ruled.insert(ruled.end(), section.begin(), section.end());
    for (const std::string& text : {WithLineRows(rows, section), Join(ruled)}) {
        const GameDefinition def = Read(text);
        EXPECT_TRUE(def.Rules.LinesFromDefinition);
        for (int line = 0; line < kLines; ++line) {
            EXPECT_EQ(
                std::memcmp(def.LineTable[line], kLineRows[kLines - 1 - line], sizeof kLineRows[0]),
                0)
                << "line " << line + 1;
        }
    }
    // Built in, the rows are not read: none is refused.
    rows.at(4) = "3,3,3,3,3,";
    EXPECT_EQ(std::memcmp(Read(WithLineRows(rows, {"GAME RULES"})).LineTable, kLineRows,
                          sizeof kLineRows),
              0);
}

// Each refusal as "line: what was expected", up to the words that tell it from the others. The
// small game's section starts at line 36; its paytable row of symbol s is line 23 + s.
TEST(RefuseRulesTest, EveryBadSectionWithItsMessage) {
    const std::string section = "GAME RULES section: ";
    const std::string keys =
        "expected one of WILD MULTIPLIER, FREE SPINS, FREE SPINS MULTIPLIER, RETRIGGER, WIN LINES";
    const std::string spins =
        "expected one whole number from 0 to 1000, or three separated by commas (for 3, 4 and 5 "
        "scatters)";
    const std::string near =
        " would be the header \"GAME RULES\": section headers must be "
        "written exactly";
    const std::string wild_pay =
        " is outside -32768..32767: expected pays that stay 16-bit when a wild multiplies them";
    const std::string rows_expected =
        "expected the 20 rows of \"WIN LINE DESCRIPTION\" before \"PAYTABLE DESCRIPTION\"";
    const auto rows_with = [](int line, const std::string& row) {
        auto rows = ReversedLineRows();
        rows.at(static_cast<std::size_t>(line)) = row;
        return rows;
    };
    const std::vector<std::string> by_definition = {"GAME RULES", "WIN LINES = DEFINITION"};
    std::vector<std::pair<std::string, std::string>> cases = {
        // The header written otherwise, before the save block only.
        {WithSection({"Game Rules", "WILD MULTIPLIER = 3"}), "36: \"Game Rules\"" + near},
        {WithSection({"note", " GAME  RULES"}), "37: \" GAME  RULES\"" + near},
        {WithSection({"-----", "Game Rules"}), "accepted"},
        // Lines that are no KEY = VALUE, keys unknown or doubled.
        {WithSection({"GAME RULES", "WILD MULTIPLIER 3"}),
         "37: " + section + "\"WILD MULTIPLIER 3\": expected KEY = VALUE or a blank line"},
        {WithSection({"GAME RULES", "FREE GAMES = 10"}),
         "37: " + section + "unknown key \"FREE GAMES\": " + keys},
        {WithSection({"GAME RULES", "wild multiplier = 3"}),
         "37: " + section + "unknown key \"wild multiplier\""},
        {WithSection({"GAME RULES", "FREE SPINS = 10", "", "FREE SPINS = 12"}),
         "39: " + section + "FREE SPINS is already set on line 37: expected each key at most once"},
        {WithSection({"GAME RULES", "GAME RULES"}), "37: " + section + "\"GAME RULES\": expected"},
        // The values of the keys.
        {WithSection({"GAME RULES", "FREE SPINS = 10, 10"}),
         "37: " + section + "FREE SPINS = \"10, 10\": " + spins},
        {WithSection({"GAME RULES", "WIN LINES = built in"}),
         "37: " + section + "WIN LINES = \"built in\": expected BUILT IN or DEFINITION"},
        // The win-line rows WIN LINES = DEFINITION asks for.
        {WithSection(by_definition), "22: win line 1: " + rows_expected},
        {WithLineRows(std::vector<std::string>(19, "1,1,1,1,1,"), by_definition),
         "41: win line 20: " + rows_expected},
        {WithLineRows(rows_with(6, "0,1,3,1,0,"), by_definition),
         "28: win line 7: the field for reel 2 (\"3\") is not a row: expected 0, 1 or 2"},
        {WithLineRows(rows_with(19, "0, 1, 0, 1, 0"), by_definition),
         "41: win line 20: expected 5 fields each ended by a comma"},
        {Edited(kWinLinesLine, {"====="}) + Join(by_definition), "22: " + rows_expected},
    };
    // Whole numbers within each key's range.
    const std::vector<std::tuple<const char*, std::vector<std::string>, std::string>> values = {
        {"WILD MULTIPLIER",
         {"0", "11", "2.5", "x", "", "+3", "3 3"},
         "expected a whole number from 1 to 10"},
        {"FREE SPINS MULTIPLIER", {"0", "101", "4x"}, "expected a whole number from 1 to 100"},
        {"FREE SPINS", {"1001", "-1", "10,10,10,10", "10,,10", "10, 10, 10,", "ten"}, spins},
        {"RETRIGGER", {"1, 2, x", "99999999999"}, spins}};
    for (const auto& [key, bad, expected] : values) {
        for (const std::string& value : bad) {
            cases.push_back({WithSection({"GAME RULES", std::string(key) + " = " + value}),
                             "37: " + section + key + " = \"" + value + "\": " + expected});
        }
    }
    // A pay a wild multiplies must stay 16-bit, only when the section is there; the wild's and
    // the scatter's own pays and the pays for one symbol are never multiplied.
    const auto pays = [](int symbol, const std::string& row, const std::vector<std::string>& s) {
        auto lines = SmallGameLines();
        At(lines, kFirstPayRow + symbol) = row;
        lines.insert(lines.end(), s.begin(), s.end());
        return Join(lines);
    };
    const std::vector<std::string> wild10 = {"GAME RULES", "WILD MULTIPLIER = 10"};
    cases.insert(
        cases.end(),
        {{pays(10, " S10,       0,0,10,100,3277, _", wild10),
          "33: paytable row of symbol 10: the pay for 5 (3277) times the wild multiplier 10" +
              wild_pay},
         {pays(10, " S10,       0,0,10,100,3276, _", wild10), "accepted"},
         {pays(0, " S0,        0,16384,0,0,0, _", {"GAME RULES"}),
          "23: paytable row of symbol 0: the pay for 2 (16384) times the wild multiplier 2" +
              wild_pay},
         {pays(0, " S0,        0,0,0,-16385,0, _", {"GAME RULES"}),
          "23: paytable row of symbol 0: the pay for 4 (-16385)"},
         {pays(0, " S0,        0,16383,0,-16384,0, _", {"GAME RULES"}), "accepted"},
         {pays(0, " S0,        0,16384,0,-16385,0, _", {}), "accepted"},
         {pays(0, " S0,        30000,0,0,0,0, _", wild10), "accepted"},
         {pays(11, " Wild,      0,10,50,500,30000, _", wild10), "accepted"},
         {pays(12, " Scatter,   0,1,4,20,30000, _", wild10), "accepted"}});
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const std::string refusal = Refusal(cases[i].first);
        EXPECT_TRUE(refusal.starts_with(cases[i].second)) << "case " << i << ": " << refusal;
    }
}

}  // namespace
}  // namespace kragmoor
