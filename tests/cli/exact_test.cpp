// kragmoor-sim --exact and --par in this process: every figure printed against the exact analysis
// computed through the engine, the par sheet read back, par sheets that cannot be written, and
// Ctrl+C during the analysis.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <future>
#include <tuple>

#include "cli/interrupt_catcher.h"
#include "cli/progress.h"
#include "cli_test_support.h"
#include "engine/analysis/exact_analysis.h"
#include "engine/analysis/par_sheet.h"
#include "engine/play/session.h"
#include "json_reader.h"
#include "model/definition_reader.h"

namespace kragmoor {
namespace {

void ReplaceAll(std::string& text, const std::string& from, const std::string& to) {
    for (std::size_t at = 0; (at = text.find(from, at)) != std::string::npos; at += to.size())
        text.replace(at, from.size(), to);
}

using namespace test;

// A whole number with its thousands apart, as the summaries write counts.
std::string Grouped(std::uint64_t value) {
    std::string digits = std::to_string(value);
    for (std::size_t at = digits.size(); at > 3; at -= 3) digits.insert(at - 3, " ");
    return digits;
}

// JSON numbers carry 15 significant digits; an infinite figure is null.
void ExpectClose(const Json& json, double value, const std::string& what) {
    ASSERT_EQ(json.type, std::isinf(value) ? Json::Type::kNull : Json::Type::kNumber) << what;
    if (!std::isinf(value)) {
        EXPECT_NEAR(json.number, value, 1e-14 * std::max(1.0, std::fabs(value))) << what;
    }
}

// The lines of a text between the line that starts with `from` and the next blank line.
std::vector<std::string> Block(const std::string& text, const std::string& from) {
    std::vector<std::string> block;
    bool in = false;
    for (const std::string& line : OutputLines(text)) {
        if (in && line.empty()) break;
        if (in) block.push_back(line);
        in = in || line.starts_with(from);
    }
    return block;
}

// The bundled game with base reel 5's only Thane made a Horn (so five Thanes never come and are
// flagged), Moss renamed "=Moss" (a spreadsheet would read a formula) and a header RTP of 97 %.
class ExactTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string game = ReadFile(SourceFile("games/ReelSetup.ini"));
        ReplaceAll(game, "Lantern,   Thane,      _", "Lantern,   Horn,       _");
        ReplaceAll(game, "Moss,", "=Moss,");
        ReplaceAll(game, "RTP: 95,74", "RTP: 97,00");
        WriteFile(dir / "ReelSetup.ini", game);
        def = ReadGameDefinition(dir.path());
        a = AnalyseGame(def);
    }

    const TempDir dir;
    GameDefinition def;
    ExactAnalysis a;
};

