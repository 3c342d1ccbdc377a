// The par sheet as CSV text for a spreadsheet (RFC 4180, CR LF line ends, '.' decimals):
//   symbol,count,pay,hits_per_game,one_in_games,rtp_share_percent,odds_flag,
//   windows_one_line,windows_all_lines,full_cycle
// one row per paying combination of ExactAnalysis::combinations, then the totals: the lines,
// the scatters, and the game ("Total": hits_per_game is then the hit frequency, the share the
// RTP). Pays are credits of a 20-credit game (the feature's its expected win).
//
// The counts are whole numbers of the full cycle (every stop combination of the base strips
// once, on every row): the windows in which one line shows a line result and the (window, line)
// pairs over all 20 lines; the windows, in both, for the scatters and the feature; for the
// totals, the sum of the rows above (the winning windows for "Total") and no one-line count. So
// every row's one_in_games is full_cycle / windows_all_lines, written as that exact decimal to two
// decimals, and every share of a whole pay is windows_all_lines x pay x 100 / (full_cycle x 20),
// an exact decimal to ten decimals. The other numbers (the feature's share and pay, the hits and
// the game's total share) are written with the fewest digits that read back as the same double,
// "inf" when infinite. A name that a spreadsheet would read as a formula (= + - @ first) is led
// by an apostrophe.
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
