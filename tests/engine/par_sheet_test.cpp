// The par sheet's CSV read back, its RFC 4180 quoting, the odds rules, the table's cells, a run's
// verdict.
#include "engine/analysis/par_sheet.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>
#include <tuple>
#include <vector>

#include "engine/analysis/exact_analysis.h"
#include "engine/analysis/par_sheet_text.h"
#include "engine/analysis/run_verdict.h"
#include "engine_fixture.h"
#include "model/definition_reader.h"

namespace kragmoor::test {
namespace {

// Splits one CSV record (no line end) into its fields, undoing RFC 4180 quoting.
std::vector<std::string> Fields(const std::string& record) {
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (std::size_t i = 0; i < record.size(); ++i) {
        const char c = record[i];
        if (quoted && c == '"' && i + 1 < record.size() && record[i + 1] == '"') {
            fields.back() += '"';
            ++i;
        } else if (c == '"') {
            quoted = !quoted;
        } else if (c == ',' && !quoted) {
            fields.emplace_back();
        } else {
            fields.back() += c;
        }
    }
    return fields;
}

double Number(const std::string& field) {
    char* end = nullptr;
    const double value = std::strtod(field.c_str(), &end);
    EXPECT_EQ(*end, '\0') << field;
    return value;
}

// Both tables, the free spins' after an empty line, read back: each its header, its rows (the
// doubles as they are, the counts whole, "1 in" the cycle over the count to two decimals and a
// whole pay's share to ten), the totals of its lines and its scatters, and its total.
TEST(ParSheet, EveryCombinationReadsBackFromTheCsvAndTheSharesMakeTheRtp) {
    GameDefinition def = ReadDefinition(test::SourceFile("games/ReelSetup.ini"));
    def.SymbolName[0] = "Moss, \"old\"";
    const ExactAnalysis a = AnalyseGame(def);
    const std::string csv = ParSheetCsv(def, a);
    ASSERT_EQ(csv.substr(csv.size() - 2), "\r\n");
    EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), std::count(csv.begin(), csv.end(), '\r'));
    const std::vector<std::string> records = Lines(csv);
    const FreeSpinTable& free = a.free_spins;
    ASSERT_EQ(records.size(), a.combinations.size() + free.combinations.size() + 9);
    EXPECT_EQ(records[1].substr(0, 18), "\"Moss, \"\"old\"\"\",3,");
    std::size_t at = 0;
    // Returns the table's lines, scatters and total rows.
    const auto table = [&](const std::vector<Combination>& rows, std::uint64_t cycle,
                           const std::string& header) {
        EXPECT_EQ(records[at++], header);
        double shares = 0;
        unsigned long long windows[2] = {};  // of the lines and of the scatters
        for (const Combination& c : rows) {
            const auto f = Fields(records[at++]);
            EXPECT_EQ(f.size(), 10u) << records[at - 1];
            if (f.size() != 10u) continue;
            const std::uint64_t one = std::stoull(f[7]), all = std::stoull(f[8]);
            const bool line = c.kind != CombinationKind::kScatters &&
                              c.kind != CombinationKind::kFeature &&
                              c.kind != CombinationKind::kRetrigger;
            EXPECT_EQ(std::tuple(f[0], f[6], Number(f[2]), Number(f[3]), all, std::stoull(f[9])),
                      std::tuple(CombinationLabel(def, c), OddsFlagText(c.odds_flags), c.pay,
                                 c.hits_per_game, line ? 20 * one : one, cycle));
            EXPECT_EQ(static_cast<double>(all) / static_cast<double>(cycle), c.hits_per_game);
            // 1 in cycle / all, rounded half up to hundredths in whole numbers.
            const std::uint64_t hundredths = all == 0 ? 0 : (200 * cycle / all + 1) / 2;
            EXPECT_EQ(f[4], all == 0 ? "inf"
                                     : std::to_string(hundredths / 100) + "." +
                                           std::to_string(hundredths % 100 / 10) +
                                           std::to_string(hundredths % 10))
                << records[at - 1];
            if (c.kind == CombinationKind::kFeature) {
                EXPECT_EQ(Number(f[5]), c.rtp_share_percent);
            } else {
                EXPECT_EQ(f[5].size() - f[5].find('.'), 11u) << f[5];
                EXPECT_NEAR(Number(f[5]), c.rtp_share_percent, 5e-11);
                windows[line ? 0 : 1] += c.kind == CombinationKind::kRetrigger ? 0 : all;
            }
            shares += c.rtp_share_percent;
        }
        const std::array<std::vector<std::string>, 3> totals = {
            Fields(records[at]), Fields(records[at + 1]), Fields(records[at + 2])};
        at += 3;
        EXPECT_EQ(std::tuple(totals[0][0], totals[1][0], totals[2][0], totals[0][7]),
                  std::tuple("Total lines", "Total scatters", "Total", ""));
        EXPECT_EQ(std::pair(std::stoull(totals[0][8]), std::stoull(totals[1][8])),
                  std::pair(windows[0], windows[1]));
        EXPECT_NEAR(Number(totals[2][5]), shares, 1e-9);
        return totals;
    };
    const auto base = table(a.combinations, 32 * 34 * 36 * 38 * 40,
                            "symbol,count,pay,hits_per_game,one_in_games,rtp_share_percent,"
                            "odds_flag,windows_one_line,windows_all_lines,full_cycle");
    EXPECT_NEAR(Number(base[0][5]), a.rtp.base_lines_percent, 1e-9);
    EXPECT_NEAR(Number(base[1][5]), a.rtp.base_scatter_percent, 1e-9);
    EXPECT_EQ(std::tuple(Number(base[2][3]), Number(base[2][5]),
                         static_cast<double>(std::stoull(base[2][8])) / (32 * 34 * 36 * 38 * 40)),
              std::tuple(a.hit_frequency, a.rtp.total_percent, a.hit_frequency));
    EXPECT_EQ(records[at++], "");
    const auto spins = table(free.combinations, free.full_cycle,
                             "symbol,count,pay,hits_per_free_spin,one_in_free_spins,"
                             "rtp_share_percent,odds_flag,windows_one_line,windows_all_lines,"
                             "free_spins_cycle");
    EXPECT_EQ(std::stoull(spins[2][8]), free.winning_windows);
    EXPECT_NEAR(Number(spins[2][5]), a.combinations.back().rtp_share_percent, 1e-9);
}

