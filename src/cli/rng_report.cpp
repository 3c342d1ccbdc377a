#include "cli/rng_report.h"

#include <cstdio>

#include "cli/json_text.h"
#include "model/text_format.h"

namespace kragmoor::cli {

namespace {

using acceptance::StopTest;
using acceptance::TestResult;

std::vector<int> Lengths(const std::int16_t (&last)[kReels]) {
    std::vector<int> lengths;
    for (const std::int16_t l : last) lengths.push_back(l + 1);
    return lengths;
}

std::string Printed(const char* format, double value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, format, value);
    return buffer;
}

// Six decimals, and a p-value too small for them with its exponent.
std::string PValueText(double p) {
    return p > 0 && p < 0.0001 ? Printed("%.3e", p) : Printed("%.6f", p);
}

const char* TestName(StopTest test) {
    switch (test) {
        case StopTest::kChiSquare:
            return "chi-square of the stops";
        case StopTest::kRuns:
            return "runs above/below the median";
        case StopTest::kSerialCorrelation:
            return "serial correlation, lag 1";
        case StopTest::kReelCorrelation:
            break;
    }
    return "correlation between reels";
}

const char* TestKey(StopTest test) {
    switch (test) {
        case StopTest::kChiSquare:
            return "chi_square";
        case StopTest::kRuns:
            return "runs";
        case StopTest::kSerialCorrelation:
            return "serial_correlation";
        case StopTest::kReelCorrelation:
            break;
    }
    return "reel_correlation";
}

std::string StatisticText(const TestResult& r) {
    switch (r.test) {
        case StopTest::kChiSquare:
            return Printed("%.4f", r.statistic) + " (" + std::to_string(r.degrees) + " df)";
        case StopTest::kRuns:
            return "z = " + Printed("%.4f", r.statistic);
        default:
            return "r = " + Printed("%.6f", r.statistic);
    }
}

std::string ReelsText(const TestResult& r) {
    if (r.other_reel < 0) return "reel " + std::to_string(r.reel);
    return "reels " + std::to_string(r.reel) + "-" + std::to_string(r.other_reel);
}

void AppendSet(std::string& out, const StripSetResults& set) {
    out += "\nThe " + std::string(set.name) + " strips, reels of";
    for (std::size_t r = 0; r < set.lengths.size(); ++r) {
        out += (r > 0 ? ", " : " ") + std::to_string(set.lengths[r]);
    }
    out += " stops:\n";
    for (const TestResult& r : set.results) {
        text::AppendLeft(out, "  " + ReelsText(r), 12);
        text::AppendLeft(out, TestName(r.test), 30);
        text::AppendLeft(out, StatisticText(r), 22);
        text::AppendLeft(out, "p = " + PValueText(r.p_value), 13);  // "p = 1.234e-05"
        out += r.passed ? "  pass\n" : "  FAIL\n";
    }
}

// A fair generator fails about 1 test in 100 at 1 %, so the verdict holds the tests together.
std::string VerdictText(const acceptance::Verdict& v) {
    const std::string tests = std::to_string(v.tests);
    std::string out = v.passed ? "\nVerdict: pass. " : "\nVerdict: FAIL. ";
    out +=
        std::to_string(v.failed) + " of " + tests +
        " tests below 1 % (a fair generator fails about 1 in 100 by chance);\n" +
        (v.below_family_bound == 0 ? std::string("none") : std::to_string(v.below_family_bound)) +
        " below " + PValueText(v.family_bound) + " = 1 % / " + tests +
        ", the bound that holds all " + tests + " tests together to 99 %.\n";
    return out;
}

std::string TestJson(const TestResult& r) {
    std::string json = "{\"test\": \"" + std::string(TestKey(r.test)) + "\", \"reels\": [" +
                       std::to_string(r.reel);
    if (r.other_reel >= 0) json += ", " + std::to_string(r.other_reel);
    json += "], \"statistic\": " + JsonNumber(r.statistic);
    if (r.test == StopTest::kChiSquare) {
        json += ", \"degrees_of_freedom\": " + std::to_string(r.degrees);
    }
    json += ", \"p_value\": " + JsonNumber(r.p_value) +
            ", \"pass\": " + (r.passed ? "true" : "false") + "}";
    return json;
}

std::string SetJson(const StripSetResults& set) {
    std::vector<std::string> lengths, tests;
    for (const int l : set.lengths) lengths.push_back(std::to_string(l));
    std::string json = "{\"strips\": " + JsonString(set.name) +
                       ", \"lengths\": " + JsonArray(lengths) + ", \"tests\": [";
    for (std::size_t i = 0; i < set.results.size(); ++i) {
        json += (i > 0 ? ",\n      " : "\n      ") + TestJson(set.results[i]);
    }
    return json + "\n    ]}";
}

}  // namespace

RngReport TestGameStops(const GameDefinition& def, std::int32_t seed, std::int64_t draws,
                        const acceptance::StopSource& base, const acceptance::StopSource& free) {
    RngReport report;
    report.seed = seed;
    report.draws = draws;
    report.sets.push_back({"base", Lengths(def.ReelLen), {}});
    report.sets.push_back({"free-spin", Lengths(def.FsReelLen), {}});
    report.sets[0].results = acceptance::TestStops(report.sets[0].lengths, draws, base);
    report.sets[1].results = acceptance::TestStops(report.sets[1].lengths, draws, free);
    std::vector<TestResult> all = report.sets[0].results;
    all.insert(all.end(), report.sets[1].results.begin(), report.sets[1].results.end());
    report.verdict = acceptance::Judge(all);
    return report;
}

std::string RngReportText(const GameDefinition& def, const RngReport& report) {
    std::string out = "RNG acceptance report of " + def.GameVersion + ": seed " +
                      text::Decimal(report.seed) + ", " +
                      text::Trimmed(text::Mask(report.draws, "# ### ### ### ##0")) +
                      " draws per reel.\nEach test passes at 99 %: p-value 0.01 or more.\n";
    for (const StripSetResults& set : report.sets) AppendSet(out, set);
    out += VerdictText(report.verdict);
    return out;
}

std::string RngReportJson(const GameDefinition& def, const RngReport& report) {
    const acceptance::Verdict& v = report.verdict;
    std::string sets = "[";
    for (std::size_t i = 0; i < report.sets.size(); ++i) {
        sets += (i > 0 ? ",\n    " : "\n    ") + SetJson(report.sets[i]);
    }
    sets += "\n  ]";
    JsonObject json;
    json.Add("version", JsonString(def.GameVersion));
    json.Add("seed", text::Decimal(report.seed));
    json.Add("draws_per_reel", text::Decimal(report.draws));
    json.Add("significance", JsonNumber(acceptance::kSignificance));
    json.Add("strip_sets", sets);
    json.Add("tests", std::to_string(v.tests));
    json.Add("failed", std::to_string(v.failed));
    json.Add("family_bound", JsonNumber(v.family_bound));
    json.Add("below_family_bound", std::to_string(v.below_family_bound));
    json.Add("verdict", v.passed ? "\"pass\"" : "\"fail\"");
    return json.Text();
}

}  // namespace kragmoor::cli
