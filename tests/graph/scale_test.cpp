#include "numeric/scale.h"

#include <gtest/gtest.h>

#include <vector>

#include "numeric/matrix.h"

namespace lumox {
namespace {

Matrix Column(const std::vector<double>& values) {
    Matrix m(static_cast<uint32_t>(values.size()), 1);
    for (size_t i = 0; i < values.size(); ++i) m.At(static_cast<uint32_t>(i), 0) = values[i];
    return m;
}

TEST(PowerOfTen, MultipliesOrDividesRepeatedly) {
    EXPECT_EQ(PowerOfTen(0), 1.0);
    EXPECT_EQ(PowerOfTen(3), 1000.0);
    EXPECT_EQ(PowerOfTen(-1), 1.0 / 10.0);
    EXPECT_EQ(PowerOfTen(-3), 1.0 / 10.0 / 10.0 / 10.0);
}

struct ScaleCase {
    const char* name;
    std::vector<double> values;
    int intervals;
    bool includeZero;
    int result;
    AxisScale expected;
};

// The expected limits were worked out by hand, step by step through the nice-number search
// (raw step, multiplier search, centring, keeping zero, exponent).
const ScaleCase kCases[] = {
    // d = 1.1 -> step 2 from 2 to 14, one spare interval each side, shifted to 0 .. 12.
    {"spread_3_1_to_9_7", {3.1, 5.0, 9.7}, 6, true, 0, {0, 12, 0, 4}},
    {"zero_to_ten", {0, 10, 4}, 5, false, 0, {0, 10, 0, 4}},
    // step 0.02 reaches only 0.08 < 0.087, so 0.03.
    {"small_decimals", {0.013, 0.05, 0.087}, 4, false, 0, {0, 12, -2, 6}},
    // step 200 > 99.9 lowers the exponent twice: labels in units.
    {"hundreds", {120, 870}, 5, false, 0, {0, 1000, 0, 4}},
    // step 2 from -4 reaches only 4 < 4.1, so 3.
    {"across_zero", {-3.2, 4.1, 0.5}, 4, false, 0, {-6, 6, 0, 6}},
    // step 6000, exponent 3 - 2: numbers 0, 600, ... 2400 times 10.
    {"thousands", {1500, 23000}, 4, false, 0, {0, 2400, 1, 6}},
    // k = -3: the all-negative axis is shifted to end at 0.
    {"all_negative", {-50, -2, -17}, 4, false, 0, {-80, 0, 0, 4}},
    // 2.5 is not a multiplier: step 0.3, not 0.25.
    {"zero_to_one", {0, 1}, 4, false, 0, {0, 12, -1, 6}},
    {"one_to_ten", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, 5, false, 0, {0, 10, 0, 4}},
    // A constant positive column with include-zero runs from 0: d = 1.25 -> step 2.
    {"constant_with_zero", {5, 5, 5, 5}, 4, true, 0, {0, 8, 0, 4}},
    // Only N < 2 failed, yet include-zero moves lo to 0: 0 .. 9.7 in one interval of 10.
    {"one_interval_with_zero", {3.1, 9.7}, 1, true, 0, {0, 10, 0, 5}},
    // The fourth significant digit bounds the step: d = 0.0001 is raised to 1, the data fill
    // one interval of 1000 .. 1004 and the three spare ones are split 2 below, 1 above.
    {"finest_step", {1000.0, 1000.0004}, 4, false, 0, {998, 1002, 0, 5}},
    {"constant", {2.5, 2.5, 2.5, 2.5, 2.5}, 4, false, 1, {}},
    {"constant_zero_with_zero", {0, 0, 0}, 4, true, 1, {}},
    {"constant_negative_with_zero", {-3, -3}, 4, true, 1, {}},
    {"one_interval", {1, 2}, 1, false, 1, {}},
    {"no_intervals", {1, 2}, 0, true, 1, {}},
    {"infinite", {1, 1.0 / 0.0}, 4, false, 1, {}},
    // The spread overflows to infinity: no step (and no logarithm) to be had.
    {"spread_beyond_double", {-1e308, 1e308}, 4, false, 1, {}},
    // Step 4e307 (worked by hand): five steps from 0 reach 2e308, beyond the largest double.
    {"top_beyond_double", {1e307, 1.7e308}, 5, false, 1, {}},
    {"top_beyond_double_with_zero", {1.7e308}, 4, true, 1, {}},
    // 0 .. 5e-324 (the smallest double) in 4 intervals: the step underflows to 0.
    {"step_below_smallest_double", {5e-324}, 4, true, 1, {}},
};

TEST(ScaleAxis, WorkedResultsAndEdgeCases) {
    for (const ScaleCase& c : kCases) {
        const Matrix m = Column(c.values);
        AxisScale scale{9, 9, 9, 9};
        const int result =
            ScaleAxis(m, 0, static_cast<int>(c.values.size()), c.intervals, scale, c.includeZero);
        EXPECT_EQ(result, c.result) << c.name;
        EXPECT_EQ(scale.low, c.expected.low) << c.name;
        EXPECT_EQ(scale.high, c.expected.high) << c.name;
        EXPECT_EQ(scale.exponent, c.expected.exponent) << c.name;
        EXPECT_EQ(scale.minor, c.expected.minor) << c.name;
        if (result == 0) {
            EXPECT_EQ((scale.high - scale.low) % c.intervals, 0) << c.name;
        }
    }
}

TEST(ScaleAxis, ReadsOnlyTheGivenColumnAndCount) {
    Matrix m(4, 2);
    const double values[4][2] = {{9, 0}, {-9, 10}, {99, 5}, {-99, 1000}};
    for (uint32_t i = 0; i < 4; ++i)
        for (uint32_t j = 0; j < 2; ++j) m.At(i, j) = values[i][j];
    AxisScale scale;
    ASSERT_EQ(ScaleAxis(m, 1, 3, 5, scale, false), 0);
    EXPECT_EQ(scale.low, 0);
    EXPECT_EQ(scale.high, 10);
}

}  // namespace
}  // namespace lumox
