// The command line of kragmoor-sim: [DIR] [--games N] [--threads T] [--sequential]
// [--selected-reel K] [--json] [--exact [--par FILE]] [--part I/P | --merge]
// [--rng-report [--draws N]] [--rng-raw] [--rng-stops N] [--help] [--version].
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace kragmoor::cli {

struct Options {
    std::filesystem::path dir = ".";  // the working directory with ReelSetup.ini
    std::int64_t games = 1000000;     // games to play; 0 loads the game and describes it
    bool sequential = false;          // odometer stops instead of random ones
    int selected_reel = 4;            // the reel the odometer run watches (0..4)
    bool json = false;                // one JSON object on standard output instead of text
    // Threads of a run: 1 plays the single stream; 0 (every core) or more play it in chunks of
    // a million games, each on a stream of its own, with the same result at any thread count.
    int threads = 1;
    bool exact = false;         // print the exact analysis instead of playing
    std::filesystem::path par;  // with exact: the par sheet's CSV file; empty for none
    // The generator's checks instead of playing (rng_commands.h): the acceptance report of
    // `draws` draws per reel, the raw 32-bit output without end, or `rng_stops` stop tuples.
    bool rng_report = false;
    std::int64_t draws = 10000000;
    bool rng_raw = false;
    std::int64_t rng_stops = 0;  // 0: none asked for
    bool help = false;
    bool version = false;
    // A run across processes or machines: part `part` (0-based) of `parts` of the chunked run,
    // kept in a part file in dir (parts 0: not a part), or the merge of dir's part files.
    std::int64_t part = 0;
    std::int64_t parts = 0;
    bool merge = false;
};

struct ParsedOptions {
    Options options;
    std::string error;  // empty when the command line is valid
};

// The most threads a run is played on.
inline constexpr int kMaxThreads = 1024;
// The draws per reel of an acceptance report: enough for five draws a stop of the longest strip,
// and as many as a run's games.
inline constexpr std::int64_t kMinDraws = 1000;
inline constexpr std::int64_t kMaxDraws = 1000000000000;

ParsedOptions ParseOptions(const std::vector<std::string_view>& args);

std::string UsageText();

}  // namespace kragmoor::cli