// The par sheet file holds the analysis's par sheet (its numbers are read back in the engine's
// tests), a name a spreadsheet would read as a formula kept as text.
TEST_F(ExactTest, TextJsonAndParSheetShowEveryFigureOfTheAnalysis) {
    const std::filesystem::path par = dir / "par sheet.csv";
    const auto [exit_code, out, err] =
        RunInProcess({dir.path().string(), "--exact", "--par", par.string()});
    ASSERT_EQ(exit_code, 0) << err;
    EXPECT_EQ(err, "");
    EXPECT_EQ(ReadFile(par), ParSheetCsv(def, a));
    EXPECT_EQ(Lines(ReadFile(par)).at(1).substr(0, 11), "'=Moss,3,5,");

    const std::pair<const char*, std::string> rows[] = {
        {"RTP", Fixed(a.rtp.total_percent, 6) + "%"},
        {"Hit frequency",
         Fixed(100 * a.hit_frequency, 6) + "% (1 in " + Fixed(1 / a.hit_frequency, 2) + " games)"},
        {"Standard deviation", Fixed(a.sd_per_game, 6) + " bets a game (its feature included)"},
        {"Volatility index", Fixed(a.volatility_index[0], 4) + " (90 %), " +
                                 Fixed(a.volatility_index[1], 4) + " (95 %), " +
                                 Fixed(a.volatility_index[2], 4) + " (99 %)"},
        {"Largest base-game win", std::to_string(a.max_base_win) + " credits (" +
                                      Fixed(static_cast<double>(a.max_base_win) / 20, 2) +
                                      " bets)"}};
    for (const auto& [label, value] : rows) EXPECT_EQ(Row(out, label, 28), value);

    // The ranges of a run's RTP for 10^3 .. 10^9 games at 90, 95 and 99 %, after the heading,
    // and the base game's win by bins, in the text and in the JSON.
    const Json json =
        JsonReader::Read(RunInProcess({dir.path().string(), "--exact", "--json"}).out);
    const auto ranges = Block(out, "The RTP of a run of N games");
    const Json& spans = json["rtp_ranges"];
    ASSERT_EQ(ranges.size(), 1 + a.rtp_ranges.size()) << out;
    ASSERT_EQ(spans.items.size(), a.rtp_ranges.size());
    for (std::size_t r = 0; r < a.rtp_ranges.size(); ++r) {
        std::istringstream row(ranges[r + 1].substr(15));
        std::string range, word;
        while (row >> word) range += word + " ";
        std::string want;
        EXPECT_EQ(spans[r]["games"].number, static_cast<double>(a.rtp_ranges[r].games));
        for (std::size_t k = 0; k < 3; ++k) {
            want += Fixed(a.rtp_ranges[r].low_percent[k], 3) + " to " +
                    Fixed(a.rtp_ranges[r].high_percent[k], 3) + " ";
            ExpectClose(spans[r]["low_percent"][k], a.rtp_ranges[r].low_percent[k], "low");
            ExpectClose(spans[r]["high_percent"][k], a.rtp_ranges[r].high_percent[k], "high");
        }
        EXPECT_EQ(range, want) << ranges[r + 1];
    }
    const auto bins = Block(out, "The base game's own win");
    ASSERT_EQ(bins.size(), 1 + a.base_win_distribution.size()) << out;
    EXPECT_TRUE(bins[1].starts_with("  0 or less ") && bins.back().starts_with("  over 100 "));
    for (std::size_t b = 0; b < a.base_win_distribution.size(); ++b) {
        EXPECT_TRUE(bins[b + 1].ends_with(" " + Fixed(100 * a.base_win_distribution[b], 6) + "%"))
            << bins[b + 1];
        ExpectClose(json["base_win_distribution"][b], a.base_win_distribution[b], "bin");
    }

    // One line per combination, in the analysis's order, with its figures and its counts of the
    // full cycle, after two lines on the counts and the column heads.
    const auto table = Block(out, "Paying combinations");
    const Json& combinations = json["combinations"];
    ASSERT_EQ(table.size(), a.combinations.size() + 5) << out;  // and a legend of 2 lines
    ASSERT_EQ(combinations.items.size(), a.combinations.size());
    EXPECT_EQ(combinations[0]["symbol"].text, "=Moss") << "JSON needs no neutralising";
    EXPECT_EQ(table[0], "Windows of the full cycle (" + Grouped(a.full_cycle) +
                            "), on one line and over all 20 lines (the scatters");
    for (std::size_t i = 0; i < a.combinations.size(); ++i) {
        const Combination& c = a.combinations[i];
        const std::string& line = table[i + 3];
        char hits[32];
        std::snprintf(hits, sizeof hits, " %.6e ", c.hits_per_game);
        EXPECT_TRUE(line.starts_with("  " + CombinationLabel(def, c) + " ")) << line;
        EXPECT_NE(line.find(hits), std::string::npos) << line;
        EXPECT_NE(line.find(" " + Grouped(c.windows_one_line) + " "), std::string::npos) << line;
        EXPECT_NE(line.find(" " + Grouped(c.windows_all_lines) + " "), std::string::npos) << line;
        EXPECT_NE(line.find(" " + (c.windows_all_lines == 0
                                       ? "never"
                                       : Grouped(a.full_cycle / c.windows_all_lines))),
                  std::string::npos)
            << line;
        EXPECT_TRUE(line.ends_with(" " + Fixed(c.rtp_share_percent, 6) + "%" +
                                   (c.odds_flags != 0 ? "  A P" : "")))
            << line;
        const Json& row = combinations[i];
        EXPECT_EQ(row["symbol"].text, CombinationLabel(def, c));
        EXPECT_EQ(row["count"].number, c.count);
        ExpectClose(row["pay"], c.pay, "pay");
        ExpectClose(row["hits_per_game"], c.hits_per_game, "hits_per_game");
        ExpectClose(row["rtp_share_percent"], c.rtp_share_percent, "rtp_share_percent");
        ExpectClose(row["one_in_games"], c.one_in_games, "one_in_games");
        EXPECT_EQ(row["odds_flag"].text, OddsFlagText(c.odds_flags));
        EXPECT_EQ(row["windows_one_line"].number, static_cast<double>(c.windows_one_line));
        EXPECT_EQ(row["windows_all_lines"].number, static_cast<double>(c.windows_all_lines));
        // The exact texts read back close to the doubles; the feature's share has none.
        const Json& one_in = row["one_in_games_exact"];
        const Json& share = row["rtp_share_percent_exact"];
        if (c.windows_all_lines == 0) {
            EXPECT_TRUE(one_in.IsNull());
        } else {
            EXPECT_NEAR(std::stod(one_in.text), c.one_in_games, 0.005) << one_in.text;
            EXPECT_EQ(one_in.text.size() - one_in.text.find('.'), 3u) << one_in.text;
        }
        if (c.kind == CombinationKind::kFeature) {
            EXPECT_TRUE(share.IsNull());
        } else {
            EXPECT_NEAR(std::stod(share.text), c.rtp_share_percent, 5e-11) << share.text;
        }
    }
    EXPECT_NE(out.find("\nOdds rules:\n  Thane 5: " +
                       OddsFlagText(kRarerThanAwardLimit | kRarerThanBasePatternLimit) +
                       "\n\nFree spins (one spin of the free-spin strips, cycle " +
                       Grouped(a.free_spins.full_cycle) + "): "),
              std::string::npos)
        << out;
    // The free spins' table: three more lines on its arithmetic, the column heads, its rows and
    // its total, whose share is the feature's, then the designed RTP.
    const auto spins = Block(out, "Free spins (one spin");
    ASSERT_EQ(spins.size(), a.free_spins.combinations.size() + 5) << out;
    EXPECT_NE(spins[0].find(" " + Fixed(a.free_spins.spins_per_game, 6) + " free spins"),
              std::string::npos);
    for (std::size_t i = 0; i < a.free_spins.combinations.size(); ++i) {
        const Combination& c = a.free_spins.combinations[i];
        const std::string& line = spins[i + 4];
        EXPECT_TRUE(line.starts_with("  " + CombinationLabel(def, c) + " ")) << line;
        EXPECT_NE(line.find(" " + Grouped(c.windows_all_lines) + " "), std::string::npos) << line;
        EXPECT_TRUE(line.ends_with(" " + Fixed(c.rtp_share_percent, 6) + "%")) << line;
    }
    EXPECT_TRUE(spins.back().starts_with("  Total (winning windows) "));
    EXPECT_TRUE(spins.back().ends_with(" " + Fixed(a.rtp.feature_percent, 6) + "%"));
    EXPECT_TRUE(out.ends_with("%\n\n" + a.designed_rtp_note + "\n")) << out;

    // The feature's sd comes from its two moments.
    const ExactReturn& x = a.rtp;
    const double f = a.feature.win_mean;
    const std::pair<const char*, double> figures[] = {
        {"designed_rtp_percent", 97},
        {"rtp_percent", x.total_percent},
        {"base_lines_percent", x.base_lines_percent},
        {"base_scatter_percent", x.base_scatter_percent},
        {"feature_percent", x.feature_percent},
        {"trigger_probability", x.trigger_probability},
        {"retrigger_probability", x.retrigger_probability},
        {"free_spins_per_feature", x.free_spins_per_feature},
        {"free_spin_win", x.free_spin_win},
        {"win_events_per_game", x.win_events_per_game},
        {"jackpot_lines_per_game", x.jackpot_lines_per_game},
        {"hit_frequency", a.hit_frequency},
        {"sd_per_game", a.sd_per_game},
        {"vi90", a.volatility_index[0]},
        {"vi95", a.volatility_index[1]},
        {"vi99", a.volatility_index[2]},
        {"feature_win", f},
        {"feature_win_sd", std::sqrt(a.feature.win_second_moment - f * f)},
        {"max_base_win", static_cast<double>(a.max_base_win)},
        {"full_cycle", 32.0 * 34 * 36 * 38 * 40}};
    for (const auto& [key, value] : figures) ExpectClose(json[key], value, key);
    ASSERT_NE(a.designed_rtp_note, "");
    EXPECT_EQ(json["designed_rtp_note"].text, a.designed_rtp_note);
    // One free spin's table: its cycle, rows of the base rows' fields, its total share.
    const Json& free = json["free_spins"];
    EXPECT_EQ(free["full_cycle"].number, static_cast<double>(a.free_spins.full_cycle));
    ExpectClose(free["spins_per_game"], a.free_spins.spins_per_game, "spins_per_game");
    EXPECT_NEAR(free["rtp_share_percent"].number, x.feature_percent, 1e-9);
    EXPECT_NEAR(std::stod(free["rtp_share_percent_exact"].text), x.feature_percent, 1e-9);
    ASSERT_EQ(free["combinations"].items.size(), a.free_spins.combinations.size());
    const Combination& retrigger = a.free_spins.combinations.back();
    const Json& last = free["combinations"].items.back();
    EXPECT_EQ(
        std::tuple(last["symbol"].text, last["kind"].text, last["rtp_share_percent_exact"].text),
        std::tuple(CombinationLabel(def, retrigger), std::string("retrigger"),
                   std::string("0.0000000000")));
    EXPECT_EQ(last["windows_all_lines"].number, static_cast<double>(retrigger.windows_all_lines));

    const Json& flags = json["odds_flags"];
    ASSERT_EQ(flags.items.size(), 1u);
    EXPECT_EQ(flags[0]["symbol"].text + " " + Fixed(flags[0]["count"].number, 0), "Thane 5");
    EXPECT_EQ(flags[0]["odds_flag"].text,
              OddsFlagText(kRarerThanAwardLimit | kRarerThanBasePatternLimit));
}

