#include "engine/rules/game_tables.h"

#include <stdexcept>
#include <string>

namespace kragmoor {

namespace {

void CheckStrips(const ReelStrips& strip, const ReelLengths& last, const char* what) {
    for (int r = 0; r < kReels; ++r) {
        const std::string reel = std::string(what) + " reel " + std::to_string(r + 1);
        if (last[r] < 1 || last[r] >= kMaxPositions) {
            throw std::invalid_argument(reel + ": needs 2 to 101 positions");
        }
        for (int p = 0; p <= last[r]; ++p) {
            if (strip[p][r] < 0 || strip[p][r] > kScatter) {
                throw std::invalid_argument(reel + ": position " + std::to_string(p) +
                                            " holds no symbol");
            }
        }
    }
}

void CheckRules(const GameRules& rules) {
    const auto spins_in_range = [](const GameRules::SpinsByScatters& spins) {
        for (std::size_t n = 0; n < spins.size(); ++n) {
            const bool counts = n >= static_cast<std::size_t>(kTriggerScatters);
            if (spins[n] < 0 || spins[n] > (counts ? kMaxSpinsPerAward : 0)) return false;
        }
        return true;
    };
    if (rules.WildMultiplier < 1 || rules.WildMultiplier > kMaxWildMultiplier ||
        rules.FreeSpinMultiplier < 1 || rules.FreeSpinMultiplier > kMaxFreeSpinMultiplier ||
        !spins_in_range(rules.FreeSpins) || !spins_in_range(rules.Retrigger)) {
        throw std::invalid_argument("the game rules are out of range");
    }
}

}  // namespace

void CheckPlayable(const GameDefinition& def) {
    CheckStrips(def.ReelStrip, def.ReelLen, "base-game");
    CheckStrips(def.FsReelStrip, def.FsReelLen, "free-spins");
    for (int line = 0; line < kLines; ++line) {
        for (int r = 0; r < kReels; ++r) {
            if (def.LineTable[line][r] < 0 || def.LineTable[line][r] >= kRows) {
                throw std::invalid_argument("win line " + std::to_string(line + 1) +
                                            ": a row outside 0..2");
            }
        }
    }
    CheckRules(def.Rules);
}

namespace {

GameDefinition Checked(const GameDefinition& def) {
    CheckPlayable(def);
    return def;
}

bool BuiltInLines(const LineRows& lines) {
    for (int line = 0; line < kLines; ++line) {
        for (int r = 0; r < kReels; ++r) {
            if (lines[line][r] != kLineRows[line][r]) return false;
        }
    }
    return true;
}

}  // namespace

std::shared_ptr<const GameTables> GameTables::Build(const GameDefinition& def) {
    return std::make_shared<const GameTables>(def);
}

GameTables::GameTables(const GameDefinition& def)
    : definition(Checked(def)),
      built_in_lines(BuiltInLines(def.LineTable)),
      codes(def.PayTable, def.Rules.WildMultiplier),
      base_columns(def.ReelStrip, def.ReelLen),
      free_columns(def.FsReelStrip, def.FsReelLen) {}

}  // namespace kragmoor
