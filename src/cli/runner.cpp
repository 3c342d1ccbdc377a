#include "cli/runner.h"

#include <exception>
#include <string>

#include "cli/analysis_wait.h"
#include "cli/exact_summary.h"
#include "cli/interrupt_catcher.h"
#include "cli/load_summary.h"
#include "cli/options.h"
#include "cli/rng_commands.h"
#include "cli/run_games.h"
#include "cli/run_parts.h"
#include "engine/analysis/par_sheet.h"
#include "engine/play/session.h"
#include "model/output_file.h"

namespace kragmoor::cli {

namespace {

// The par sheet through the checked file helper: every write and the close checked. Returns
// the system's reason when it could not be written, "" when it was.
std::string WriteParSheet(const std::filesystem::path& path, const std::string& csv) {
    OutputFile file;
    if (file.Open(path, OutputFile::Mode::kCreate)) file.Write(csv);
    return file.Close() ? std::string() : file.Reason();
}

// Ctrl+C during --exact: nothing more on the output, a note, and the shell's status for SIGINT.
int Interrupted(const Streams& streams, const std::filesystem::path& par_written) {
    streams.err << "kragmoor-sim: interrupted";
    if (!par_written.empty()) streams.err << " after the par sheet " << par_written.string();
    streams.err << '\n';
    return 130;
}

// A computation on the definition alone: nothing is written in the game's directory, and a
// game whose features never end is valued all the same ("infinite" spins per feature). The
// summary is printed also when the par sheet cannot be written. Ctrl+C cancels the analysis at
// once; the par sheet is written only after the analysis is complete, and a Ctrl+C that comes
// while it is written lets it be finished before the runner stops.
int Exact(const Options& options, const Streams& streams) {
    const InterruptCatcher interrupt;
    GameDefinition def;
    ExactAnalysis analysis;
    try {
        def = ReadGameDefinition(options.dir);
        BackgroundAnalysis background(def);
        analysis = WaitForAnalysis(background, streams.terminal, &interrupt.Flag());
    } catch (const AnalysisCancelled&) {
        return Interrupted(streams, {});
    } catch (const std::exception& e) {
        streams.err << e.what() << '\n';
        return 1;
    }
    std::string failure;
    if (!options.par.empty()) failure = WriteParSheet(options.par, ParSheetCsv(def, analysis));
    if (interrupt.Caught()) return Interrupted(streams, failure.empty() ? options.par : "");
    streams.out << (options.json ? ExactSummaryJson(def, analysis)
                                 : ExactSummaryText(def, analysis));
    if (failure.empty()) return 0;
    streams.err << "kragmoor-sim: cannot write the par sheet " << options.par.string() << ": "
                << failure << '\n';
    return 1;
}

// --games 0: the game as loaded, with the report written and the logs created empty.
int Describe(const Options& options, Session& session, const Streams& streams) {
    streams.out << (options.json ? LoadSummaryJson(session) : LoadSummaryText(session));
    if (session.logs.CloseAll()) return 0;
    for (const LogFile* log :
         {&session.logs.Percent, &session.logs.Jackpot, &session.logs.FreeSpins}) {
        if (log->Failed()) streams.err << "kragmoor-sim: " << log->FailureMessage() << '\n';
    }
    return 1;
}

}  // namespace

int Main(const std::vector<std::string_view>& args, const Streams& streams) {
    const ParsedOptions parsed = ParseOptions(args);
    if (!parsed.error.empty()) {
        streams.err << "kragmoor-sim: " << parsed.error << "\n\n" << UsageText();
        return 2;
    }
    const Options& options = parsed.options;
    if (options.help) {
        streams.out << UsageText();
        return 0;
    }
    if (options.version) {
        streams.out << "kragmoor-sim " << KRAGMOOR_VERSION << '\n';
        return 0;
    }
    if (options.exact) return Exact(options, streams);
    if (options.parts > 0) return RunPart(options, streams);
    if (options.merge) return RunMerge(options, streams);
    if (options.rng_report || options.rng_raw || options.rng_stops > 0) {
        return RngCommand(options, streams);
    }

    Session session;
    if (!OpenOrTell(options, session, streams)) return 1;
    if (options.games == 0) return Describe(options, session, streams);
    return RunGames(options, session, streams);
}

}  // namespace kragmoor::cli
