// The par sheet as CSV text for a spreadsheet (RFC 4180, CR LF line ends, '.' decimals), two
// blocks. The base game's:
//   symbol,count,pay,hits_per_game,one_in_games,rtp_share_percent,odds_flag,
//   windows_one_line,windows_all_lines,full_cycle
// one row per paying combination of ExactAnalysis::combinations, then the totals: the lines,
// the scatters, and the game ("Total": hits_per_game is then the hit frequency, the share the
// RTP). Pays are credits of a 20-credit game (the feature's its expected win). After an empty
// line, one free spin's, its columns meaning the same of a free spin and its cycle:
//   symbol,count,pay,hits_per_free_spin,one_in_free_spins,rtp_share_percent,odds_flag,
//   windows_one_line,windows_all_lines,free_spins_cycle
// one row per combination of ExactAnalysis::free_spins (pays times the free spins' multiplier,
// a retrigger none: its spins are in its name), then the same totals ("Total": the hit
// frequency of a free spin and the free spins' whole share, which is the feature's).
//
// The counts are whole numbers of the table's cycle (every stop combination of its strips once,
// on every row): the windows in which one line shows a line result and the (window, line)
// pairs over all 20 lines; the windows, in both, for the scatters, the feature and the
// retrigger; for the totals, the sum of the rows above (the winning windows for "Total") and no
// one-line count. So every row's one_in is cycle / windows_all_lines, written as that exact
// decimal to two decimals, and every share of a whole pay is an exact decimal to ten decimals
// (par_sheet_text.h, TableBasis): windows_all_lines x pay x 100 / (full_cycle x 20) in the base
// game's block; in the free spins', the same per free spin times the free spins a paid game
// brings, so that the rows of both blocks add up to the RTP, the free spins' to the feature's
// share. The other numbers (the feature's share and pay, the hits, the game's total share, any
// share of endless free spins) are written with the fewest digits that read back as the same
// double, "inf" when infinite. A name that a spreadsheet would read as a formula (= + - @
// first) is led by an apostrophe.
#pragma once

#include <string>

#include "engine/analysis/exact_analysis.h"
#include "model/game_model.h"

namespace kragmoor {

// How a combination is named: the symbol's name, "<name> with <wild>" for a wild-doubled run,
// "<wild> jackpot", "<scatter> on a line" for a line that starts with a scatter, "<scatter>"
// for the scatters, "Free spins feature" and "Retrigger (<spins> spins)".
std::string CombinationLabel(const GameDefinition& def, const Combination& combination);

// The odds rules a combination breaks, "" when none, "; " between two.
std::string OddsFlagText(unsigned odds_flags);

std::string ParSheetCsv(const GameDefinition& def, const ExactAnalysis& analysis);

}  // namespace kragmoor
