// kragmoor-sim as a library: the command line read, the game of the working directory loaded,
// and then its description (--games 0), its exact return (--exact), the checks of its random
// stops (--rng-report, --rng-raw, --rng-stops) or a run with its summary, written to the
// streams given. The executable is a thin main() around Main(), so that tests
// run the same code in their own process.
#pragma once

#include <cstdio>
#include <ostream>
#include <string_view>
#include <vector>

namespace kragmoor::cli {

struct Streams {
    std::ostream& out;              // results: summaries, --help, --version
    std::ostream& err;              // errors and notices, each line led by "kragmoor-sim: "
    std::FILE* terminal = nullptr;  // where a progress bar draws, when it is a terminal
};

// The arguments after the program's name. Returns the exit status: 0 done, 1 the definition
// cannot be read or a file cannot be written, 2 a usage error, 3 the random stops failed the
// acceptance report (--rng-report), 130 --exact stopped by Ctrl+C.
int Main(const std::vector<std::string_view>& args, const Streams& streams);

}  // namespace kragmoor::cli
