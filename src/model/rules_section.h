// The GAME RULES section a definition may have after its paytable: KEY = VALUE lines that set
// the game's rules, up to the end of the file or to a line beginning with "-----" (where a saved
// report's save block begins).
#pragma once

#include "model/definition_lines.h"
#include "model/game_model.h"

namespace kragmoor {

// Looks for the section after the 13th paytable row, where `cursor` stands, and reads it into
// def.Rules and def.HasRulesSection; keys it leaves out keep their rule. With the section, also
// refuses a pay that a wild's multiplier would take out of 16 bits. A definition without the
// section keeps every default and nothing new is refused, except a line that would be the
// section's header if it were written exactly. Throws DefinitionError.
void ReadRulesSection(LineCursor& cursor, GameDefinition& def);

}  // namespace kragmoor
