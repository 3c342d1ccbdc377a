// The save: the totals and the hit table appended to the report file, and the loss-streak table
// rewritten in place in empty.txt. Both are written from a run state and a hit table, so that a
// state merged from several engines can be saved as one.
#pragma once

#include <filesystem>
#include <functional>
#include <string>

#include "engine/records/hit_table.h"
#include "model/game_model.h"

namespace kragmoor {

// Appends to `report`, created when missing: an empty line, 60 hyphens, the games, total win,
// total bet and RTP, an empty line, then the hit table as saved (HitTable::AppendSaved); CR LF
// line ends. False when it could not be written, with `*message` naming the file and the
// system's reason ("Cannot append to Temp1.txt: ...").
bool AppendSaveReport(const std::filesystem::path& report, const RunState& state,
                      const HitTable& hits, std::string* message);

// Writes the 50 records of 25 bytes of the loss-streak table into `file` in place (created when
// missing; a longer older file keeps its bytes after record 50): the streak length in 4
// characters, its count in 10 and its share of the games ("0.0000%") in 9, then CR LF. False when
// it could not be written, with `*message` ("Cannot write empty.txt: ...").
bool WriteLossStreakTable(const std::filesystem::path& file, const RunState& state,
                          std::string* message);

// The files of a save, in `dir`: the totals and `hits` appended to the report (the definition's
// ReportFileName), empty.txt rewritten. A file that could not be written is told to `failed`, by
// its name and the system's reason, before the next is written. False when one could not be.
bool WriteSaveFiles(const std::filesystem::path& dir, const GameDefinition& def,
                    const RunState& state, const HitTable& hits,
                    const std::function<void(const std::string&)>& failed);

}  // namespace kragmoor
