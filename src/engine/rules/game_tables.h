// What the game rounds read and never change, built once when a game is loaded: the checked
// definition, the codes of all 13^5 lines and every reel stop's window. Building them costs
// milliseconds, so engines that play parts of one run share one set, read-only.
#pragma once

#include <memory>

#include "engine/rules/line_codes.h"
#include "model/game_model.h"

namespace kragmoor {

// Refuses, with a std::invalid_argument naming the problem, a definition the reader would not
// give: every reel 2 to 101 positions long and holding symbol codes 0..12 up to its last
// position, win lines on rows 0..2 and rules within their ranges.
void CheckPlayable(const GameDefinition& def);

struct GameTables {
    // Checks `def` (CheckPlayable) and builds its tables, to be shared.
    static std::shared_ptr<const GameTables> Build(const GameDefinition& def);
    explicit GameTables(const GameDefinition& def);  // checks `def` too

    GameDefinition definition;
    bool built_in_lines;  // the definition plays the built-in win lines
    LineCodeTable codes;
    StripColumns base_columns;
    StripColumns free_columns;
};

}  // namespace kragmoor
