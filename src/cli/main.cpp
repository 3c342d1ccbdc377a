// kragmoor-sim: the headless runner. Loads the game of a working directory exactly as the
// window application does (without deleting anything), then describes it (--games 0), values it
// (--exact) or plays a run on the same engine; all of it in the runner library.
#include <cstdio>
#include <iostream>
#include <string_view>
#include <vector>

#include "cli/runner.h"

int main(int argc, char** argv) {
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    const int status = kragmoor::cli::Main(args, {std::cout, std::cerr, stderr});
    // Results that never reached their reader are a failure too (a full disk under a redirect).
    if (!std::cout.flush()) {
        std::cerr << "kragmoor-sim: the results could not be written to the standard output\n";
        return 1;
    }
    return status;
}
