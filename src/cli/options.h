// The command line of kragmoor-sim: [DIR] [--games N] [--threads T] [--sequential]
// [--selected-reel K] [--json] [--exact [--par FILE]] [--help] [--version].
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
    bool help = false;
    bool version = false;
};

struct ParsedOptions {
    Options options;
    std::string error;  // empty when the command line is valid
};

// The most threads a run is played on.
inline constexpr int kMaxThreads = 1024;

ParsedOptions ParseOptions(const std::vector<std::string_view>& args);

std::string UsageText();

}  // namespace kragmoor::cli
