// The par sheet as CSV text for a spreadsheet (RFC 4180, CR LF line ends, '.' decimals):
//   symbol,count,pay,hits_per_game,one_in_games,rtp_share_percent,odds_flag
// one row per paying combination of ExactAnalysis::combinations, then the totals: the lines,
// the scatters, and the game ("Total": hits_per_game is then the hit frequency, the share the
// RTP). Pays are credits of a 20-credit game (the feature's its expected win); numbers are
// written with the fewest digits that read back as the same double, "inf" when infinite. A name
// that a spreadsheet would read as a formula (= + - @ first) is led by an apostrophe.
#pragma once

#include <string>

#include "engine/analysis/exact_analysis.h"
#include "model/game_model.h"

namespace kragmoor {

// How a combination is named: the symbol's name, "<name> with <wild>" for a wild-doubled run,
// "<wild> jackpot", "<scatter> on a line" for a line that starts with a scatter, "<scatter>"
// for the scatters and "Free spins feature".
std::string CombinationLabel(const GameDefinition& def, const Combination& combination);

// The odds rules a combination breaks, "" when none, "; " between two.
std::string OddsFlagText(unsigned odds_flags);

std::string ParSheetCsv(const GameDefinition& def, const ExactAnalysis& analysis);

}  // namespace kragmoor
