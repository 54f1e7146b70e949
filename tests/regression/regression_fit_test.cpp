#include "regression/regression_fit.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>

#include "document/lumox_doc.h"
#include "platform/format.h"
#include "platform/strings.h"
#include "regression/regression_helpers.h"
#include "support/accuracy.h"
#include "support/scripted_prompt.h"
#include "support/temp_dir.h"

namespace lumox {
namespace {

using test::kOne;
using test::LoadData;
using test::LogRelativeError;
using test::MakeModel;
using test::Message;
using test::Msg;
using test::Near;
using test::ScriptedPrompt;
using test::TempDir;
using test::Var;

// y = A, x0 = 1, x1 = B, x2 = C on six observations. Every constant below was computed
// from the normal equations in exact rational arithmetic (python3 fractions), the
// probabilities from the closed forms of the t distribution with 3 degrees of freedom
// (two-tailed P = 1 - (2/pi)(theta + sin theta cos theta), theta = atan(t / sqrt 3)) and
// of F with 2 and 3 (P(F > f) = (1 + 2f/3)^-1.5), the 95% quantile 3.182446305283706 by
// bisection on that form.
constexpr const char* kSmallData =
    "A B C\r\n3 1 2\r\n5 2 1\r\n6 3 4\r\n9 4 3\r\n10 5 6\r\n13.5 6 5\r\n";

TEST(RegressionFit, MatchesExactLeastSquaresOnASmallMultipleFit) {
    TempDir dir;
    ScriptedPrompt prompt;
    CLumoxDoc doc;
    ASSERT_TRUE(LoadData(doc, dir, kSmallData));
    ASSERT_EQ(test::FitDocument(doc, MakeModel({Var(0), kOne, Var(1), Var(2)})), 0);
    EXPECT_TRUE(prompt.messages.empty());
    const RegressionFit& fit = doc.Fit();
    ASSERT_EQ(fit.m_n, 6u);
    ASSERT_EQ(fit.m_p, 3u);
    EXPECT_EQ(doc.YVariable(), 0);
    EXPECT_EQ(doc.SimpleModel(), -1);

    const double b[] = {0.96875, 2.3854166666666665, -0.4479166666666667};
    const double se[] = {0.48943555689370566, 0.21642280614232526, 0.21642280614232526};
    const double t[] = {1.979320844910315, 11.02202078046227, -2.0696370897811254};
    const double pt[] = {0.14215132491370652, 0.0015994289741101397, 0.1302874164871778};
    for (uint32_t j = 0; j < 3; ++j) {
        EXPECT_TRUE(Near(fit.m_coefficients.At(j, 0), b[j], 1e-13)) << j;
        EXPECT_TRUE(Near(fit.CoefficientSe(j), se[j], 1e-13)) << j;
        EXPECT_TRUE(Near(fit.TRatio(j), t[j], 1e-13)) << j;
        // the incomplete beta converges to a relative 3e-7
        EXPECT_TRUE(Near(fit.CoefficientProbability(j), pt[j], 1e-6)) << j;
    }
    EXPECT_TRUE(Near(fit.m_ssr, 72.10416666666667, 1e-13));
    EXPECT_TRUE(Near(fit.m_sse, 0.7708333333333334, 1e-12));
    EXPECT_TRUE(Near(fit.m_sst, 72.875, 1e-15));
    EXPECT_TRUE(Near(fit.m_rSquare, 0.9894225271583762, 1e-14));
    EXPECT_TRUE(Near(fit.m_adjustedRSquare, 0.9823708785972937, 1e-14));
    EXPECT_TRUE(Near(fit.m_f, 140.3108108108108, 1e-12));
    EXPECT_TRUE(Near(fit.m_probF, 0.001087859674617878, 1e-6));
    EXPECT_EQ(fit.m_bAlternateResiduals, 0);

    const double h[] = {7.0 / 12, 7.0 / 12, 1.0 / 3, 1.0 / 3, 7.0 / 12, 7.0 / 12};
    const double standardized[] = {1.655457803914235,   -0.8914003559538188, -0.8053872662568292,
                                   -0.4026936331284146, -0.6367145399670134, 1.4007719879274294};
    const double ciLow[] = {1.2262527942490253, 4.059586127582358, 5.401967990013483,
                            8.235301323346816,  8.976252794249026, 11.809586127582358};
    const double piHigh[] = {4.488197038856979,  7.321530372190313, 8.196064019973033,
                             11.029397353306367, 12.23819703885698, 15.071530372190312};
    const double critical = fit.CriticalT(95.0);
    // the quantile is approached from below on a grid of 2^-20
    EXPECT_LE(critical, 3.182446305283706);
    EXPECT_GT(critical, 3.182446305283706 - std::ldexp(1.0, -20));
    for (uint32_t i = 0; i < 6; ++i) {
        EXPECT_TRUE(Near(fit.Leverage(i), h[i], 1e-13)) << i;
        EXPECT_TRUE(Near(fit.StandardizedResidual(i), standardized[i], 1e-12)) << i;
        const double yhat = fit.m_fitted.At(i, 0);
        EXPECT_TRUE(Near(yhat - fit.ConfidenceHalfWidth(critical, h[i]), ciLow[i], 1e-6)) << i;
        EXPECT_TRUE(Near(yhat + fit.PredictionHalfWidth(critical, h[i]), piHigh[i], 1e-6)) << i;
    }
    EXPECT_TRUE(Near(fit.PredictionSd(h[0]), std::sqrt(7.0 / 12 * 0.7708333333333334 / 3), 1e-13));
}

TEST(RegressionFit, AnalysisOfVariance) {
    // x = -2 0 0 0 2 and residuals 0 1 -1 0 0 around y = x: SSR = 8, SSE = 2, SST = 10, so
    // R square 0.8, adjusted (4 x 0.8 - 2 + 1) / 3, MSE 2/3, MSR 8, F 12 (by hand). The
    // same data shifted by 1e8 must give the same sums: SST is taken about the mean.
    struct Case {
        double offset;
        double tolerance;
    };
    for (const Case& c : {Case{0.0, 1e-14}, Case{1e8, 1e-7}, Case{-3e9, 1e-5}}) {
        TempDir dir;
        ScriptedPrompt prompt;
        CLumoxDoc doc;
        std::string text = "Y X\r\n";
        const double y[] = {-2, 1, -1, 0, 2};
        const double x[] = {-2, 0, 0, 0, 2};
        for (int i = 0; i < 5; ++i) {
            char line[64];
            std::snprintf(line, sizeof line, "%.17g %g\r\n", c.offset + y[i], x[i]);
            text += line;
        }
        ASSERT_TRUE(LoadData(doc, dir, text));
        ASSERT_EQ(test::FitDocument(doc, MakeModel({Var(0), kOne, Var(1)})), 0) << c.offset;
        const RegressionFit& fit = doc.Fit();
        EXPECT_TRUE(Near(fit.m_sst, 10.0, c.tolerance)) << c.offset;
        EXPECT_TRUE(Near(fit.m_sse, 2.0, c.tolerance)) << c.offset;
        EXPECT_TRUE(Near(fit.m_ssr, 8.0, c.tolerance)) << c.offset;
        EXPECT_TRUE(Near(fit.m_rSquare, 0.8, c.tolerance)) << c.offset;
        EXPECT_TRUE(Near(fit.m_adjustedRSquare, (4 * 0.8 - 2 + 1) / 3, c.tolerance)) << c.offset;
        EXPECT_TRUE(Near(fit.m_mse, 2.0 / 3, c.tolerance)) << c.offset;
        EXPECT_TRUE(Near(fit.m_msr, 8.0, c.tolerance)) << c.offset;
        EXPECT_TRUE(Near(fit.m_f, 12.0, c.tolerance)) << c.offset;
        EXPECT_TRUE(Near(fit.m_coefficients.At(1, 0), 1.0, c.tolerance)) << c.offset;
        EXPECT_TRUE(prompt.messages.empty());
    }
}

// A cubic in the years 1950 .. 1990: raw powers of the year are nearly collinear and
// differ in size by 1e9, the case the column scaling is for. Data: y = 1 + 0.5 u +
// 0.01 u^2 - 0.001 u^3 + 0.1 (-1)^k with u = year - 1970. The coefficients of the raw
// powers were computed from the normal equations in exact rational arithmetic (python3
// fractions) and rounded to 17 digits.
TEST(RegressionFit, CubicInYearsKeepsItsDigits) {
    TempDir dir;
    ScriptedPrompt prompt;
    CLumoxDoc doc;
    std::string text = "Y Year\r\n";
    for (int k = 0; k <= 40; ++k) {
        const int u = k - 20;
        const double y = 1 + 0.5 * u + 0.01 * u * u - 0.001 * u * u * u + (k % 2 ? -0.1 : 0.1);
        char line[64];
        std::snprintf(line, sizeof line, "%.17g %d\r\n", y, 1950 + k);
        text += line;
    }
    ASSERT_TRUE(LoadData(doc, dir, text));
    ASSERT_EQ(test::FitDocument(doc, MakeModel({Var(0), kOne, Var(1), Var(1, Transform::Power(2)),
                                                Var(1, Transform::Power(3))})),
              0);
    const double certified[] = {7683367.3274532054, -11681.771909769188, 5.9200436319211134,
                                -0.001};
    for (uint32_t j = 0; j < 4; ++j) {
        const double lre = LogRelativeError(doc.Fit().m_coefficients.At(j, 0), certified[j]);
        EXPECT_GE(lre, 14.5) << j;  // reaches 15; none without the column scaling
    }
}

TEST(RegressionFit, DuplicateColumnsAreAdjustedOnce) {
    // B and C hold the same values: one singular value is zeroed, and the minimum-norm
    // solution splits the slope of y on B alone (2.6 by hand: Sxy / Sxx = 26 / 10) evenly.
    TempDir dir;
    ScriptedPrompt prompt;
    CLumoxDoc doc;
    ASSERT_TRUE(LoadData(doc, dir, "Y B C\r\n1 1 1\r\n4 2 2\r\n7 3 3\r\n8 4 4\r\n12 5 5\r\n"));
    ASSERT_EQ(test::FitDocument(doc, MakeModel({Var(0), kOne, Var(1), Var(2)})), 0);
    EXPECT_EQ(prompt.messages, std::vector<Message>{Msg(ids::kIllConditioned, Icon::Information)});
    const RegressionFit& fit = doc.Fit();
    EXPECT_TRUE(Near(fit.m_coefficients.At(1, 0), 1.3, 1e-12));
    EXPECT_TRUE(Near(fit.m_coefficients.At(2, 0), 1.3, 1e-12));
    EXPECT_TRUE(Near(fit.m_coefficients.At(0, 0), 6.4 - 2.6 * 3, 1e-12));
    // SST = 69.2, SSR = 2.6^2 x 10 = 67.6
    EXPECT_TRUE(Near(fit.m_sse, 69.2 - 67.6, 1e-12));
}

// Data that a straight line fits exactly, in doubles: the fit must give the exact
// coefficients and exact zeros, and the reports' quantities must stay defined.
TEST(RegressionFit, ExactDataFitExactly) {
    struct Case {
        const char* name;
        std::string data;
        double intercept;
        double slope;
    };
    std::string offset = "Y X\r\n";  // X = 1e13 + i, Y = 5 + i: slope 1, intercept 5 - 1e13
    for (int i = 0; i < 10; ++i) offset += Format("%d %.17g\r\n", 5 + i, 1e13 + i);
    const Case cases[] = {
        {"y = 1 + 2x", "X Y\r\n1 3\r\n2 5\r\n3 7\r\n4 9\r\n5 11\r\n", 1.0, 2.0},
        {"y = 2 + 3x", "Y X\r\n5 1\r\n8 2\r\n11 3\r\n14 4\r\n17 5\r\n", 2.0, 3.0},
        {"no intercept", "Y X\r\n3 1\r\n6 2\r\n12 4\r\n-6 -2\r\n", 0.0, 3.0},
        {"offset x", offset, 5.0 - 1e13, 1.0},
    };
    TempDir dir;
    for (const Case& c : cases) {
        ScriptedPrompt prompt;
        CLumoxDoc doc;
        ASSERT_TRUE(LoadData(doc, dir, c.data)) << c.name;
        const int y = doc.GetColName(0) == "Y" ? 0 : 1;
        ASSERT_EQ(test::FitDocument(doc, MakeModel({Var(y), kOne, Var(1 - y)})), 0) << c.name;
        const RegressionFit& fit = doc.Fit();
        EXPECT_EQ(fit.m_coefficients.At(0, 0), c.intercept) << c.name;
        EXPECT_EQ(fit.m_coefficients.At(1, 0), c.slope) << c.name;
        EXPECT_EQ(fit.m_sse, 0.0) << c.name;
        EXPECT_EQ(fit.m_standardError, 0.0) << c.name;
        EXPECT_EQ(fit.m_rSquare, 1.0) << c.name;
        EXPECT_EQ(fit.m_adjustedRSquare, 1.0) << c.name;
        EXPECT_TRUE(std::isinf(fit.m_f)) << c.name;
        EXPECT_EQ(fit.m_probF, 0.0) << c.name;
        for (uint32_t i = 0; i < fit.m_n; ++i) {
            EXPECT_EQ(fit.Residual(i), 0.0) << c.name << " " << i;
            EXPECT_EQ(fit.StandardizedResidual(i), 0.0) << c.name << " " << i;
        }
        // A zero coefficient has t 0 and probability 1; any other an infinite t.
        for (uint32_t j = 0; j < 2; ++j) {
            const double b = fit.m_coefficients.At(j, 0);
            EXPECT_EQ(fit.TRatio(j), b == 0.0 ? 0.0 : std::copysign(INFINITY, b)) << c.name;
            EXPECT_EQ(fit.CoefficientProbability(j), b == 0.0 ? 1.0 : 0.0) << c.name;
        }
        EXPECT_TRUE(prompt.messages.empty()) << c.name;
    }
}

// X carries an offset of 1e13 and Y some noise: the constants come from the normal
// equations in exact rational arithmetic (python3 fractions) on the doubles read.
TEST(RegressionFit, OffsetXKeepsItsDigits) {
    TempDir dir;
    ScriptedPrompt prompt;
    CLumoxDoc doc;
    std::string text = "Y X\r\n";
    for (int i = 0; i < 10; ++i)
        text += Format("%.17g %.17g\r\n", i + (i % 2 ? -0.1 : 0.1), 1e13 + i);
    ASSERT_TRUE(LoadData(doc, dir, text));
    ASSERT_EQ(test::FitDocument(doc, MakeModel({Var(0), kOne, Var(1)})), 0);
    const RegressionFit& fit = doc.Fit();
    EXPECT_GE(LogRelativeError(fit.m_coefficients.At(1, 0), 0.9939393939393939), 14.0);
    EXPECT_GE(LogRelativeError(fit.m_coefficients.At(0, 0), -9939393939393.912), 14.0);
    EXPECT_GE(LogRelativeError(fit.m_sse, 0.09696969696969658), 9.0);
}

// F below 1 has a large upper tail (the smaller tail, 0.398, would read as significant).
TEST(RegressionFit, ProbFIsTheUpperTail) {
    // x = 1 .. 10 and y with a weak slope; F and its tail from exact sums (python3
    // fractions) and mpmath betainc at 30 digits.
    TempDir dir;
    ScriptedPrompt prompt;
    CLumoxDoc doc;
    ASSERT_TRUE(
        LoadData(doc, dir,
                 "Y X\r\n3 1\r\n1 2\r\n4 3\r\n1 4\r\n5 5\r\n9 6\r\n2 7\r\n6 8\r\n5 9\r\n1 10\r\n"));
    ASSERT_EQ(test::FitDocument(doc, MakeModel({Var(0), kOne, Var(1)})), 0);
    EXPECT_TRUE(Near(doc.Fit().m_f, 0.29508196721311475, 1e-12));
    EXPECT_TRUE(Near(doc.Fit().m_probF, 0.60178534241271036791, 1e-7));
}

TEST(RegressionFit, ConstantResponseDoesNotFit) {
    TempDir dir;
    ScriptedPrompt prompt;
    CLumoxDoc doc;
    ASSERT_TRUE(LoadData(doc, dir, "Y X\r\n4 1\r\n4 2\r\n4 3\r\n4 5\r\n"));
    EXPECT_EQ(test::FitDocument(doc, MakeModel({Var(0), kOne, Var(1)})), 1);
    EXPECT_EQ(prompt.messages, std::vector<Message>{Msg(ids::kEquationDoesNotFit, Icon::Stop)});
    EXPECT_EQ(doc.Fit().m_ssr, 0.0);
    EXPECT_EQ(doc.Fit().m_sst, 0.0);
    EXPECT_EQ(doc.YVariable(), -2);  // no fitted model kept
}

TEST(RegressionFit, LeverageOneSwitchesToTheAlternateResiduals) {
    // D is non-zero in the last observation only, so that observation alone determines
    // its coefficient: leverage 1, residual 0.
    TempDir dir;
    ScriptedPrompt prompt;
    CLumoxDoc doc;
    ASSERT_TRUE(
        LoadData(doc, dir, "Y X D\r\n1 1 0\r\n3 2 0\r\n2 3 0\r\n5 4 0\r\n4 5 0\r\n9 6 1\r\n"));
    ASSERT_EQ(test::FitDocument(doc, MakeModel({Var(0), kOne, Var(1), Var(2)})), 0);
    EXPECT_EQ(prompt.messages,
              std::vector<Message>{Msg(ids::kAlternateResiduals, Icon::Information)});
    const RegressionFit& fit = doc.Fit();
    EXPECT_EQ(fit.m_bAlternateResiduals, 1);
    EXPECT_TRUE(Near(fit.Leverage(5), 1.0, 1e-14));
    // The first five observations fit y = 0.6 + 0.8x (by hand) with SSE 3.6, so
    // s = sqrt(3.6 / 3).
    const double s = std::sqrt(3.6 / 3);
    EXPECT_TRUE(Near(fit.m_standardError, s, 1e-13));
    for (uint32_t i = 0; i < 6; ++i) {
        EXPECT_TRUE(Near(fit.StandardizedResidual(i), fit.Residual(i) / s, 1e-13, 1e-13)) << i;
    }
    EXPECT_TRUE(Near(fit.Residual(0), 1 - 1.4, 1e-13));
}

}  // namespace
}  // namespace lumox
