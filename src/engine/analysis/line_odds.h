// How often each line result comes, exactly. A line crosses one cell per reel and the stops are
// independent, so the windows in which a line shows a result are a sum of products of per-reel
// symbol counts; the line is followed reel by reel only while its result is undecided.
#pragma once

#include <array>
#include <cstdint>

#include "engine/analysis/line_automaton.h"
#include "model/game_model.h"

namespace kragmoor {

// For each result code, the number of (window, line) pairs over every stop combination of the
// strips (strip[position][reel], reel r holding positions 0..last[r]) in which one of the 20
// lines (their rows: `lines`) shows that result. Divided by the number of windows: the result's
// lines per game.
std::array<std::uint64_t, LineAutomaton::kCodes> CountLineOutcomes(const ReelStrips& strip,
                                                                   const ReelLengths& last,
                                                                   const LineRows& lines,
                                                                   const LineAutomaton& automaton);

}  // namespace kragmoor
