#include "cli/run_summary.h"

#include <cmath>
#include <cstdio>
#include <exception>
#include <string>

#include "cli/json_text.h"
#include "model/text_format.h"

namespace kragmoor::cli {

namespace {

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

std::string Decimals(double value, int decimals) {
    if (std::isnan(value)) return "-";
    if (std::isinf(value)) return value > 0 ? "infinite" : "-infinite";
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    return buffer;
}

void TheoryText(std::string& out, const Theory& t) {
    Row(out, "Exact RTP",
        Decimals(t.verdict.exact_rtp_percent, 6) + "% (standard deviation " +
            Decimals(t.sd_per_game, 6) + " bets a game)");
    Row(out, "z-score", Decimals(t.verdict.z_score, 4));
    std::string verdict = VerdictText(t.verdict.verdict);
    switch (t.verdict.verdict) {
        case Verdict::kPass:
            verdict += " (|z| <= 1.96)";
            break;
        case Verdict::kWarn:
            verdict += " (1.96 < |z| <= 2.576)";
            break;
        case Verdict::kFail:
            verdict += " (|z| > 2.576)";
            break;
        case Verdict::kNone:
            verdict += std::string(" (") + t.why_none + ")";
            break;
    }
    Row(out, "Verdict", verdict);
}

}  // namespace

RunResult ResultOf(const RunState& st, std::int64_t restarts, double seconds) {
    return {st.Games,   st.TotalBet,       st.TotalWin,     st.WinEvents, st.FreeGames,
            st.FreeWin, st.FreeSpinsTotal, st.JackpotLines, restarts,     seconds};
}

std::string SummaryText(const RunResult& r, const Theory& t) {
    std::string out;
    Row(out, "Games", Grouped(r.games));
    Row(out, "Total bet", Grouped(r.total_bet));
    Row(out, "Total win", Grouped(r.total_win));
    Row(out, "RTP", Percent(Share(r.total_win, r.total_bet)));
    std::string events = Grouped(r.win_events);
    if (r.win_events > 0) {
        events +=
            " (one per " +
            text::Trimmed(text::Mask(Share(kLines * r.games, r.win_events), "### ### ##0.000")) +
            " line bets)";
    }
    Row(out, "Win events", events);
    Row(out, "Features",
        Grouped(r.free_games) + " triggered, won " + Grouped(r.free_win) + " (" +
            Percent(Share(r.free_win, r.total_bet)) + " of the bet)");
    Row(out, "Free spins played", Grouped(r.free_spins));
    Row(out, "Jackpots", Grouped(r.jackpots));
    Row(out, "Runs restarted", Grouped(r.restarts));
    if (r.parts > 0) {
        Row(out, "Chunks",
            Grouped(r.chunks) + " of up to 1 000 000 games, in " + Grouped(r.parts) +
                (r.parts == 1 ? " part" : " parts"));
    } else if (r.chunks > 0) {
        Row(out, "Chunks",
            Grouped(r.chunks) + " of up to 1 000 000 games, on " + Grouped(r.threads) +
                (r.threads == 1 ? " thread" : " threads"));
    }
    Row(out, "Seconds", text::Trimmed(text::Mask(r.seconds, "### ##0.000")));
    const double gps = r.seconds > 0 ? static_cast<double>(r.games) / r.seconds : 0.0;
    Row(out, "Games per second", Grouped(static_cast<std::int64_t>(gps)));
    TheoryText(out, t);
    return out;
}

std::string SummaryJson(const RunResult& r, const Theory& t) {
    const double gps = r.seconds > 0 ? static_cast<double>(r.games) / r.seconds : 0.0;
    JsonObject json;
    json.Add("games", text::Decimal(r.games));
    json.Add("total_bet", text::Decimal(r.total_bet));
    json.Add("total_win", text::Decimal(r.total_win));
    json.Add("rtp_percent", JsonNumber(100.0 * Share(r.total_win, r.total_bet)));
    json.Add("win_events", text::Decimal(r.win_events));
    json.Add("hit_rate", JsonNumber(Share(kLines * r.games, r.win_events)));
    json.Add("free_games", text::Decimal(r.free_games));
    json.Add("free_win", text::Decimal(r.free_win));
    json.Add("free_spins", text::Decimal(r.free_spins));
    json.Add("jackpots", text::Decimal(r.jackpots));
    json.Add("restarts", text::Decimal(r.restarts));
    json.Add("chunks", text::Decimal(r.chunks));
    json.Add("seconds", JsonNumber(r.seconds));
    json.Add("games_per_second", JsonNumber(gps));
    json.Add("exact_rtp_percent", JsonNumber(t.verdict.exact_rtp_percent));
    json.Add("sd_per_game", JsonNumber(t.sd_per_game));
    json.Add("z_score", JsonNumber(t.verdict.z_score));
    json.Add("verdict", std::string("\"") + VerdictText(t.verdict.verdict) + "\"");
    return json.Text();
}

Theory Judge(BackgroundAnalysis& analysis, bool sequential, const RunResult& r,
             const Streams& streams) {
    Theory t;
    try {
        const ExactAnalysis a = WaitForAnalysis(analysis, streams.terminal);
        t.sd_per_game = a.sd_per_game;
        if (sequential) {
            t.verdict.exact_rtp_percent = a.rtp.total_percent;
            t.why_none = "odometer stops are no random sample";
            return t;
        }
        t.verdict = JudgeRun(a.rtp.total_percent, a.sd_per_game,
                             100.0 * Share(r.total_win, r.total_bet), r.games);
        t.why_none = r.games == 0 ? "no game played" : "the exact RTP or its spread is infinite";
    } catch (const std::exception& e) {
        streams.err << "kragmoor-sim: no verdict, the exact analysis failed: " << e.what() << '\n';
        t.why_none = "the exact analysis failed";
    }
    return t;
}

}  // namespace kragmoor::cli
