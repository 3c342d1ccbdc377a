// The par sheet as text, for every program that shows it: the runner's summary, the par sheet
// CSV and the par sheet window. Its figures (the RTP and its parts, how often a game wins and a
// feature comes, the spread of a game's win, the largest base-game win, the range a run's RTP
// stays within, the base game's win distribution and the designed RTP against the exact one) and
// the cells of its table of paying combinations, with the arithmetic behind them.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "engine/analysis/exact_analysis.h"
#include "model/game_model.h"

namespace kragmoor {

// A figure with `decimals` decimals, "infinite" where retriggers never die out.
std::string FigureText(double value, int decimals);

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
// feature.
std::string CombinationCount(const Combination& c);

// Credits: whole pays as they stand, an expected win with four decimals.
std::string CreditsText(double credits);

// The cells of one row of the window's table of combinations. Its numbers round half away from
// zero on the exact value of the double (0.125 to two decimals is 0.13), as the window has
// always shown them; an infinite "1 in" or share reads "never", an infinite pay "inf".
struct CombinationCells {
    std::string label, count, pay, hits_per_game, one_in_games, rtp_share_percent, odds_rules;
};
CombinationCells ParSheetCells(const GameDefinition& def, const Combination& c);

// `value` with `decimals` decimals, or with `decimals` after the first digit and an exponent of
// at least two digits ("1.250000e-05"), rounded half away from zero; "inf", "-inf" for
// infinities.
std::string FixedTiesAway(double value, int decimals);
std::string ExponentTiesAway(double value, int decimals);

}  // namespace kragmoor
