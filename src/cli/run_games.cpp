// kragmoor-sim DIR --games N: an automatic run with nothing shown, stopped at the yield after
// game N, then saved and the logs closed, and a summary of what was played.
#include "cli/run_games.h"

#include <chrono>
#include <string>

#include "cli/json_text.h"
#include "cli/progress.h"
#include "engine/headless_run.h"
#include "engine/run_control.h"
#include "model/text_format.h"

namespace kragmoor::cli {

namespace {

struct RunResult {
    std::int64_t games, total_bet, total_win, win_events, free_games, free_win, free_spins,
        jackpots, restarts;
    double seconds;
};

double Share(std::int64_t a, std::int64_t b) {
    return b != 0 ? static_cast<double>(a) / static_cast<double>(b) : 0.0;
}

std::string Grouped(std::int64_t v) {
    return text::Trimmed(text::Mask(v, "# ### ### ##0"));
}

std::string Percent(double ratio) {
    return text::Trimmed(text::Mask(ratio, "##0.000%"));
}

void Row(std::string& out, const char* label, const std::string& value) {
    text::AppendLeft(out, label, 22);
    out += value;
    out += '\n';
}

std::string SummaryText(const RunResult& r) {
    std::string out;
    Row(out, "Games", Grouped(r.games));
    Row(out, "Total bet", Grouped(r.total_bet));
    Row(out, "Total win", Grouped(r.total_win));
    Row(out, "RTP", Percent(Share(r.total_win, r.total_bet)));
    std::string events = Grouped(r.win_events);
    if (r.win_events > 0) {
        events += " (one per " +
                  text::Trimmed(text::Mask(Share(20 * r.games, r.win_events), "### ### ##0.000")) +
                  " line bets)";
    }
    Row(out, "Win events", events);
    Row(out, "Features",
        Grouped(r.free_games) + " triggered, won " + Grouped(r.free_win) + " (" +
            Percent(Share(r.free_win, r.total_bet)) + " of the bet)");
    Row(out, "Free spins played", Grouped(r.free_spins));
    Row(out, "Jackpots", Grouped(r.jackpots));
    Row(out, "Runs restarted", Grouped(r.restarts));
    Row(out, "Seconds", text::Trimmed(text::Mask(r.seconds, "### ##0.000")));
    const double gps = r.seconds > 0 ? static_cast<double>(r.games) / r.seconds : 0.0;
    Row(out, "Games per second", Grouped(static_cast<std::int64_t>(gps)));
    return out;
}

std::string SummaryJson(const RunResult& r) {
    const double gps = r.seconds > 0 ? static_cast<double>(r.games) / r.seconds : 0.0;
    JsonObject json;
    json.Add("games", text::Decimal(r.games));
    json.Add("total_bet", text::Decimal(r.total_bet));
    json.Add("total_win", text::Decimal(r.total_win));
    json.Add("rtp_percent", JsonNumber(100.0 * Share(r.total_win, r.total_bet)));
    json.Add("win_events", text::Decimal(r.win_events));
    json.Add("hit_rate", JsonNumber(Share(20 * r.games, r.win_events)));
    json.Add("free_games", text::Decimal(r.free_games));
    json.Add("free_win", text::Decimal(r.free_win));
    json.Add("free_spins", text::Decimal(r.free_spins));
    json.Add("jackpots", text::Decimal(r.jackpots));
    json.Add("restarts", text::Decimal(r.restarts));
    json.Add("seconds", JsonNumber(r.seconds));
    json.Add("games_per_second", JsonNumber(gps));
    return json.Text();
}

}  // namespace

int RunGames(const Options& options, Session& session, const Streams& streams) {
    RunControl control(session.definition, session.logs, session.dir);
    if (options.sequential) {
        control.SetRandomStops(false);
        control.cmdReels_Click(options.selected_reel);
    }
    ProgressBar bar(streams.terminal, HeadlessRun::StopsAt(options.games));
    HeadlessRun::Progress progress;
    if (bar.Active()) {
        progress = [&bar](const RunControl& c) {
            bar.Update(c.State().Games, c.State().TotalWin, c.State().TotalBet);
        };
    }

    const auto start = std::chrono::steady_clock::now();
    HeadlessRun run(control, options.games, progress);
    run.Play();
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    bar.Finish();

    // What was played is kept, also after a log failed: the save and the logs' close report
    // their own failures.
    control.cmdSave_Click();
    control.cmdExit_Click();
    for (const std::string& message : run.Messages()) {
        streams.err << "kragmoor-sim: " << message << '\n';
    }

    const RunState& st = control.State();
    const RunResult result{st.Games,
                           st.TotalBet,
                           st.TotalWin,
                           st.WinEvents,
                           st.FreeGames,
                           st.FreeWin,
                           control.FreeSpinsTotal(),
                           control.JackpotCount(),
                           run.Restarts(),
                           seconds};
    streams.out << (options.json ? SummaryJson(result) : SummaryText(result));
    return control.WriteFailed() ? 1 : 0;
}

}  // namespace kragmoor::cli
