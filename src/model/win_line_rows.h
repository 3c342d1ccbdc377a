// The win lines a game plays: the built-in ones, or the 20 rows of the definition's
// WIN LINE DESCRIPTION section when its rules say WIN LINES = DEFINITION.
#pragma once

#include "model/definition_lines.h"
#include "model/game_model.h"

namespace kragmoor {

// Fills def.LineTable as def.Rules asks. The definition's rows are the 20 lines after the
// "WIN LINE DESCRIPTION" header that follows the last free-spins row (line `last_free_row`),
// all before "PAYTABLE DESCRIPTION"; each holds five fields ended by commas, the row 0, 1 or 2
// of the line on each reel. Throws DefinitionError.
void FillLineTable(LineCursor& cursor, int last_free_row, GameDefinition& def);

}  // namespace kragmoor
