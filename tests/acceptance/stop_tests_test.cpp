// The acceptance tests against generators whose faults are known: a fair one passes, and each
// test catches the fault it is there for (a stop drawn twice as often, halves that stick, a stop
// that repeats, a reel that copies its neighbour) while the chi-square stays blind to the faults
// that leave the frequencies uniform.
#include "engine/acceptance/stop_tests.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <random>
#include <stdexcept>

#include "engine/acceptance/acceptance_verdict.h"

namespace kragmoor::acceptance {
namespace {

constexpr std::array<int, 5> kLengths = {30, 31, 32, 33, 34};
constexpr std::int64_t kDraws = 200000;

// A fair generator with a fault of one kind on reel 2 (reel 1 for the copy), each fault at a
// rate that a generator in a cabinet could plausibly show and a report must catch.
enum class Fault { kNone, kDoubleStop, kStickyHalves, kRepeats, kCopiesNeighbour };

class Generator {
  public:
    explicit Generator(Fault fault) : fault_(fault), engine_(2026) {}

    int operator()(int reel) {
        const int length = kLengths[static_cast<std::size_t>(reel)];
        int stop = Uniform(length);
        if (reel == 2 && fault_ == Fault::kDoubleStop) {
            stop = Uniform(length + 1) % length;  // stop 0 twice as likely as any other
        } else if (reel == 2 && fault_ == Fault::kStickyHalves) {
            stop = StickyHalf(length);
        } else if (reel == 2 && fault_ == Fault::kRepeats && Chance(0.05)) {
            stop = last_[2];
        } else if (reel == 1 && fault_ == Fault::kCopiesNeighbour && Chance(0.05)) {
            stop = last_[0] % length;
        }
        last_[static_cast<std::size_t>(reel)] = stop;
        return stop;
    }

  private:
    int Uniform(int n) { return std::uniform_int_distribution<int>(0, n - 1)(engine_); }
    bool Chance(double p) { return std::bernoulli_distribution(p)(engine_); }
    // The next stop stays in the half of the last one 55 times in 100, uniform within the half:
    // every stop remains equally likely.
    int StickyHalf(int length) {
        const int half = length / 2;
        const bool low = (last_[2] < half) == Chance(0.55);
        return Uniform(half) + (low ? 0 : half);
    }

    Fault fault_;
    std::mt19937_64 engine_;
    std::array<int, 5> last_{};
};

std::vector<TestResult> DrawAll(Fault fault) {
    Generator generator(fault);
    return TestStops(kLengths, kDraws, [&](int reel) { return generator(reel); });
}

const TestResult& Find(const std::vector<TestResult>& results, StopTest test, int reel,
                       int other = -1) {
    const auto at = std::find_if(results.begin(), results.end(), [&](const TestResult& r) {
        return r.test == test && r.reel == reel && r.other_reel == other;
    });
    if (at == results.end()) throw std::out_of_range("no such test");
    return *at;
}

TEST(StopTests, AFairGeneratorPassesEveryTestInItsOrder) {
    const std::vector<TestResult> results = DrawAll(Fault::kNone);
    ASSERT_EQ(results.size(), 5u * 3u + 10u);
    EXPECT_EQ(results[3].test, StopTest::kChiSquare);
    EXPECT_EQ(results[3].reel, 1);
    EXPECT_EQ(results[3].degrees, 30);
    EXPECT_EQ(results[14].test, StopTest::kSerialCorrelation);
    EXPECT_EQ(std::pair(results[15].reel, results[15].other_reel), std::pair(0, 1));
    EXPECT_EQ(std::pair(results.back().reel, results.back().other_reel), std::pair(3, 4));
    for (const TestResult& r : results) {
        EXPECT_GE(r.p_value, 0.0);
        EXPECT_LE(r.p_value, 1.0);
        EXPECT_EQ(r.passed, r.p_value >= kSignificance);
    }
    const Verdict v = Judge(results);
    EXPECT_TRUE(v.passed);
    EXPECT_EQ(v.tests, 25);
    EXPECT_DOUBLE_EQ(v.family_bound, 0.01 / 25);
}

TEST(StopTests, EachFaultFailsItsOwnTestAndTheVerdict) {
    struct Case {
        Fault fault;
        StopTest test;
        int reel, other;
        bool uniform;      // the fault leaves every stop equally likely
        double low, high;  // bounds of the statistic, which says which way the fault goes
    };
    const double any = 1e300;  // no bound
    const Case cases[] = {
        {Fault::kDoubleStop, StopTest::kChiSquare, 2, -1, false, -any, any},
        {Fault::kStickyHalves, StopTest::kRuns, 2, -1, true, -any, -10},           // fewer runs
        {Fault::kRepeats, StopTest::kSerialCorrelation, 2, -1, true, 0.04, 0.06},  // 1 in 20
        {Fault::kCopiesNeighbour, StopTest::kReelCorrelation, 0, 1, true, -any, any},
    };
    for (const Case& c : cases) {
        const std::vector<TestResult> results = DrawAll(c.fault);
        const Verdict v = Judge(results);
        const TestResult& caught = Find(results, c.test, c.reel, c.other);
        EXPECT_LT(caught.p_value, v.family_bound) << static_cast<int>(c.fault);
        EXPECT_FALSE(caught.passed);
        EXPECT_GT(caught.statistic, c.low);
        EXPECT_LT(caught.statistic, c.high);
        EXPECT_FALSE(v.passed);
        const int reel = c.other < 0 ? c.reel : c.other;
        EXPECT_EQ(Find(results, StopTest::kChiSquare, reel).passed, c.uniform)
            << static_cast<int>(c.fault);
    }
}

TEST(StopTests, StopsOffTheStripAndTooFewDrawsAreRefused) {
    EXPECT_THROW(TestStops(kLengths, 10, [](int reel) { return reel == 4 ? 34 : 0; }),
                 std::out_of_range);
    EXPECT_THROW(TestStops(kLengths, 1, [](int) { return 0; }), std::invalid_argument);
    const std::array<int, 2> too_short = {1, 5};
    EXPECT_THROW(TestStops(too_short, 10, [](int) { return 0; }), std::invalid_argument);
}

// A generator stuck on one stop leaves no spread to correlate and no runs to count: every test
// fails instead of dividing by zero.
TEST(StopTests, AStuckGeneratorFailsEveryTest) {
    const std::vector<TestResult> results = TestStops(kLengths, 1000, [](int) { return 0; });
    for (const TestResult& r : results) EXPECT_FALSE(r.passed);
}

}  // namespace
}  // namespace kragmoor::acceptance
