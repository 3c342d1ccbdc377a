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

GameDefinition Checked(const GameDefinition& def) {
    CheckPlayable(def);
    return def;
}

}  // namespace

void CheckPlayable(const GameDefinition& def) {
    CheckStrips(def.ReelStrip, def.ReelLen, "base-game");
    CheckStrips(def.FsReelStrip, def.FsReelLen, "free-spins");
    for (int line = 0; line < kLines; ++line) {
        for (int r = 0; r < kReels; ++r) {
            if (def.LineTable[line][r] != kLineRows[line][r]) {
                throw std::invalid_argument("the win lines are not the built-in ones");
            }
        }
    }
}

std::shared_ptr<const GameTables> GameTables::Build(const GameDefinition& def) {
    return std::make_shared<const GameTables>(def);
}

GameTables::GameTables(const GameDefinition& def)
    : definition(Checked(def)),
      codes(def.PayTable, def.Rules.WildMultiplier),
      base_columns(def.ReelStrip, def.ReelLen),
      free_columns(def.FsReelStrip, def.FsReelLen) {}

}  // namespace kragmoor
