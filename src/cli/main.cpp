// kragmoor-sim: the headless runner. Loads the game of a working directory exactly as the
// window application does (without deleting anything), then describes it (--games 0) or plays
// a run on the same engine.
#include <cstdio>
#include <exception>
#include <string>
#include <string_view>
#include <vector>

#include "cli/exact_summary.h"
#include "cli/load_summary.h"
#include "cli/options.h"
#include "cli/run_games.h"
#include "engine/exact_return.h"
#include "engine/session.h"

namespace {

void Print(std::FILE* stream, const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), stream);
    std::fflush(stream);
}

}  // namespace

int main(int argc, char** argv) {
    using namespace kragmoor;
    std::vector<std::string_view> args(argv + 1, argv + argc);
    const cli::ParsedOptions parsed = cli::ParseOptions(args);
    if (!parsed.error.empty()) {
        Print(stderr, "kragmoor-sim: " + parsed.error + "\n\n" + cli::UsageText());
        return 2;
    }
    const cli::Options& options = parsed.options;
    if (options.help) {
        Print(stdout, cli::UsageText());
        return 0;
    }
    if (options.version) {
        Print(stdout, std::string("kragmoor-sim ") + KRAGMOOR_VERSION + "\n");
        return 0;
    }

    if (options.exact) {
        // A computation on the definition alone: nothing is written.
        try {
            const GameDefinition def = ReadGameDefinition(options.dir);
            const ExactReturn x = ComputeExactReturn(def);
            Print(stdout,
                  options.json ? cli::ExactSummaryJson(def, x) : cli::ExactSummaryText(def, x));
            return 0;
        } catch (const std::exception& e) {
            Print(stderr, std::string(e.what()) + "\n");
            return 1;
        }
    }

    Session session;
    try {
        session = OpenSession(options.dir, SessionOptions{});
    } catch (const std::exception& e) {
        // The reader's message as it stands: "ReelSetup.ini:112: paytable row of symbol 4: ...".
        Print(stderr, std::string(e.what()) + "\n");
        return 1;
    }
    if (options.games == 0) {
        Print(stdout, options.json ? cli::LoadSummaryJson(session) : cli::LoadSummaryText(session));
        return 0;
    }
    return cli::RunGames(options, session);
}
