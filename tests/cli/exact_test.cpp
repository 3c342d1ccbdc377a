// kragmoor-sim --exact, --par and a run's verdict, in this process: every figure printed against
// the exact analysis computed through the engine, the par sheet read back, par sheets that cannot
// be written, and a run's z-score recomputed from the figures it prints.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>

#include "cli/progress.h"
#include "cli_test_support.h"
#include "engine/exact_analysis.h"
#include "engine/par_sheet.h"
#include "engine/session.h"
#include "json_reader.h"

namespace kragmoor {
namespace {

using namespace test;  // directories, files, the runner and the JSON reader

const std::filesystem::path kBundledGame = SourceFile("games/ReelSetup.ini");

std::string Fixed(double value, int decimals) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    return buffer;
}

// JSON numbers carry 15 significant digits.
void ExpectClose(const Json& json, double value, const std::string& what) {
    ASSERT_EQ(json.type, Json::Type::kNumber) << what;
    EXPECT_NEAR(json.number, value, 1e-14 * std::max(1.0, std::fabs(value))) << what;
}

// The value of a row of the --exact figures: its label fills the first 28 characters.
std::string Row(const std::string& summary, const std::string& label, std::size_t width = 28) {
    for (const std::string& line : OutputLines(summary)) {
        if (line.size() > width && line.starts_with(label) &&
            line.find_first_not_of(' ', label.size()) == width) {
            return line.substr(width);
        }
    }
    return "<no row " + label + ">";
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

std::string BundledGameWith(const std::vector<std::pair<std::string, std::string>>& edits) {
    std::string game = ReadFile(kBundledGame);
    for (const auto& [from, to] : edits) {
        std::size_t at = game.find(from);
        EXPECT_NE(at, std::string::npos) << from;
        for (; at != std::string::npos; at = game.find(from, at + to.size())) {
            game.replace(at, from.size(), to);
        }
    }
    return game;
}

TEST(ExactTest, TextShowsEveryFigureOfTheAnalysis) {
    const TempDir dir;
    std::filesystem::copy_file(kBundledGame, dir / "ReelSetup.ini");
    const ExactAnalysis a = AnalyseGame(ReadGameDefinition(dir.path()));
    const auto run = RunInProcess({dir.path().string(), "--exact"});
    ASSERT_EQ(run.exit_code, 0) << run.err;
    EXPECT_EQ(run.err, "");
    const std::string& out = run.out;

    EXPECT_EQ(Row(out, "RTP"), Fixed(a.rtp.total_percent, 6) + "%");
    EXPECT_EQ(Row(out, "Hit frequency"), Fixed(100 * a.hit_frequency, 6) + "% (1 in " +
                                             Fixed(1 / a.hit_frequency, 2) + " games)");
    EXPECT_EQ(Row(out, "Standard deviation"),
              Fixed(a.sd_per_game, 6) + " bets a game (its feature included)");
    EXPECT_EQ(Row(out, "Volatility index"), Fixed(a.volatility_index[0], 4) + " (90 %), " +
                                                Fixed(a.volatility_index[1], 4) + " (95 %), " +
                                                Fixed(a.volatility_index[2], 4) + " (99 %)");
    EXPECT_EQ(Row(out, "Largest base-game win"),
              std::to_string(a.max_base_win) + " credits (" +
                  Fixed(static_cast<double>(a.max_base_win) / 20, 2) + " bets)");

    // Each range is the exact RTP +/- z sd / sqrt(N), worked out here from the deviation alone.
    const auto ranges = Block(out, "The RTP of a run of N games");
    ASSERT_EQ(ranges.size(), 8u) << out;  // the heading and 10^3 .. 10^9 games
    const double z[] = {1.645, 1.960, 2.576};
    for (std::size_t row = 1; row < ranges.size(); ++row) {
        const double games = std::pow(10.0, static_cast<double>(row + 2));
        std::istringstream fields(ranges[row].substr(15));
        for (std::size_t k = 0; k < 3; ++k) {
            double low = 0, high = 0;
            std::string to;
            fields >> low >> to >> high;
            const double half = 100 * z[k] * a.sd_per_game / std::sqrt(games);
            EXPECT_NEAR(low, a.rtp.total_percent - half, 6e-4) << ranges[row];
            EXPECT_NEAR(high, a.rtp.total_percent + half, 6e-4) << ranges[row];
        }
    }

    const auto bins = Block(out, "The base game's own win");
    ASSERT_EQ(bins.size(), 1 + a.base_win_distribution.size()) << out;
    double total = 0;
    for (std::size_t b = 0; b < a.base_win_distribution.size(); ++b) {
        EXPECT_TRUE(bins[b + 1].ends_with(" " + Fixed(100 * a.base_win_distribution[b], 6) + "%"))
            << bins[b + 1];
        total += std::stod(bins[b + 1].substr(16));
    }
    EXPECT_NEAR(total, 100.0, 1e-5);
    EXPECT_TRUE(bins[1].starts_with("  0 or less ") && bins.back().starts_with("  over 100 "));

    // One line per combination, in the analysis's order, with its figures.
    const auto table = Block(out, "Paying combinations");
    ASSERT_EQ(table.size(), a.combinations.size() + 3) << out;  // column heads, legend (2 lines)
    const GameDefinition def = ReadGameDefinition(dir.path());
    for (std::size_t i = 0; i < a.combinations.size(); ++i) {
        const Combination& c = a.combinations[i];
        const std::string& line = table[i + 1];
        char hits[32];
        std::snprintf(hits, sizeof hits, " %.6e ", c.hits_per_game);
        EXPECT_TRUE(line.starts_with("  " + CombinationLabel(def, c) + " ")) << line;
        EXPECT_NE(line.find(hits), std::string::npos) << line;
        EXPECT_TRUE(line.ends_with(" " + Fixed(c.rtp_share_percent, 6) + "%")) << line;
        EXPECT_EQ(c.odds_flags, 0u) << "the bundled game keeps the odds rules";
    }
    EXPECT_NE(out.find("\nOdds rules: every combination comes often enough.\n"), std::string::npos);
    EXPECT_TRUE(out.ends_with(
        "\nThe designed RTP agrees with the exact RTP within 0.01 percentage points.\n"));
}

// The bundled game with base reel 5's only Thane made a Horn (so five Thanes never come and are
// flagged), Moss renamed "=Moss" (a spreadsheet would read a formula) and a header RTP of 97 %.
TEST(ExactTest, JsonAndParSheetHoldEveryCombinationAndFlag) {
    const TempDir dir;
    WriteFile(dir / "ReelSetup.ini",
              BundledGameWith({{"Lantern,   Thane,      _", "Lantern,   Horn,       _"},
                               {"Moss,", "=Moss,"},
                               {" Game RTP: 95,74 %", " Game RTP: 97,00 %"}}));
    const GameDefinition def = ReadGameDefinition(dir.path());
    const ExactAnalysis a = AnalyseGame(def);
    ASSERT_NE(a.designed_rtp_note, "");
    const std::filesystem::path par = dir / "par sheet.csv";
    const auto run =
        RunInProcess({dir.path().string(), "--exact", "--json", "--par", par.string()});
    ASSERT_EQ(run.exit_code, 0) << run.err;
    EXPECT_EQ(run.err, "");

    const Json json = JsonReader::Read(run.out);
    const std::vector<std::string> first_keys = {"version",
                                                 "designed_rtp_percent",
                                                 "rtp_percent",
                                                 "base_lines_percent",
                                                 "base_scatter_percent",
                                                 "feature_percent",
                                                 "trigger_probability",
                                                 "retrigger_probability",
                                                 "free_spins_per_feature",
                                                 "free_spin_win",
                                                 "win_events_per_game",
                                                 "jackpot_lines_per_game"};
    ASSERT_GE(json.keys.size(), first_keys.size());
    EXPECT_EQ(std::vector(json.keys.begin(), json.keys.begin() + 12), first_keys);
    ExpectClose(json["rtp_percent"], a.rtp.total_percent, "rtp_percent");
    ExpectClose(json["hit_frequency"], a.hit_frequency, "hit_frequency");
    ExpectClose(json["sd_per_game"], a.sd_per_game, "sd_per_game");
    ExpectClose(json["vi90"], 1.645 * a.sd_per_game, "vi90");
    ExpectClose(json["vi95"], 1.960 * a.sd_per_game, "vi95");
    ExpectClose(json["vi99"], 2.576 * a.sd_per_game, "vi99");
    ExpectClose(json["feature_win"], a.feature.win_mean, "feature_win");
    EXPECT_EQ(json["max_base_win"].number, static_cast<double>(a.max_base_win));
    EXPECT_EQ(json["designed_rtp_note"].text, a.designed_rtp_note);

    const Json& bins = json["base_win_distribution"];
    EXPECT_EQ(bins.keys, (std::vector<std::string>{"<=0", "<=1", "<=2", "<=5", "<=10", "<=20",
                                                   "<=50", "<=100", ">100"}));
    for (std::size_t b = 0; b < bins.keys.size(); ++b) {
        ExpectClose(bins[bins.keys[b]], a.base_win_distribution[b], bins.keys[b]);
    }
    const Json& ranges = json["rtp_ranges"];
    ASSERT_EQ(ranges.items.size(), 7u);
    EXPECT_EQ(ranges[6]["games"].number, 1e9);
    ExpectClose(ranges[3]["low_percent"][1], a.rtp_ranges[3].low_percent[1], "10^6 games, 95 %");

    const Json& combinations = json["combinations"];
    ASSERT_EQ(combinations.items.size(), a.combinations.size());
    EXPECT_EQ(combinations[0]["symbol"].text, "=Moss") << "JSON needs no neutralising";
    std::vector<std::string> flagged;
    for (std::size_t i = 0; i < a.combinations.size(); ++i) {
        const Combination& c = a.combinations[i];
        const Json& row = combinations[i];
        EXPECT_EQ(row["symbol"].text, CombinationLabel(def, c));
        EXPECT_EQ(row["count"].number, c.count);
        ExpectClose(row["pay"], c.pay, "pay");
        ExpectClose(row["hits_per_game"], c.hits_per_game, "hits_per_game");
        ExpectClose(row["rtp_share_percent"], c.rtp_share_percent, "rtp_share_percent");
        if (std::isinf(c.one_in_games)) {
            EXPECT_TRUE(row["one_in_games"].IsNull());
        } else {
            ExpectClose(row["one_in_games"], c.one_in_games, "one_in_games");
        }
        if (c.odds_flags != 0)
            flagged.push_back(row["symbol"].text + " " + std::to_string(c.count));
    }
    EXPECT_EQ(flagged, std::vector<std::string>{"Thane 5"});
    const Json& flags = json["odds_flags"];
    ASSERT_EQ(flags.items.size(), 1u);
    EXPECT_EQ(flags[0]["symbol"].text, "Thane");
    EXPECT_EQ(flags[0]["odds_flag"].text,
              OddsFlagText(kRarerThanAwardLimit | kRarerThanBasePatternLimit));

    // The par sheet: a header, one row per combination and three totals, each number reading back
    // as the analysis's own.
    const std::string csv = ReadFile(par);
    EXPECT_EQ(csv, ParSheetCsv(def, a));
    const std::vector<std::string> records = Lines(csv);
    ASSERT_EQ(records.size(), 1 + a.combinations.size() + 3);
    EXPECT_TRUE(records[1].starts_with("'=Moss,3,5,")) << records[1];
    for (std::size_t i = 0; i < a.combinations.size(); ++i) {
        std::vector<std::string> f(1);
        for (const char ch : records[i + 1]) {
            if (ch == ',') {
                f.emplace_back();
            } else {
                f.back() += ch;
            }
        }
        ASSERT_EQ(f.size(), 7u) << records[i + 1];
        EXPECT_EQ(std::stod(f[2]), a.combinations[i].pay);
        EXPECT_EQ(std::stod(f[3]), a.combinations[i].hits_per_game);
        EXPECT_EQ(std::stod(f[5]), a.combinations[i].rtp_share_percent);
    }
    EXPECT_TRUE(records.back().starts_with("Total,,,")) << records.back();
}

TEST(ExactTest, AParSheetThatCannotBeWrittenExitsWithOneAfterTheSummary) {
    const TempDir dir;
    CopyReferenceGame(dir);
    std::filesystem::create_directory(dir / "a directory");
    std::vector<std::pair<std::filesystem::path, std::string>> cases = {
        {dir / "a directory", "Is a directory"},
        {dir / "missing" / "par.csv", "No such file or directory"}};
    if (std::filesystem::exists("/dev/full"))
        cases.push_back({"/dev/full", "No space left on device"});
    for (const auto& [path, reason] : cases) {
        SCOPED_TRACE(path);
        const auto run = RunInProcess({dir.path().string(), "--exact", "--par=" + path.string()});
        EXPECT_EQ(run.exit_code, 1);
        EXPECT_EQ(run.err, "kragmoor-sim: cannot write the par sheet " + path.string() + ": " +
                               reason + "\n");
        EXPECT_TRUE(run.out.starts_with("Exact return of G0 reference 1")) << run.out;
    }
    EXPECT_EQ(dir.Files(), (std::set<std::string>{"ReelSetup.ini", "a directory"}));
}

// The verdict of a run of random stops: its z-score is (RTP - exact RTP) / (sd / sqrt(games)),
// recomputed here from the figures printed; an odometer run gets none.
TEST(ExactTest, ARunEndsWithItsVerdictAgainstTheExactRtp) {
    const TempDir dir;
    CopyReferenceGame(dir);
    const ExactAnalysis a = AnalyseGame(ReadGameDefinition(dir.path()));
    const auto run = RunInProcess({dir.path().string(), "--games", "30000", "--json"});
    ASSERT_EQ(run.exit_code, 0) << run.err;
    const Json json = JsonReader::Read(run.out);
    ExpectClose(json["exact_rtp_percent"], a.rtp.total_percent, "exact_rtp_percent");
    ExpectClose(json["sd_per_game"], a.sd_per_game, "sd_per_game");
    const double standard_error =
        100 * json["sd_per_game"].number / std::sqrt(json["games"].number);
    const double z =
        (json["rtp_percent"].number - json["exact_rtp_percent"].number) / standard_error;
    EXPECT_NEAR(json["z_score"].number, z, 1e-9 * std::max(1.0, std::fabs(z)));
    const char* verdict = std::fabs(z) <= 1.96 ? "pass" : std::fabs(z) <= 2.576 ? "warn" : "fail";
    EXPECT_EQ(json["verdict"].text, verdict);

    // The same run as text (the seed is the game's): the same verdict, in rows at its end.
    const TempDir again;
    CopyReferenceGame(again);
    const auto text = RunInProcess({again.path().string(), "--games", "30000"});
    ASSERT_EQ(text.exit_code, 0) << text.err;
    EXPECT_EQ(Row(text.out, "Exact RTP", 22), Fixed(a.rtp.total_percent, 6) +
                                                  "% (standard deviation " +
                                                  Fixed(a.sd_per_game, 6) + " bets a game)");
    EXPECT_EQ(Row(text.out, "z-score", 22), Fixed(json["z_score"].number, 4));
    EXPECT_TRUE(Row(text.out, "Verdict", 22).starts_with(std::string(verdict) + " (")) << text.out;
    EXPECT_TRUE(OutputLines(text.out).back().starts_with("Verdict ")) << text.out;

    const auto odometer =
        RunInProcess({dir.path().string(), "--games", "1000", "--sequential", "--json"});
    ASSERT_EQ(odometer.exit_code, 0) << odometer.err;
    const Json none = JsonReader::Read(odometer.out);
    EXPECT_EQ(none["verdict"].text, "none");
    EXPECT_TRUE(none["z_score"].IsNull());
    ExpectClose(none["exact_rtp_percent"], a.rtp.total_percent, "an odometer run's exact RTP");
}

TEST(ExactTest, AnalysisBarShowsTheShareDoneAndTheTimeLeft) {
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
