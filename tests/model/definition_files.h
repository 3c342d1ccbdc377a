// The small game read from a file of its own as the program reads ReelSetup.ini: read into a
// definition, or refused with a message; and two definitions compared field by field.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <ostream>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "definition_text.h"
#include "model/definition_reader.h"

namespace kragmoor {

// Rules as a failed comparison shows them.
inline void PrintTo(const GameRules& r, std::ostream* os) {
    const auto spins = [](const GameRules::SpinsByScatters& s) {
        return std::to_string(s[3]) + "/" + std::to_string(s[4]) + "/" + std::to_string(s[5]);
    };
    *os << "{wild x" << r.WildMultiplier << ", free spins " << spins(r.FreeSpins) << " x"
        << r.FreeSpinMultiplier << ", retrigger " << spins(r.Retrigger)
        << (r.LinesFromDefinition ? ", lines of the definition}" : ", built-in lines}");
}

namespace test {

// The small game as a file, with `count` lines from line `first` on replaced by `with`.
constexpr int kToTheEnd = 99;
inline std::string Edited(int first, const std::vector<std::string>& with, int count = 1) {
    auto lines = SmallGameLines();
    const auto at = lines.begin() + first - 1;
    const auto end = at + std::min<std::ptrdiff_t>(count, lines.end() - at);
    lines.insert(lines.erase(at, end), with.begin(), with.end());
    return Join(lines);
}

// `content` read as the file ReelSetup.ini of a directory of its own.
inline GameDefinition Read(const std::string& content) {
    const TempDir dir;
    WriteFile(dir / "ReelSetup.ini", content);
    return ReadDefinition(dir / "ReelSetup.ini");
}

// The message of the refusal to read `file`, or "accepted".
inline std::string Refusal(const std::filesystem::path& file) {
    try {
        ReadDefinition(file);
    } catch (const DefinitionError& e) {
        return e.what();
    }
    return "accepted";
}

// The line and what was expected there ("12: what"; 0 for the file as a whole), or "accepted".
inline std::string Refusal(const std::string& content) {
    const TempDir dir;
    WriteFile(dir / "ReelSetup.ini", content);
    const std::string message = Refusal(dir / "ReelSetup.ini"),
                      name = (dir / "ReelSetup.ini").string();
    if (!message.starts_with(name)) return message;
    const std::string_view after = std::string_view(message).substr(name.size());
    return after.starts_with(": ") ? "0" + std::string(after) : std::string(after.substr(1));
}

// Every field a definition file sets (the loader sets CycleGames and ReportFileName itself).
inline void ExpectSameGame(const GameDefinition& a, const GameDefinition& b) {
    const auto Same = [](const auto& x, const auto& y) { return !std::memcmp(&x, &y, sizeof x); };
    EXPECT_EQ(
        std::tie(a.GameVersion, a.GameRTP, a.Seed, a.SymbolName, a.ReelMaxIndex, a.FsReelMaxIndex),
        std::tie(b.GameVersion, b.GameRTP, b.Seed, b.SymbolName, b.ReelMaxIndex, b.FsReelMaxIndex));
    EXPECT_TRUE(Same(a.ReelStrip, b.ReelStrip) && Same(a.ReelLen, b.ReelLen) &&
                Same(a.FsReelStrip, b.FsReelStrip) && Same(a.FsReelLen, b.FsReelLen) &&
                Same(a.PayTable, b.PayTable))
        << "strips or paytable";
    EXPECT_TRUE(Same(a.LineTable, b.LineTable)) << "win lines";
    EXPECT_EQ(std::tie(a.Rules, a.HasRulesSection), std::tie(b.Rules, b.HasRulesSection));
}

}  // namespace test
}  // namespace kragmoor
