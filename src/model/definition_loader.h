// The second pass over a definition: the strip rows of both sections and the paytable, read
// with the symbol names and row counts of the first pass.
#pragma once

#include <string_view>

#include "model/definition_lines.h"
#include "model/game_model.h"

namespace kragmoor {

// Reads both strip sections and the paytable into `def`, whose SymbolName, ReelMaxIndex and
// FsReelMaxIndex are already set. `reel_strip_header_line` is the line where the first pass
// found the base-game section. Returns the line of the last free-spins row, after which the win
// lines are described; leaves `cursor` at the last paytable row. Throws DefinitionError.
int LoadStripsAndPaytable(LineCursor& cursor, int reel_strip_header_line, GameDefinition& def);

}  // namespace kragmoor
