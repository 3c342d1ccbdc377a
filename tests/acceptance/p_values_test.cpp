// The p-values against the tables every statistician has: chi-square and normal critical values,
// and the incomplete gamma function where it has a closed form.
#include "engine/acceptance/p_values.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kragmoor::acceptance {
namespace {

TEST(PValues, ChiSquareCriticalValuesGiveTheirLevels) {
    struct Case {
        double statistic, degrees, p;
    };
    // The 5 %, 1 % and 0.1 % points of small and of strip-sized degrees of freedom, both sides of
    // the switch from the series to the continued fraction.
    const Case cases[] = {{3.841459, 1, 0.05},      {6.634897, 1, 0.01},   {23.209251, 10, 0.01},
                          {18.307038, 10, 0.05},    {2.558212, 10, 0.99},  {62.428121, 39, 0.01},
                          {149.449252, 100, 0.001}, {70.064895, 100, 0.99}};
    for (const Case& c : cases) {
        EXPECT_NEAR(ChiSquarePValue(c.statistic, c.degrees), c.p, c.p * 1e-6)
            << c.statistic << " on " << c.degrees;
    }
    EXPECT_EQ(ChiSquarePValue(0, 5), 1.0);
}

TEST(PValues, GammaOfShapeOneIsTheExponentialAndTwoSidedNormalTails) {
    for (const double x : {0.1, 1.0, 1.9, 2.1, 10.0, 50.0}) {
        EXPECT_NEAR(RegularizedUpperGamma(1.0, x), std::exp(-x), 1e-14 * std::exp(-x) + 1e-300)
            << x;
        // Shape 2: (1 + x) e^-x.
        EXPECT_NEAR(RegularizedUpperGamma(2.0, x), (1 + x) * std::exp(-x), 1e-13) << x;
    }
    EXPECT_NEAR(NormalPValue(1.959964), 0.05, 1e-7);
    EXPECT_NEAR(NormalPValue(-2.575829), 0.0100000088, 1e-9);
    EXPECT_EQ(NormalPValue(0), 1.0);
}

}  // namespace
}  // namespace kragmoor::acceptance
