// The exact law of the win of one window over every stop combination of a set of strips, with
// uniform independent stops. The 20 lines of a window share its cells, so their wins are not
// independent: the law is taken over whole windows, not line by line. The windows are walked
// reel by reel over the distinct columns of each reel (equal columns counted once, by their
// number of stops), following only the lines their first reels leave undecided; once every line
// is decided only the scatters of the remaining reels matter, and those are counted per reel.
// Every sum is kept in integers, so the figures are exact up to the final division.
#pragma once

#include <array>
#include <cstdint>
#include <functional>

#include "engine/analysis/line_automaton.h"
#include "engine/rules/spin_awards.h"
#include "model/game_model.h"

namespace kragmoor {

// What a window books: the credits of a line by its result and of the scatters by their count
// (0..5), which of them make the game a winning one, and the group of the spins (an award or a
// retrigger) its scatters bring, -1 for none (spin_awards.h).
struct WindowRules {
    std::array<std::int64_t, LineAutomaton::kCodes> line_win{};
    std::array<bool, LineAutomaton::kCodes> line_hit{};
    std::array<std::int64_t, 6> scatter_win{};
    std::array<bool, 6> scatter_hit{};
    std::array<std::int8_t, 6> spin_group{-1, -1, -1, -1, -1, -1};
};

// Wins in multiples of the total bet fall into bins: 0 (no win), up to 1, up to 2, 5, 10, 20,
// 50, 100, and above 100. A bin holds the wins above the previous top up to its own.
inline constexpr int kWinBins = 9;
inline constexpr std::array<int, kWinBins - 1> kWinBinTops = {0, 1, 2, 5, 10, 20, 50, 100};

struct WindowLaw {
    std::uint64_t windows = 0;  // stop combinations: the product of the strip lengths
    double mean = 0;            // E[W], credits
    double second_moment = 0;   // E[W^2]
    // Per spin group g: the windows whose scatters bring its spins, and E[W x 1{group g}].
    std::array<std::uint64_t, SpinGroups::kMaxGroups> group_windows{};
    std::array<double, SpinGroups::kMaxGroups> mean_if_group{};
    std::uint64_t hits = 0;                      // windows that win something
    std::uint64_t triggers = 0;                  // windows whose scatters bring spins
    std::array<std::uint64_t, kWinBins> bins{};  // windows by their win in bets
    std::int64_t max_win = 0;                    // credits
    std::array<std::uint64_t, 6> scatters{};     // windows by scatters counted (0..5)
};

// strip[position][reel], reel r holding positions 0..last[r] (codes 0..12), and the rows of the
// 20 lines. `progress`, when set, is told the share of the windows done, often (up to 10^4
// times) and cheaply.
WindowLaw EnumerateWindows(const ReelStrips& strip, const ReelLengths& last, const LineRows& lines,
                           const LineAutomaton& automaton, const WindowRules& rules,
                           const std::function<void(double)>& progress = {});

}  // namespace kragmoor