// A par sheet that cannot be written is named with the system's reason, after the summary.
TEST_F(ExactTest, AParSheetThatCannotBeWrittenIsNamed) {
    std::filesystem::create_directory(dir / "a directory");
    std::vector<std::pair<std::filesystem::path, std::string>> cases = {
        {dir / "a directory", DirectoryWriteReason()},
        {dir / "missing" / "par.csv", "No such file or directory"}};
    if (HasFullDevice()) cases.emplace_back("/dev/full", "No space left on device");
    for (const auto& [path, reason] : cases) {
        const auto run = RunInProcess({dir.path().string(), "--exact", "--par=" + path.string()});
        EXPECT_EQ(run.exit_code, 1);
        EXPECT_EQ(run.err, "kragmoor-sim: cannot write the par sheet " + path.string() + ": " +
                               reason + "\n");
        EXPECT_TRUE(run.out.starts_with("Exact return of 1.0 Moorforge")) << run.out;
    }
    EXPECT_EQ(dir.Files(), (std::set<std::string>{"ReelSetup.ini", "a directory"}));
}

std::atomic<int> interrupts_counted{0};
extern "C" void CountInterrupt(int) {
    ++interrupts_counted;
#ifdef _WIN32
    std::signal(SIGINT, CountInterrupt);  // Windows resets a handler to the default as it calls it
#endif
}

