// Plays the games a command line asks for (--games N with N > 0) on an open session, then
// saves the report, closes the logs and prints the results. Returns the process's exit status:
// 1 when a file could not be written (the run stops at the first such failure).
#pragma once

#include "cli/options.h"
#include "cli/runner.h"
#include "engine/chunks/part_merge.h"
#include "engine/play/session.h"

namespace kragmoor::cli {

// Opens the session of the run's folder: false, with the reader's message as it stands on
// standard error ("ReelSetup.ini:112: paytable row of symbol 4: ..."), when it cannot be opened.
bool OpenOrTell(const Options& options, Session& session, const Streams& streams);

int RunGames(const Options& options, Session& session, const Streams& streams);

// The merge of the part files `parts` (checked) on an open session: the files and the summary
// the run on threads would have given. 1 when a part file cannot be read after all or a file
// cannot be written.
int RunMergedParts(const Options& options, Session& session, const PartSet& parts,
                   const Streams& streams);

}  // namespace kragmoor::cli