// One wild a reel of L positions: five wilds 20 / L^5 a game; no scatter, so no feature.
TEST(ParSheet, OddsRulesFlagRareAwards) {
    const std::pair<int, unsigned> cases[] = {
        {40, 0u},
        {50, kRarerThanBasePatternLimit},
        {101, kRarerThanBasePatternLimit | kRarerThanAwardLimit}};
    for (const auto& [positions, flags] : cases) {
        GameDefinition def = SmallGame();
        std::string strip = "W";
        for (int p = 1; p < positions; ++p) strip += "0123456789A"[p % 11];
        for (int r = 0; r < kReels; ++r) SetStrip(def, r, strip);
        const ExactAnalysis a = AnalyseGame(def);
        const auto jackpot =
            std::find_if(a.combinations.begin(), a.combinations.end(),
                         [](auto& x) { return x.kind == CombinationKind::kJackpot; });
        ASSERT_NE(jackpot, a.combinations.end());
        EXPECT_NEAR(jackpot->one_in_games, std::pow(positions, 5) / 20, 1e-6);
        EXPECT_EQ(jackpot->odds_flags, flags) << positions;
        const Combination& feature = a.combinations.back();
        EXPECT_EQ(std::tuple(feature.kind, feature.one_in_games, feature.odds_flags),
                  std::tuple(CombinationKind::kFeature, INFINITY, kRarerThanAwardLimit));
        EXPECT_EQ(Fields(Lines(ParSheetCsv(def, a))[a.combinations.size()])[4], "inf");
    }
    EXPECT_EQ(OddsFlagText(kRarerThanAwardLimit | kRarerThanBasePatternLimit),
              "award rarer than 1 in 100000000 (GLI-11); "
              "base-game pattern rarer than 1 in 7000000 (AU/NZ)");
}

TEST(RunVerdict, ZScoreAgainstTheExactRtp) {
    struct Case {
        double sd, simulated;
        std::int64_t games;
        double z;
        Verdict verdict;
    };
    const Case cases[] = {
        {5, 95.0, 1000000, 0, Verdict::kPass},      {5, 95.97, 1000000, 1.94, Verdict::kPass},
        {5, 94.0, 1000000, -2, Verdict::kWarn},     {5, 96.28, 1000000, 2.56, Verdict::kWarn},
        {5, 93.7, 1000000, -2.6, Verdict::kFail},   {0, 95.0, 100, 0, Verdict::kPass},
        {0, 95.1, 100, INFINITY, Verdict::kFail},   {5, 95.0, 0, NAN, Verdict::kNone},
        {INFINITY, 95.0, 100, NAN, Verdict::kNone},
    };
    for (const Case& c : cases) {
        const RunVerdict v = JudgeRun(95.0, c.sd, c.simulated, c.games);
        EXPECT_EQ(v.verdict, c.verdict) << c.simulated;
        EXPECT_TRUE(std::isnan(c.z) ? std::isnan(v.z_score)
                                    : v.z_score == c.z || std::fabs(v.z_score - c.z) < 1e-9)
            << c.simulated << ": " << v.z_score;
    }
}

}  // namespace
}  // namespace kragmoor::test
