#include "cli/options.h"

#include <algorithm>
#include <charconv>
#include <string>

#include "engine/chunks/part_file.h"
#include "engine/play/headless_run.h"
#include "model/game_constants.h"

namespace kragmoor::cli {

namespace {

bool ParseWhole(std::string_view text, std::int64_t& value) {
    if (text.empty() || text[0] == '-' || text[0] == '+') return false;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    return result.ec == std::errc() && result.ptr == text.data() + text.size();
}

// "--name VALUE" or "--name=VALUE": the value, and moves `i` past it.
bool TakeValue(const std::vector<std::string_view>& args, std::size_t& i, std::string_view name,
               std::string_view& value, std::string& error) {
    const std::string_view arg = args[i];
    if (arg.size() > name.size() && arg[name.size()] == '=') {
        value = arg.substr(name.size() + 1);
        return true;
    }
    if (i + 1 >= args.size()) {
        error = std::string(name) + " needs a value";
        return false;
    }
    value = args[++i];
    return true;
}

// A whole number from `min` (0 unless given) to `max` as the value of option `name`; otherwise
// the error says what the option needs (`needs`) and what it got.
bool TakeWhole(const std::vector<std::string_view>& args, std::size_t& i, std::string_view name,
               std::int64_t max, const std::string& needs, std::int64_t& number, std::string& error,
               std::int64_t min = 0) {
    std::string_view value;
    if (!TakeValue(args, i, name, value, error)) return false;
    if (ParseWhole(value, number) && number >= min && number <= max) return true;
    error = std::string(name) + " needs " + needs + ", not \"" + std::string(value) + "\"";
    return false;
}

// "--part I/P": part I (0-based) of P.
bool TakePart(const std::vector<std::string_view>& args, std::size_t& i, Options& o,
              std::string& error) {
    std::string_view value;
    if (!TakeValue(args, i, "--part", value, error)) return false;
    const std::size_t slash = value.find('/');
    if (slash != value.npos && ParseWhole(value.substr(0, slash), o.part) &&
        ParseWhole(value.substr(slash + 1), o.parts) && o.parts >= 1 && o.parts <= kMaxParts &&
        o.part < o.parts) {
        return true;
    }
    error = "--part needs I/P, part I (0-based) of P parts with 0 <= I < P <= " +
            std::to_string(kMaxParts) + ", not \"" + std::string(value) + "\"";
    return false;
}

// What a part or a merge cannot be combined with.
std::string PartConflict(const Options& o) {
    if (o.parts > 0 && o.merge) return "--part and --merge are two steps, one at a time";
    if ((o.parts > 0 || o.merge) && o.exact) return "--exact plays no games to part or merge";
    if (o.parts > 0 && o.games == 0) return "--part needs games to play (--games N, N > 0)";
    return {};
}

bool IsOption(std::string_view arg, std::string_view name) {
    return arg == name || (arg.size() > name.size() && arg.substr(0, name.size()) == name &&
                           arg[name.size()] == '=');
}

// Arguments are UTF-8 on every system (main() makes Windows' so): a path made from char8_t reads
// them so, where one made from char would take Windows' code page.
std::filesystem::path PathOf(std::string_view arg) {
    return std::filesystem::path(std::u8string(arg.begin(), arg.end()));
}

bool AddDirectory(std::string_view arg, Options& o, bool& dir_given, std::string& error) {
    if (dir_given) {
        error =
            "one directory only, found \"" + o.dir.string() + "\" and \"" + std::string(arg) + "\"";
        return false;
    }
    o.dir = PathOf(arg);
    dir_given = true;
    return true;
}

bool ParseOne(const std::vector<std::string_view>& args, std::size_t& i, Options& o,
              bool& dir_given, std::string& error) {
    const std::string_view arg = args[i];
    std::string_view value;
    if (arg == "--help" || arg == "-h") {
        o.help = true;
    } else if (arg == "--version") {
        o.version = true;
    } else if (arg == "--json") {
        o.json = true;
    } else if (arg == "--sequential") {
        o.sequential = true;
    } else if (arg == "--exact") {
        o.exact = true;
    } else if (arg == "--merge") {
        o.merge = true;
    } else if (IsOption(arg, "--part")) {
        return TakePart(args, i, o, error);
    } else if (arg == "--rng-report") {
        o.rng_report = true;
    } else if (arg == "--rng-raw") {
        o.rng_raw = true;
    } else if (IsOption(arg, "--draws")) {
        return TakeWhole(args, i, "--draws", kMaxDraws,
                         "a whole number of draws from " + std::to_string(kMinDraws) + " to " +
                             std::to_string(kMaxDraws),
                         o.draws, error, kMinDraws);
    } else if (IsOption(arg, "--rng-stops")) {
        return TakeWhole(args, i, "--rng-stops", kMaxDraws,
                         "a whole number of stop tuples from 1 to " + std::to_string(kMaxDraws),
                         o.rng_stops, error, 1);
    } else if (IsOption(arg, "--games")) {
        return TakeWhole(
            args, i, "--games", HeadlessRun::kMaxGames,
            "a whole number of games from 0 to " + std::to_string(HeadlessRun::kMaxGames), o.games,
            error);
    } else if (IsOption(arg, "--threads")) {
        std::int64_t threads = 1;
        if (!TakeWhole(args, i, "--threads", kMaxThreads,
                       "a whole number from 0 (every core) to " + std::to_string(kMaxThreads),
                       threads, error)) {
            return false;
        }
        o.threads = static_cast<int>(threads);
    } else if (IsOption(arg, "--par")) {
        if (!TakeValue(args, i, "--par", value, error)) return false;
        if (value.empty()) {
            error = "--par needs a file name";
            return false;
        }
        o.par = PathOf(value);
    } else if (IsOption(arg, "--selected-reel")) {
        std::int64_t reel = kReels - 1;
        if (!TakeWhole(args, i, "--selected-reel", kReels - 1, "a reel from 0 (leftmost) to 4",
                       reel, error)) {
            return false;
        }
        o.selected_reel = static_cast<int>(reel);
    } else if (arg.size() > 1 && arg[0] == '-') {
        error = "unknown option \"" + std::string(arg) + "\"";
        return false;
    } else {
        return AddDirectory(arg, o, dir_given, error);
    }
    return true;
}

// One thing at a time: the exact analysis or one of the generator's checks; --draws belongs to the
// report and --json to what prints a summary.
std::string ModeConflict(const std::vector<std::string_view>& args, const Options& o) {
    const int modes = int{o.exact} + int{o.rng_report} + int{o.rng_raw} + int{o.rng_stops > 0};
    if (modes > 1) return "--exact, --rng-report, --rng-raw and --rng-stops go one at a time";
    if (modes > 0 && !o.exact && (o.parts > 0 || o.merge)) {
        return "--part and --merge play games, --rng-report, --rng-raw and --rng-stops draw stops: "
               "one at a time";
    }
    const bool draws_given = std::any_of(args.begin(), args.end(),
                                         [](std::string_view a) { return IsOption(a, "--draws"); });
    if (draws_given && !o.rng_report) return "--draws needs --rng-report";
    if (o.json && (o.rng_raw || o.rng_stops > 0)) {
        return "--json goes with a run, --exact or --rng-report, not with raw draws or stops";
    }
    return {};
}

}  // namespace

ParsedOptions ParseOptions(const std::vector<std::string_view>& args) {
    ParsedOptions parsed;
    bool dir_given = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--") {
            // Everything after "--" is a directory, even one whose name begins with "-".
            for (++i; i < args.size(); ++i) {
                if (!AddDirectory(args[i], parsed.options, dir_given, parsed.error)) return parsed;
            }
            break;
        }
        if (!ParseOne(args, i, parsed.options, dir_given, parsed.error)) return parsed;
    }
    // The par sheet comes from the exact analysis: asked for alone it would be mistaken for a
    // run's output.
    if (!parsed.options.par.empty() && !parsed.options.exact) {
        parsed.error = "--par needs --exact (the par sheet is written by the exact analysis)";
    }
    if (parsed.error.empty()) parsed.error = PartConflict(parsed.options);
    if (parsed.error.empty()) parsed.error = ModeConflict(args, parsed.options);
    return parsed;
}

