// The exact return of a game, computed from its strips and paytable instead of played: what an
// endless run with random stops converges on. Stops are uniform and independent per reel, so each
// line's five symbols are independent with the strips' symbol frequencies, and the scatter count
// is a sum of independent per-reel counts. A feature's free spins are independent too, so its
// expected win is the expected number of spins (its award, retriggers included) times the
// expected win of one spin.
#pragma once

#include <array>

#include "model/game_model.h"

namespace kragmoor {

struct ExactReturn {
    // Percentages of the total bet.
    double base_lines_percent = 0;    // line wins of base games
    double base_scatter_percent = 0;  // scatter wins of base games
    double feature_percent = 0;       // free-spin features
    double total_percent = 0;         // the return to player

    std::array<double, 6> base_scatter_odds{};  // P(0..5 scatters counted) in a base game
    double trigger_probability = 0;             // P(a feature) in a base game
    double retrigger_probability = 0;           // P(spins added) in a free spin
    double free_spins_per_feature = 0;          // infinite when retriggers never die out
    double free_spin_win = 0;                   // expected credits of one free spin, its
                                                // multiplier included
    double win_events_per_game = 0;             // paying lines (and lines of five wilds) and
                                                // scatter results of two or more
    double jackpot_lines_per_game = 0;          // lines of five wilds per base game
};

ExactReturn ComputeExactReturn(const GameDefinition& def);

}  // namespace kragmoor
