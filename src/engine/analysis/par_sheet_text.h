// The par sheet as text, for every program that shows it: the runner's summary, the par sheet
// CSV and the par sheet window. Its figures (the RTP and its parts, how often a game wins and a
// feature comes, the spread of a game's win, the largest base-game win, the range a run's RTP
// stays within, the base game's win distribution and the designed RTP against the exact one) and
// the cells of its table of paying combinations, with the arithmetic behind them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "engine/analysis/exact_analysis.h"
#include "engine/analysis/exact_decimal.h"
#include "model/game_model.h"

namespace kragmoor {

// A figure with `decimals` decimals, "infinite" where retriggers never die out.
std::string FigureText(double value, int decimals);

// A count with its thousands apart: "1 099 511 627 776".
std::string GroupedWhole(std::uint64_t value);

// "<what> of <version> (designed RTP <header's>%), uniform random stops:" and a line end.
std::string ParSheetTitle(const GameDefinition& def, std::string_view what);

// The figures as rows of a label and its value, the label padded to `label_width`, then the
// range of a run's RTP and the base game's win distribution, each after a blank line. The runner
// shows two figures more than the window: the win of a free spin and the line bets a win event.
struct FigureLayout {
    std::size_t label_width = 0;
    bool free_spin_details = false;
};
std::string ParSheetFigures(const ExactAnalysis& a, const FigureLayout& layout);

// The designed RTP against the exact one, one line.
std::string DesignedRtpLine(const ExactAnalysis& a);

// The standard deviation of a feature's win in credits; infinite with its mean.
double FeatureWinSd(const FeatureLaw& feature);

// A combination's count as the par sheet writes it: the run length or scatters, "3+" for the
// feature and the retrigger of every count from 3.
std::string CombinationCount(const Combination& c);

// Credits: whole pays as they stand, an expected win with four decimals.
std::string CreditsText(double credits);

// What a table's counts are of and how the credits its combinations win over that cycle become
// shares of the RTP: credits x 100 x share_times / (20 x share_per) percent. The base game's
// table: its full cycle, times 1 per full cycle. The free spins' table: the free-spins cycle,
// times the spins the base cycle awards per base cycle x (free-spins cycle - the spins it adds),
// that is spins_per_game / cycle (FreeSpinTable); share_per is 0 when those spins are endless,
// and no share is then exact.
struct TableBasis {
    std::uint64_t cycle = 0;
    UInt128 share_times = 1;
    UInt128 share_per = 0;
};
TableBasis BaseTableBasis(const ExactAnalysis& a);
TableBasis FreeSpinTableBasis(const ExactAnalysis& a);

// The exact figures of a combination from its counts over its table's cycle. "1 in" games is
// cycle / windows_all_lines with two decimals; nothing when it never comes.
std::optional<std::string> ExactOneIn(std::uint64_t cycle, std::uint64_t windows);
// The credits a combination wins over its cycle, windows_all_lines x pay, where its pay is
// whole credits; nothing for the feature, whose expected win is not.
std::optional<UInt128> CycleCredits(const Combination& c);
// The free spins' total: the credits their combinations win over the free-spins cycle and their
// shares added up, the feature's share.
struct FreeSpinTotal {
    UInt128 credits = 0;
    double share_percent = 0;
};
FreeSpinTotal FreeSpinTotals(const FreeSpinTable& table);
// The share of the RTP that `credits` won over a table's cycle make, with `decimals` decimals;
// nothing when the table's spins are endless.
std::optional<std::string> ExactSharePercent(UInt128 credits, const TableBasis& table,
                                             int decimals);
// A combination's share with `decimals` decimals: exact where its pay is whole credits and the
// table's spins are not endless, otherwise the double rounded half away from zero; "never" when
// it is infinite.
std::string SharePercentText(const Combination& c, const TableBasis& table, int decimals);

// The cells of one row of the window's table of combinations. "1 in" and the share are exact
// decimals of the counts (exact_decimal.h) where the pay is whole; the other numbers round half
// away from zero on the exact value of the double (0.125 to two decimals is 0.13), as the window
// has always shown them. A combination that never comes reads "never" for "1 in", an infinite
// pay "inf".
struct CombinationCells {
    std::string label, count, pay, windows_one_line, windows_all_lines, hits_per_game, one_in_games,
        rtp_share_percent, odds_rules;
};
CombinationCells ParSheetCells(const GameDefinition& def, const Combination& c,
                               const TableBasis& table);

// `value` with `decimals` decimals, or with `decimals` after the first digit and an exponent of
// at least two digits ("1.250000e-05"), rounded half away from zero; "inf", "-inf" for
// infinities.
std::string FixedTiesAway(double value, int decimals);
std::string ExponentTiesAway(double value, int decimals);

}  // namespace kragmoor
