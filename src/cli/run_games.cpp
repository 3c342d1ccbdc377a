// kragmoor-sim DIR --games N: an automatic run with nothing shown, stopped at the yield after
// game N, then saved and the logs closed, and a summary of what was played with its verdict
// against the exact RTP. The exact analysis runs on a thread of its own, beside the games or after
// them. One thread plays the single stream, as the window does; more play chunks
// (engine/chunks/chunked_run.h).
#include "cli/run_games.h"

#include <algorithm>
#include <chrono>
#include <exception>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "cli/analysis_wait.h"
#include "cli/progress.h"
#include "cli/run_summary.h"
#include "engine/chunks/chunked_run.h"
#include "engine/chunks/part_merge.h"
#include "engine/play/headless_run.h"
#include "engine/play/simulator.h"
#include "model/text_format.h"

namespace kragmoor::cli {

namespace {

struct Played {
    RunResult result;
    std::vector<RunNotice> notices;
    bool write_failed;
};

// A notice as the window's message box would word it.
std::string NoticeText(const RunNotice& notice) {
    if (notice.kind == RunNotice::Kind::CycleEnded) return text::Decimal(notice.games) + " Games!";
    return notice.message;
}

bool Told(const std::vector<RunNotice>& notices, const std::string& message) {
    return std::any_of(notices.begin(), notices.end(), [&](const RunNotice& n) {
        return n.kind == RunNotice::Kind::WriteFailed && n.message == message;
    });
}

double SecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// The single stream: the window's Run on the process-wide generator the session seeded.
Played PlaySingleStream(const Options& options, Session& session, ProgressBar& bar) {
    Simulator control(session);
    if (options.sequential) {
        control.SetRandomStops(false);
        control.SelectReel(options.selected_reel);
    }
    HeadlessRun::Progress progress;
    if (bar.Active()) {
        progress = [&bar](const Simulator& c) {
            bar.Update(c.State().Games, c.State().TotalWin, c.State().TotalBet);
        };
    }
    const auto start = std::chrono::steady_clock::now();
    HeadlessRun run(control, options.games, progress);
    run.Play();
    const double seconds = SecondsSince(start);
    bar.Finish();
    // What was played is kept, also after a log failed: the save and the logs' close report
    // their own failures.
    control.Save();
    control.Exit();
    return {ResultOf(control.State(), run.Restarts(), seconds), run.Notices(),
            control.WriteFailed()};
}

// The end of a run played in chunks, here or in parts: the save, the logs closed.
Played EndChunks(ChunkedRun& chunked, Session& session, double seconds, int threads) {
    chunked.Save();
    ChunkedRunResult run = chunked.Result();
    bool failed = run.write_failed;
    if (!session.logs.CloseAll()) {
        failed = true;
        for (const LogFile* log :
             {&session.logs.Percent, &session.logs.Jackpot, &session.logs.FreeSpins}) {
            // A log that failed while the chunks were joined has been named already.
            const std::string message = log->FailureMessage();
            if (log->Failed() && !Told(run.notices, message)) {
                run.notices.push_back({RunNotice::Kind::WriteFailed, 0, message});
            }
        }
    }
    Played played{ResultOf(run.state, run.restarts, seconds), std::move(run.notices), failed};
    played.result.chunks = run.chunks;
    played.result.threads = threads;
    return played;
}

ChunkProgress BarProgress(ProgressBar& bar) {
    if (!bar.Active()) return {};
    return [&bar](const RunState& st) { bar.UpdateNow(st.Games, st.TotalWin, st.TotalBet); };
}

Played PlayChunks(const Options& options, Session& session, ProgressBar& bar) {
    const auto start = std::chrono::steady_clock::now();
    ChunkedRun chunked(session,
                       {options.games, options.sequential, options.selected_reel, options.threads});
    chunked.Play(BarProgress(bar));
    const double seconds = SecondsSince(start);
    bar.Finish();
    return EndChunks(chunked, session, seconds, ChunkThreads(options.threads, chunked.Chunks()));
}

// The notices, the verdict and the summary of what was played.
int Report(const Options& options, BackgroundAnalysis& analysis, const Played& played,
           const Streams& streams) {
    for (const RunNotice& notice : played.notices) {
        streams.err << "kragmoor-sim: " << NoticeText(notice) << '\n';
    }
    const Theory theory = Judge(analysis, options.sequential, played.result, streams);
    streams.out << (options.json ? SummaryJson(played.result, theory)
                                 : SummaryText(played.result, theory));
    return played.write_failed ? 1 : 0;
}

}  // namespace

bool OpenOrTell(const Options& options, Session& session, const Streams& streams) {
    try {
        session = OpenSession(options.dir, SessionOptions{});
        return true;
    } catch (const std::exception& e) {
        streams.err << e.what() << '\n';
        return false;
    }
}

int RunGames(const Options& options, Session& session, const Streams& streams) {
    // The analysis for the verdict works beside the games on a core they leave free, and after
    // them when they take every core, so that it never slows them down. It has its own copy of
    // the definition: nothing is shared with the games.
    const std::int64_t games_end = HeadlessRun::StopsAt(options.games);
    const int threads =
        options.threads == 1
            ? 1
            : ChunkThreads(options.threads, (games_end + kChunkGames - 1) / kChunkGames);
    const bool core_free = threads < static_cast<int>(std::thread::hardware_concurrency());
    std::optional<BackgroundAnalysis> analysis;
    if (core_free) analysis.emplace(session.definition);
    ProgressBar bar(streams.terminal, games_end);
    const Played played = options.threads == 1 ? PlaySingleStream(options, session, bar)
                                               : PlayChunks(options, session, bar);
    if (!analysis) analysis.emplace(session.definition);
    return Report(options, *analysis, played, streams);
}

int RunMergedParts(const Options& options, Session& session, const PartSet& parts,
                   const Streams& streams) {
    Options merged = options;
    merged.games = parts.run.games;
    merged.sequential = parts.run.sequential;
    merged.selected_reel = static_cast<int>(parts.run.selected_reel);
    BackgroundAnalysis analysis(session.definition);
    ProgressBar bar(streams.terminal, parts.run.games_end);
    const auto start = std::chrono::steady_clock::now();
    ChunkedRun chunked(session, {merged.games, merged.sequential, merged.selected_reel, 1});
    std::string failure;
    if (!MergeParts(parts, chunked, BarProgress(bar), &failure)) {
        bar.Finish();
        streams.err << "kragmoor-sim: " << failure << '\n';
        session.logs.CloseAll();
        return 1;
    }
    const double seconds = SecondsSince(start);
    bar.Finish();
    streams.err << "kragmoor-sim: merged " << parts.files.size()
                << " part files: " << chunked.Result().chunks << " chunks, "
                << text::Decimal(chunked.Result().state.Games) << " games\n";
    Played played = EndChunks(chunked, session, seconds, 1);
    played.result.parts = parts.run.parts;
    return Report(merged, analysis, played, streams);
}

}  // namespace kragmoor::cli