// While it lives SIGINT only counts here, so that one raised while no catcher of the runner is in
// place cannot end the test program.
struct CountedInterrupts {
    void (*previous)(int) = std::signal(SIGINT, CountInterrupt);
    ~CountedInterrupts() { std::signal(SIGINT, previous); }
};

TEST(InterruptTest, TheCatcherTakesSigintWhileItLivesAndGivesItBack) {
    const CountedInterrupts counted;
    const int before = interrupts_counted;
    {
        const cli::InterruptCatcher catcher;
        EXPECT_FALSE(catcher.Caught());
        std::raise(SIGINT);
        EXPECT_TRUE(catcher.Caught());
        std::raise(SIGINT);  // a second Ctrl+C is caught as well, not left to the default
        EXPECT_EQ(interrupts_counted, before);
    }
    std::raise(SIGINT);
    EXPECT_EQ(interrupts_counted, before + 1);
    const cli::InterruptCatcher again;
    EXPECT_FALSE(again.Caught()) << "a new catcher starts clear";
}

// SIGINT is raised every millisecond until the runner stops, so that it comes while the analysis
// (a tenth of a second or more) works: exit 130, nothing printed, no par sheet.
TEST(InterruptTest, CtrlCStopsTheExactAnalysisWithNoSummaryAndNoParSheet) {
    const TempDir dir;
    std::filesystem::copy_file(SourceFile("games/ReelSetup.ini"), dir / "ReelSetup.ini");
    const std::filesystem::path par = dir / "par.csv";
    const CountedInterrupts counted;
    auto run = std::async(std::launch::async, [&] {
        return RunInProcess({dir.path().string(), "--exact", "--par", par.string()});
    });
    while (run.wait_for(std::chrono::milliseconds(1)) != std::future_status::ready)
        std::raise(SIGINT);
    const auto result = run.get();
    EXPECT_EQ(result.exit_code, 130);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, "kragmoor-sim: interrupted\n");
    EXPECT_EQ(dir.Files(), std::set<std::string>{"ReelSetup.ini"});
}

TEST(AnalysisBarTest, ShowsTheShareDoneAndTheTimeLeft) {
    const std::tuple<double, double, std::string> cases[] = {
        {0.0, 1.0, "Exact analysis [..........] 0%  --:-- left"},
        {0.25, 3.0, "Exact analysis [##........] 25%  0:09 left"},
        {0.5, 30.0, "Exact analysis [#####.....] 50%  0:30 left"},
        {1.0, 61.0, "Exact analysis [##########] 100%  0:00 left"},
    };
    for (const auto& [fraction, seconds, line] : cases) {
        EXPECT_EQ(cli::AnalysisBar::Line(fraction, seconds, 10), line);
    }
}

}  // namespace
}  // namespace kragmoor
