// The RNG acceptance report of a game: the base strips and then the free-spin strips, each
// tested on its own draws (engine/acceptance), with the verdict over all the tests, as text
// (one line a test) or as one JSON object.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/acceptance/acceptance_verdict.h"
#include "engine/acceptance/stop_tests.h"
#include "model/game_model.h"

namespace kragmoor::cli {

struct StripSetResults {
    const char* name = "";     // "base", "free spins"
    std::vector<int> lengths;  // stops of reels 0..4
    std::vector<acceptance::TestResult> results;
};

struct RngReport {
    std::int32_t seed = 0;
    std::int64_t draws = 0;  // tuples drawn on each set of strips
    std::vector<StripSetResults> sets;
    acceptance::Verdict verdict;
};

// `draws` tuples on the base strips from `base`, then as many on the free-spin strips from
// `free` (each told the reel; it knows the strips it draws for).
RngReport TestGameStops(const GameDefinition& def, std::int32_t seed, std::int64_t draws,
                        const acceptance::StopSource& base, const acceptance::StopSource& free);

std::string RngReportText(const GameDefinition& def, const RngReport& report);
std::string RngReportJson(const GameDefinition& def, const RngReport& report);

}  // namespace kragmoor::cli
