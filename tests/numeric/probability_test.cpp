#include "numeric/probability.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

#include "support/accuracy.h"
#include "support/scripted_prompt.h"

namespace lumox {
namespace {

using test::Near;

// Reference values in this file were evaluated separately with python3 and mpmath at 30
// digits: loggamma, the regularized betainc, and t quantiles by bisection on betainc.

TEST(Probability, LogGammaMatchesReferenceValues) {
    struct Case {
        double x, expected;
    };
    const Case cases[] = {{0.5, 0.57236494292470008707},  // ln sqrt(pi)
                          {1.0, 0.0},
                          {3.7, 1.4280723266653881292},
                          {10.0, 12.801827480081469611},  // ln 9!
                          {100.0, 359.13420536957539878}};
    for (const Case& c : cases) {
        // The Lanczos series is good to about 2e-10 absolute.
        EXPECT_NEAR(LogGamma(c.x), c.expected, 1e-9) << c.x;
    }
}

TEST(Probability, IncompleteBetaMatchesReferenceValuesAndItsEnds) {
    struct Case {
        double a, b, x, expected;
    };
    const Case cases[] = {{2.0, 3.0, 0.4, 0.5248},  // polynomial: exact by hand too
                          {0.5, 0.5, 0.2, 0.29516723530086655719},
                          {10.0, 2.0, 0.9, 0.69735688020000009463},
                          {4.0, 7.0, 0.0, 0.0},
                          {4.0, 7.0, 1.0, 1.0}};
    for (const Case& c : cases) {
        EXPECT_TRUE(Near(IncompleteBeta(c.a, c.b, c.x), c.expected, 1e-7, 1e-12))
            << c.a << " " << c.b << " " << c.x;
    }
}

TEST(Probability, StudentTIsTwoTailed) {
    struct Case {
        double t, df, expected;
    };
    const Case cases[] = {{0.0, 1.0, 1.0},
                          {0.0, 37.0, 1.0},
                          {0.0, 1000.0, 1.0},
                          {1.0, 1.0, 0.5},   // Cauchy: 1 - 2 atan(1) / pi
                          {-1.0, 1.0, 0.5},  // the sign does not matter
                          {0.5, 2.0, 2.0 / 3.0},
                          {2.0, 5.0, 0.10193947882985835625},
                          {3.5, 20.0, 0.0022551231530571677739}};
    for (const Case& c : cases) {
        EXPECT_TRUE(Near(StudentTProbability(c.t, c.df), c.expected, 1e-7)) << c.t << " " << c.df;
    }
}

TEST(Probability, FGivesTheSmallerTail) {
    struct Case {
        double f, df1, df2, expected;
    };
    // Upper tails from mpmath; the 0.1 case is 1 minus its upper tail 0.90573080982991589302.
    const Case cases[] = {{0.0, 2.0, 10.0, 1.0},
                          {1.0, 7.0, 7.0, 0.5},
                          {4.0, 2.0, 10.0, 0.052922149401344645972},
                          {0.1, 2.0, 10.0, 0.09426919017008410698},
                          {3.2, 3.0, 40.0, 0.033421180722892925002},
                          {250.0, 1.0, 1.0, 0.040209813666480459242}};
    for (const Case& c : cases) {
        EXPECT_TRUE(Near(FProbability(c.f, c.df1, c.df2), c.expected, 1e-7))
            << c.f << " " << c.df1 << " " << c.df2;
    }
}

TEST(Probability, FUpperTailIsTheUpperTailOnBothSidesOfOne) {
    struct Case {
        double f, df1, df2, expected;
    };
    // mpmath betainc(df2/2, df1/2, 0, df2/(df1 F + df2), regularized=True) at 30 digits.
    const Case cases[] = {{0.0, 2.0, 10.0, 1.0},
                          {0.124, 1.0, 8.0, 0.73383224668702882286},
                          {0.1, 2.0, 10.0, 0.90573080982991589302},
                          {1.0, 7.0, 7.0, 0.5},
                          {4.0, 2.0, 10.0, 0.052922149401344645972},
                          {3.2, 3.0, 40.0, 0.033421180722892925002},
                          {250.0, 1.0, 1.0, 0.040209813666480459242},
                          {std::numeric_limits<double>::infinity(), 1.0, 3.0, 0.0}};
    for (const Case& c : cases) {
        EXPECT_TRUE(Near(FUpperTail(c.f, c.df1, c.df2), c.expected, 1e-7, 1e-15))
            << c.f << " " << c.df1 << " " << c.df2;
    }
}

TEST(Probability, InverseStudentTApproachesTheQuantileFromBelowOnTheGrid) {
    struct Case {
        double alpha, df, exact;
    };
    const Case cases[] = {
        {0.05, 1000.0, 1.9623390808264084612}, {0.05, 1.0, 12.706204736174703938},
        {0.05, 10.0, 2.2281388519862747157},   {0.10, 1.0, 6.3137515146750427427},
        {0.01, 1.0, 63.65674116287157967},     {0.10, 3.0, 2.3533634348018238165},
        {0.05, 3.0, 3.1824463052837095204},    {0.01, 2.0, 9.9248432009182930099},
        {0.50, 5.0, 0.72668684380042265302},   {0.20, 30.0, 1.310415025391395545}};
    const double grid = std::ldexp(1.0, -20);
    for (const Case& c : cases) {
        const double t = InverseStudentT(c.alpha, c.df);
        const double steps = t / grid;
        EXPECT_EQ(steps, std::floor(steps)) << c.alpha << " " << c.df;
        EXPECT_LE(t, c.exact + 1e-9) << c.alpha << " " << c.df;
        EXPECT_GT(t, c.exact - grid) << c.alpha << " " << c.df;
    }
    EXPECT_EQ(InverseStudentT(1.0, 4.0), 0.0);
}

TEST(Probability, InverseNormalFollowsTheApproximationAndClamps) {
    struct Case {
        double p, expected, tolerance;
    };
    // 1.959963984540054 is the exact 97.5 % point; the approximation is good to 4.5e-4.
    const Case cases[] = {{0.5, 0.0, 0.0},
                          {0.975, 1.959963984540054, 4.5e-4},
                          {0.025, -1.959963984540054, 4.5e-4},
                          {1.0e-7, -5.0, 0.0},
                          {0.0, -5.0, 0.0},
                          {0.9999995, 5.0, 0.0},
                          {1.0, 5.0, 0.0}};
    for (const Case& c : cases) {
        EXPECT_NEAR(InverseNormal(c.p), c.expected, c.tolerance) << c.p;
    }
    // Symmetric by construction: q = 1 - p above one half.
    EXPECT_EQ(InverseNormal(0.8), -InverseNormal(1.0 - 0.8));
}

TEST(Probability, NormalScoresSitAtThePlottingPositions) {
    const Matrix one = NormalScores(1);
    ASSERT_EQ(one.Rows(), 1u);
    EXPECT_EQ(one.At(0, 0), 0.0);

    const Matrix three = NormalScores(3);
    ASSERT_EQ(three.Rows(), 3u);
    ASSERT_EQ(three.Cols(), 1u);
    EXPECT_EQ(three.At(0, 0), InverseNormal(2.0 / 10.0));
    EXPECT_EQ(three.At(1, 0), 0.0);
    EXPECT_EQ(three.At(2, 0), InverseNormal(8.0 / 10.0));
    // Exact normal quantile of 0.8 is 0.8416212335729143 (mpmath); same 4.5e-4 bound.
    EXPECT_NEAR(three.At(2, 0), 0.8416212335729143, 4.5e-4);
    EXPECT_NEAR(three.At(0, 0), -three.At(2, 0), 1e-12);
}

TEST(Probability, BadInputStopsWithItsCode) {
    struct Case {
        const char* what;
        std::function<void()> call;
        int code;
    };
    const Case cases[] = {
        {"F with df1 0", [] { FProbability(2.0, 0.0, 5.0); }, 1},
        {"F with df2 < 0", [] { FProbability(2.0, 3.0, -1.0); }, 1},
        {"negative F", [] { FProbability(-0.5, 3.0, 5.0); }, 1},
        {"upper tail with df1 0", [] { FUpperTail(2.0, 0.0, 5.0); }, 1},
        {"upper tail of a negative F", [] { FUpperTail(-0.5, 3.0, 5.0); }, 1},
        // Huge parameters near the centre need far more than 100 terms.
        {"no convergence", [] { BetaContinuedFraction(1e6, 1e6, 0.5); }, 2},
        {"x below 0", [] { IncompleteBeta(2.0, 3.0, -0.1); }, 3},
        {"x above 1", [] { IncompleteBeta(2.0, 3.0, 1.1); }, 3},
        {"t with df 0", [] { StudentTProbability(1.0, 0.0); }, 4},
        {"quantile with df 0", [] { InverseStudentT(0.05, 0.0); }, 5},
        {"alpha above 1", [] { InverseStudentT(1.5, 10.0); }, 6},
        {"alpha below 0", [] { InverseStudentT(-0.1, 10.0); }, 6},
        {"alpha 0", [] { InverseStudentT(0.0, 10.0); }, 6},
    };
    for (const Case& c : cases) {
        const std::string text = "Probability calculation(" + std::to_string(c.code) +
                                 ") stopped due to bad equation data!";
        EXPECT_EQ(test::StopOf(c.call), (test::Message{text, Icon::Stop})) << c.what;
    }
}

}  // namespace
}  // namespace lumox