std::string UsageText() {
    return "Usage: kragmoor-sim [DIR] [--games N] [--threads T] [--sequential]\n"
           "                    [--selected-reel K] [--json]\n"
           "       kragmoor-sim [DIR] --exact [--json] [--par FILE]\n"
           "       kragmoor-sim [DIR] --games N --part I/P [--threads T] [--sequential]\n"
           "                    [--selected-reel K]\n"
           "       kragmoor-sim [DIR] --merge [--json]\n"
           "       kragmoor-sim [DIR] --rng-report [--draws N] [--json]\n"
           "       kragmoor-sim [DIR] --rng-raw | --rng-stops N\n"
           "       kragmoor-sim --help | --version\n"
           "\n"
           "Plays the slot game defined by DIR/ReelSetup.ini (DIR: the current directory when\n"
           "left out) and writes its files in DIR: Temp1.txt (the game description report, then\n"
           "the save report), Jackpot.txt, FreeSpins.txt, Percent_10000.txt and empty.txt.\n"
           "Nothing is deleted.\n"
           "\n"
           "  --games N          games to play, 0 to 1000000000000 (default 1000000), rounded up\n"
           "                     to a multiple of 100; 0 only loads the game, writes the report\n"
           "                     and the empty logs and describes the game\n"
           "  --threads T        play on T threads, 0 for every core (default 1: one stream,\n"
           "                     as the window plays). At any other count the run plays chunks\n"
           "                     of 1000000 games, chunk k drawing from the seed's stream\n"
           "                     jumped k times, so that its files are the same at any count\n"
           "  --sequential       step the reels like an odometer instead of drawing random stops\n"
           "  --selected-reel K  the reel (0 leftmost .. 4, default 4) whose wrap ends an\n"
           "                     odometer run\n"
           "  --json             print one JSON object instead of text\n"
           "  --exact            analyse the game exactly from its strips and paytable (what an\n"
           "                     endless random run converges on: RTP, volatility, the odds of\n"
           "                     every paying combination) and write no file in DIR\n"
           "  --par FILE         with --exact: also write the par sheet to FILE as CSV\n"
           "  --part I/P         play part I (0-based) of P of the run --threads plays, and\n"
           "                     write only its part file DIR/part-I-of-P.kragmoor-part; the\n"
           "                     seed must be fixed in ReelSetup.ini (not negative)\n"
           "  --merge            merge the part files in DIR into the files and the summary\n"
           "                     the run on threads would have given; refused, with nothing\n"
           "                     written, when a part is missing, doubled, damaged or of\n"
           "                     another run, game or program version\n"
           "  --rng-report       test the random stops of every reel of both strip sets, drawn\n"
           "                     from the game's seed (chi-square, runs, serial correlation,\n"
           "                     correlation between reels at 99 %) and write no file in DIR\n"
           "  --draws N          with --rng-report: draws per reel, 1000 to 1000000000000\n"
           "                     (default 10000000)\n"
           "  --rng-raw          write the generator's raw 32-bit outputs to the standard output\n"
           "                     as binary, without end (for dieharder -g 200)\n"
           "  --rng-stops N      write N stop tuples of the base strips, five stops a line\n"
           "  --help             print this text\n"
           "  --version          print the version\n"
           "\n"
           "A run ends with its verdict against the exact RTP: pass, warn or fail.\n"
           "\n"
           "Exit status: 0 done, 1 the definition cannot be read, a file cannot be written\n"
           "or a merge is refused, 2 a usage error, 3 the random stops failed the\n"
           "acceptance report.\n";
}

}  // namespace kragmoor::cli
