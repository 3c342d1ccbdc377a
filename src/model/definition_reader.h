// Reads a game definition file (ReelSetup.ini, or a description report Temp1.txt, which has the
// same layout) into a GameDefinition: the start-up pass (version, designed RTP, seed, extent of
// the two strip sections, symbol names), the loader (strips, paytable), the GAME RULES section
// and the win lines.
//
// The whole file is read and checked before anything else happens, so that a definition that
// cannot be read is refused before any file is written or deleted.
#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>

#include "model/game_model.h"

namespace kragmoor {

// One refusal, whose what() names the file, the 1-based line where there is one (`line` 0 when
// the problem is the file as a whole: no line named) and what was expected there:
// "ReelSetup.ini:112: paytable row of symbol 4: expected 6 fields each ended by a comma".
class DefinitionError : public std::runtime_error {
  public:
    DefinitionError(const std::string& file, int line, const std::string& expected);
};

// Reads and checks the definition and fills every definition field, those the loader sets by
// itself included: CycleGames = 100000000 and ReportFileName = "Temp1.txt"; LineTable holds the
// built-in lines unless the GAME RULES section asks for the definition's own. The Seed is
// returned as written; a negative seed is resolved later, at start-up. Throws DefinitionError.
GameDefinition ReadDefinition(const std::filesystem::path& file);

}  // namespace kragmoor
