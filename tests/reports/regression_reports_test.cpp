#include "reports/regression_reports.h"
#include "document/simple_regression.h"
#include "document/recording.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <sstream>

#include "document/lumox_doc.h"
#include "platform/abort.h"
#include "platform/strings.h"
#include "regression/regression_fit.h"
#include "regression/regression_helpers.h"
#include "regression/simple_models.h"
#include "document/recording.h"
#include "support/fake_host.h"
#include "support/scripted_prompt.h"
#include "support/temp_dir.h"

namespace lumox {
namespace {

using enum TransformKind;
using test::FakeHost;
using test::kOne;
using test::LoadData;
using test::MakeModel;
using test::Message;
using test::Msg;
using test::ScriptedPrompt;
using test::TempDir;
using test::Var;

// Both whole texts below were produced independently of this program: a python3 script
// solved each fit from the normal equations in exact rational arithmetic (fractions; for
// the log model on the doubles of log x and log y), took the t and F probabilities from
// the closed forms of the t distribution with 3 and 4 degrees of freedom, the interval
// quantiles by bisection on those forms (rounded down to the program's grid of 2^-20),
// and printed every line with the report's printf formats (python's % operator).

// y = A on B and C, six observations, every report at the 95% level.
const char* const kMultipleReports =
    "\r\n"
    "\r\n"
    "REGRESSION EQUATION\r\n"
    "\r\n"
    "The regression equation is:\r\n"
    "\r\n"
    "A = 0.96875 + 2.38541667B - 0.447916667C\r\n"
    "\r\n"
    "R Square     =     0.98942253   Correlation Coef R =      0.9946972\r\n"
    "Adj R Square =     0.98237088   Standard Error     =     0.50689688\r\n"
    "\r\n"
    "\r\n"
    "EQUATION COEFFICIENT ESTIMATES\r\n"
    "                                          Standard    T-Ratio\r\n"
    "Variable              Coefficient           Error    (Coef/SE)  Prob > |T|\r\n"
    "\r\n"
    "INTERCEPT                 0.96875       0.48943556      1.9793      0.1422\r\n"
    "B                      2.38541667       0.21642281      11.022    0.001599\r\n"
    "C                    -0.447916667       0.21642281     -2.0696      0.1303\r\n"
    "\r\n"
    "\r\n"
    "ANALYSIS OF VARIANCE\r\n"
    "\r\n"
    "Dependent Variable: A\r\n"
    "                          Sum of            Mean         F\r\n"
    "Source         DF         Squares          Square    Statistic     Prob > F\r\n"
    "\r\n"
    "Regression      2       72.104167       36.052083       140.31     0.001088\r\n"
    "Residual        3      0.77083333      0.25694444\r\n"
    "Total           5          72.875\r\n"
    "\r\n"
    "\r\n"
    "CORRELATION COEFFICIENTS / PROBABILITY\r\n"
    "\r\n"
    "                   A         B         C\r\n"
    "\r\n"
    "A                  1\r\n"
    "              <.0001\r\n"
    "B             0.9871         1\r\n"
    "              0.0002    <.0001\r\n"
    "C             0.7491    0.8286         1\r\n"
    "              0.0866    0.0416    <.0001\r\n"
    "\r\n"
    "\r\n"
    "RESIDUAL LISTING\r\n"
    "                          Predicted      Std. Dev.                     Std.\r\n"
    "Obsv              A         Value      of Predicted        Residual   Resid.\r\n"
    "\r\n"
    "1                 3       2.4583333      0.38714889      0.54166667     1.66\r\n"
    "2                 5       5.2916667      0.38714889     -0.29166667   -0.891\r\n"
    "3                 6       6.3333333      0.29265705     -0.33333333   -0.805\r\n"
    "4                 9       9.1666667      0.29265705     -0.16666667   -0.403\r\n"
    "5                10       10.208333      0.38714889     -0.20833333   -0.637\r\n"
    "6              13.5       13.041667      0.38714889      0.45833333      1.4\r\n"
    "\r\n"
    "\r\n"
    "CONFIDENCE / PREDICTION INTERVALS AT THE 95% LEVEL\r\n"
    "\r\n"
    "                          Predicted      Confidence/Prediction Interval\r\n"
    "Obsv              A         Value                   Lower         Upper\r\n"
    "\r\n"
    "1                 3       2.4583333    CI = [     1.22625,      3.69041]\r\n"
    "                                       PI = [     0.42847,       4.4882]\r\n"
    "2                 5       5.2916667    CI = [     4.05959,      6.52375]\r\n"
    "                                       PI = [      3.2618,      7.32153]\r\n"
    "3                 6       6.3333333    CI = [     5.40197,       7.2647]\r\n"
    "                                       PI = [      4.4706,      8.19606]\r\n"
    "4                 9       9.1666667    CI = [      8.2353,       10.098]\r\n"
    "                                       PI = [     7.30394,      11.0294]\r\n"
    "5                10       10.208333    CI = [     8.97625,      11.4404]\r\n"
    "                                       PI = [     8.17847,      12.2382]\r\n"
    "6              13.5       13.041667    CI = [     11.8096,      14.2737]\r\n"
    "                                       PI = [     11.0118,      15.0715]\r\n";

// The simple model y = ax^b on six observations, reports 1, 2, 4 and 5 at the 90% level.
const char* const kPowerModelReports =
    "\r\n"
    "\r\n"
    "REGRESSION EQUATION\r\n"
    "\r\n"
    "The regression equation is:\r\n"
    "\r\n"
    "Y = 2.0725644X^(1.9740205)\r\n"
    "\r\n"
    "The linearized regression equation is:\r\n"
    "\r\n"
    "log(Y) = 0.728786704 + 1.9740205log(X)\r\n"
    "\r\n"
    "R Square     =     0.99943452   Correlation Coef R =     0.99971722\r\n"
    "Adj R Square =     0.99929315   Standard Error     =    0.034787018\r\n"
    "\r\n"
    "\r\n"
    "EQUATION COEFFICIENT ESTIMATES\r\n"
    "                                          Standard    T-Ratio\r\n"
    "Variable              Coefficient           Error    (Coef/SE)  Prob > |T|\r\n"
    "\r\n"
    "INTERCEPT             0.728786704      0.029401487      24.787     < .0001\r\n"
    "X                       1.9740205      0.023477522      84.081     < .0001\r\n"
    "\r\n"
    "\r\n"
    "ANALYSIS OF VARIANCE\r\n"
    "\r\n"
    "Dependent Variable: Y\r\n"
    "                          Sum of            Mean         F\r\n"
    "Source         DF         Squares          Square    Statistic     Prob > F\r\n"
    "\r\n"
    "Regression      1       8.5552597       8.5552597       7069.7      < .0001\r\n"
    "Residual        4    0.0048405466    0.0012101366\r\n"
    "Total           5       8.5601003\r\n"
    "\r\n"
    "\r\n"
    "RESIDUAL LISTING\r\n"
    "                          Predicted      Std. Dev.                     Std.\r\n"
    "Obsv              Y         Value      of Predicted        Residual   Resid.\r\n"
    "\r\n"
    "1        0.74193734       0.7287867     0.029401487      0.01315064    0.707\r\n"
    "2         2.0668628       2.0970734     0.017069966     -0.03021069   -0.997\r\n"
    "3         2.9177707       2.8974699     0.014201824     0.020300847    0.639\r\n"
    "4         3.4339872       3.4653602     0.015746929    -0.031372989    -1.01\r\n"
    "5         3.9512437       3.9058501     0.018619555      0.04539358     1.54\r\n"
    "6         4.2484952       4.2657566     0.021635542    -0.017261388   -0.634\r\n"
    "\r\n"
    "\r\n"
    "CONFIDENCE / PREDICTION INTERVALS AT THE 90% LEVEL\r\n"
    "\r\n"
    "                          Predicted      Confidence/Prediction Interval\r\n"
    "Obsv              Y         Value                   Lower         Upper\r\n"
    "\r\n"
    "1        0.74193734       0.7287867    CI = [    0.666107,     0.791466]\r\n"
    "                                       PI = [    0.631686,     0.825887]\r\n"
    "2         2.0668628       2.0970734    CI = [     2.06068,      2.13346]\r\n"
    "                                       PI = [     2.01447,      2.17968]\r\n"
    "3         2.9177707       2.8974699    CI = [     2.86719,      2.92775]\r\n"
    "                                       PI = [     2.81737,      2.97757]\r\n"
    "4         3.4339872       3.4653602    CI = [     3.43179,      3.49893]\r\n"
    "                                       PI = [     3.38396,      3.54676]\r\n"
    "5         3.9512437       3.9058501    CI = [     3.86616,      3.94554]\r\n"
    "                                       PI = [     3.82173,      3.98997]\r\n"
    "6         4.2484952       4.2657566    CI = [     4.21963,      4.31188]\r\n"
    "                                       PI = [     4.17842,      4.35309]\r\n";

TEST(RegressionReports, MultipleRegressionReportsWholeText) {
    TempDir dir;
    ScriptedPrompt prompt;
    FakeHost host;
    CLumoxDoc doc;
    doc.SetHost(&host);
    ASSERT_TRUE(
        LoadData(doc, dir, "A B C\r\n3 1 2\r\n5 2 1\r\n6 3 4\r\n9 4 3\r\n10 5 6\r\n13.5 6 5\r\n"));
    ASSERT_EQ(test::FitDocument(doc, MakeModel({Var(0), kOne, Var(1), Var(2)})), 0);
    host.results.text = "old text";
    RecordReports(doc, RecordRequest{{ReportKind::Equation, ReportKind::Anova, ReportKind::Correlation, ReportKind::Residuals, ReportKind::Intervals}, 95.0, {}});
    EXPECT_EQ(host.results.text, std::string("old text") + kMultipleReports);
    EXPECT_TRUE(prompt.messages.empty());
}

// The C library's printf, to check the program's own formatting against.
std::string Printf(const char* format, ...) {
    char line[256];
    va_list args;
    va_start(args, format);
    vsnprintf(line, sizeof line, format, args);
    va_end(args);
    return line;
}

// A listing of thousands of observations is composed in blocks on two cores: it must be the
// same text as printf gives line by line, every observation once and in order.
TEST(RegressionReports, LongListingsAreEveryLineOnceInOrder) {
    TempDir dir;
    ScriptedPrompt prompt;
    CLumoxDoc doc;
    std::string file = "X Y\r\n";
    constexpr uint32_t kRows = 3001;
    for (uint32_t i = 1; i <= kRows; ++i) {
        // Residuals near 3 or -3: no number fills its field, so none is set apart.
        file += std::to_string(i) + " " + std::to_string(2 * i + (i % 2 == 0 ? 3 : 0)) + "\r\n";
    }
    ASSERT_TRUE(LoadData(doc, dir, file));
    ASSERT_EQ(test::FitDocument(doc, MakeModel({Var(1), kOne, Var(0)})), 0);
    const FitResults results = doc.GetFitResults();
    const RegressionFit& fit = results.fit;
    std::string residuals;
    std::string intervals;
    WriteResidualReport(results, residuals);
    WriteIntervalReport(results, 95.0, intervals);
    std::string expectedResiduals;
    std::string expectedIntervals;
    const double t = fit.CriticalT(95.0);
    for (uint32_t i = 0; i < kRows; ++i) {
        const double h = fit.Leverage(i);
        const double y = fit.m_Y.At(i, 0);
        const double predicted = fit.m_fitted.At(i, 0);
        expectedResiduals += Printf("%-5u%14.8g%16.8g%16.8g%16.8g%9.3g\r\n", i + 1, y, predicted,
                                    fit.PredictionSd(h), fit.Residual(i),
                                    fit.StandardizedResidual(i));
        const double ci = fit.ConfidenceHalfWidth(t, h);
        const double pi = fit.PredictionHalfWidth(t, h);
        expectedIntervals += Printf(
            "%-5u%14.8g%16.8g    CI = [%12.6g, %12.6g]\r\n%39sPI = [%12.6g, %12.6g]\r\n", i + 1,
            y, predicted, predicted - ci, predicted + ci, "", predicted - pi, predicted + pi);
    }
    // Each listing is its heading, ending in a blank line, and then the lines.
    ASSERT_GT(residuals.size(), expectedResiduals.size());
    ASSERT_GT(intervals.size(), expectedIntervals.size());
    const size_t residualsHead = residuals.size() - expectedResiduals.size();
    const size_t intervalsHead = intervals.size() - expectedIntervals.size();
    EXPECT_TRUE(residuals.substr(0, residualsHead).ends_with("Resid.\r\n\r\n"));
    EXPECT_TRUE(intervals.substr(0, intervalsHead).ends_with("Upper\r\n\r\n"));
    EXPECT_EQ(residuals.substr(residualsHead), expectedResiduals);
    EXPECT_EQ(intervals.substr(intervalsHead), expectedIntervals);
}

TEST(RegressionReports, SimpleModelReportsWholeText) {
    TempDir dir;
    ScriptedPrompt prompt;
    FakeHost host;
    CLumoxDoc doc;
    doc.SetHost(&host);
    ASSERT_TRUE(LoadData(doc, dir, "X Y\r\n1 2.1\r\n2 7.9\r\n3 18.5\r\n4 31\r\n5 52\r\n6 70\r\n"));
    SimpleRegression simple(doc);
    simple.SetX(0);
    simple.SetY(1);
    simple.m_nSelectedModel = 3;
    ASSERT_EQ(simple.Calculate(), 0);
    RecordReports(doc, RecordRequest{{ReportKind::Equation, ReportKind::Anova, ReportKind::Residuals, ReportKind::Intervals}, 90.0, {}});
    EXPECT_EQ(host.results.text, kPowerModelReports);
    EXPECT_TRUE(prompt.messages.empty());
}

TEST(RegressionReports, SimpleModelsShowTheirOwnFormWhenYIsTransformed) {
    // Models 0, 5, 7 and 9 are linear in y as they stand: no linearized heading. Every
    // model labels its coefficients with the plain name of X, whatever its transform.
    const bool linearized[kSimpleModelCount] = {false, true,  true, true,  true, false,
                                                true,  false, true, false, true, true};
    for (int model = 0; model < kSimpleModelCount; ++model) {
        TempDir dir;
        ScriptedPrompt prompt;
        CLumoxDoc doc;
        ASSERT_TRUE(
            LoadData(doc, dir, "X Y\r\n1 2.1\r\n2 7.9\r\n3 18.5\r\n4 31\r\n5 52\r\n6 70\r\n"));
        SimpleRegression simple(doc);
        simple.SetX(0);
        simple.SetY(1);
        simple.m_nSelectedModel = model;
        ASSERT_EQ(simple.Calculate(), 0) << model;
        std::string report;
        test::Spoken([&](Diagnostics& said) { WriteEquationReport(doc.GetFitResults(), report, said); });
        EXPECT_EQ(
            report.find("\r\nThe linearized regression equation is:\r\n\r\n") != std::string::npos,
            linearized[model])
            << model;
        const size_t intercept = report.find("\r\nINTERCEPT ");
        ASSERT_NE(intercept, std::string::npos) << model;
        const size_t row = report.find("\r\n", intercept + 2) + 2;
        EXPECT_EQ(report.substr(row, 18), "X                 ") << model;
        if (model == 10) {
            EXPECT_EQ(report.substr(report.find("\r\n", row) + 2, 18), "X                 ");
        }
    }
}

TEST(RegressionReports, NoReportWithoutAFit) {
    TempDir dir;
    ScriptedPrompt prompt;
    FakeHost host;
    CLumoxDoc doc;
    doc.SetHost(&host);
    ASSERT_TRUE(LoadData(doc, dir, "X Y\r\n1 2\r\n2 3\r\n3 5\r\n"));
    RecordReports(doc, RecordRequest{{ReportKind::Equation, ReportKind::Anova, ReportKind::Correlation, ReportKind::Residuals, ReportKind::Intervals}, 95.0, {}});
    EXPECT_EQ(host.results.text, "");
}

// A document whose fitted model and coefficients are set directly, for the writers that
// only format them: y = Y (column 0), x0 = 1, x1 and x2 of column 1.
class ModelEquation : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(LoadData(doc, dir, "Y X\r\n1 1\r\n2 2\r\n")); }

    void Set(int model, double a, double b, double c) {
        const auto& form = SimpleModels()[static_cast<size_t>(model)];
        std::vector<Term> entries = {Var(0, form.transforms[0]), kOne, Var(1, form.transforms[2])};
        if (form.xTerms == 2) entries.push_back(Var(1, form.transforms[3]));
        equation = MakeModel(entries);
        simpleModel = model;
        fit.m_coefficients.Resize(static_cast<uint32_t>(entries.size() - 1), 1);
        fit.m_coefficients.At(0, 0) = a;
        fit.m_coefficients.At(1, 0) = b;
        if (form.xTerms == 2) fit.m_coefficients.At(2, 0) = c;
    }

    // What the writers read: the data set's names with the model and fit set here.
    FitResults Results() const { return FitResults{doc.ColNames(), equation, fit, simpleModel}; }

    TempDir dir;
    CLumoxDoc doc;
    EquationModel equation;
    RegressionFit fit;
    int simpleModel = -1;
};

TEST_F(ModelEquation, EveryModelInItsOwnForm) {
    // a = 0.5, b = -2, c = 0.25; e^0.5 = 1.6487212707 and e^-2 = 0.1353352832 (by hand,
    // printed to 8 digits).
    const char* const expected[] = {
        "Y = 0.5 - 2X\r\n",
        "Y = 1.6487213e^(-2X)\r\n",
        "Y = 1.6487213e^(-2/X)\r\n",
        "Y = 1.6487213X^(-2)\r\n",
        "Y = 1.6487213*(0.13533528)^(1/X)\r\n",
        "Y = 0.5 - 2(log(X))\r\n",
        "Y = X / (0.5X - 2)\r\n",
        "Y = 0.5 - 2/X\r\n",
        "Y = 1 / (0.5 - 2X)\r\n",
        "Y = 0.5 - 2X^2\r\n",
        "Y = 1.6487213X^(-2)e^(0.25X)\r\n",
        "Y = 1 / (0.5 - 2e^(-X))\r\n",
    };
    for (int model = 0; model < kSimpleModelCount; ++model) {
        ScriptedPrompt prompt;
        Set(model, 0.5, -2.0, 0.25);
        std::string text;
        test::Spoken([&](Diagnostics& said) { WriteModelEquation(Results(), text, said); });
        EXPECT_EQ(text, expected[model]) << model;
        EXPECT_TRUE(prompt.messages.empty());
    }
    Set(0, 0.5, 2.0, 0.0);  // a positive slope takes " + "
    std::string text;
    test::Spoken([&](Diagnostics& said) { WriteModelEquation(Results(), text, said); });
    EXPECT_EQ(text, "Y = 0.5 + 2X\r\n");
}

TEST_F(ModelEquation, ConstantsTooLargeForExpFallBackToTheLinearizedEquation) {
    struct Case {
        int model;
        double a;
        double b;
        int id;
        const char* equation;
    };
    const Case cases[] = {
        {1, 800.0, 0.5, ids::kConstantTooLarge, "log(Y) = 800 + 0.5X\r\n"},
        {10, -709.0, 1.0, ids::kConstantTooLarge, "log(Y) = -709 + 1log(X) + 2X\r\n"},
        {4, 1.0, 710.0, ids::kModelConstantTooLarge, "log(Y) = 1 + 710/X\r\n"},
    };
    for (const Case& c : cases) {
        ScriptedPrompt prompt;
        Set(c.model, c.a, c.b, 2.0);
        std::string text;
        test::Spoken([&](Diagnostics& said) { WriteModelEquation(Results(), text, said); });
        EXPECT_EQ(text, c.equation) << c.model;
        EXPECT_EQ(prompt.messages, std::vector<Message>{Msg(c.id, Icon::Stop)}) << c.model;
    }
    // |a| = 708.9 and |b| = 709 are still within exp's range.
    ScriptedPrompt prompt;
    Set(4, 708.9, 709.0, 0.0);
    std::string text;
    test::Spoken([&](Diagnostics& said) { WriteModelEquation(Results(), text, said); });
    EXPECT_EQ(text.substr(0, 4), "Y = ");
    EXPECT_TRUE(prompt.messages.empty());
}

TEST_F(ModelEquation, LongEquationsWrapAfter57Characters) {
    ASSERT_TRUE(
        LoadData(doc, dir, "Yield Alphabeta Betagamma Gammadelta\r\n1 1 1 1\r\n2 2 2 2\r\n"));
    // Yield = 12345.6789 + ...sqrt(Alphabeta) - ...log(Betagamma) + .../Gammadelta
    //   + ...Alphabeta^2 - ...e^-Betagamma + ...Gammadelta
    equation = MakeModel({Var(0), kOne, Var(1, Sqrt), Var(2, Log), Var(3, Reciprocal),
                                Var(1, Transform::Power(2)), Var(2, ExpNeg), Var(3)});
    simpleModel = -1;
    const double b[] = {12345.6789, 12345.6789,  -12345.6789, 12345.6789,
                        12345.6789, -12345.6789, 12345.6789};
    fit.m_coefficients.Resize(7, 1);
    for (uint32_t j = 0; j < 7; ++j) fit.m_coefficients.At(j, 0) = b[j];
    std::string text;
    WriteEquation(Results(), text);
    // By hand: the text is 46 long before the log term and 73 after it (> 57: break);
    // 13 more for the break, 24 for the reciprocal term and 24 for the power term give
    // 134, past 73 + 57 = 130 (break); the last two terms give 165 < 134 + 57.
    EXPECT_EQ(text,
              "Yield = 12345.6789 + 12345.6789sqrt(Alphabeta) - 12345.6789log(Betagamma)"
              "\r\n            + 12345.6789/Gammadelta + 12345.6789Alphabeta^2"
              "\r\n            - 12345.6789e^-Betagamma + 12345.6789Gammadelta\r\n");
}

TEST(RegressionReports, CorrelationsOfAtLeast0Point99999HaveNoProbabilityComputed) {
    // Y = 1, 2 + d, 3 on X = 1, 2, 3 gives R = 1 / sqrt(1 + d^2 / 3) (by hand). With one
    // degree of freedom the t probability of R stays well above 0.0001: for d = 0.006,
    // R = 0.999994 would give 0.0022, yet it is printed "<.0001"; for d = 0.01, R = 0.9999833
    // is below the cut and gets its probability 0.0036755 (mpmath: the regularized
    // incomplete beta and 1 - 2 atan(t) / pi agree).
    const struct {
        const char* file;
        const char* probability;
    } cases[] = {{"X Y\r\n1 1\r\n2 2.006\r\n3 3\r\n", "    <.0001"},
                 {"X Y\r\n1 1\r\n2 2.01\r\n3 3\r\n", "    0.0037"}};
    for (const auto& c : cases) {
        TempDir dir;
        ScriptedPrompt prompt;
        CLumoxDoc doc;
        ASSERT_TRUE(LoadData(doc, dir, c.file));
        ASSERT_EQ(test::FitDocument(doc, MakeModel({Var(1), kOne, Var(0)})), 0);
        std::string report;
        WriteCorrelationReport(doc.GetFitResults(), report);
        EXPECT_EQ(report, std::string("\r\n\r\nCORRELATION COEFFICIENTS / PROBABILITY\r\n\r\n"
                                      "                   Y         X\r\n"
                                      "\r\nY                  1"
                                      "\r\n              <.0001"
                                      "\r\nX                  1         1"
                                      "\r\n          ") +
                              c.probability + "    <.0001\r\n")
            << c.file;
    }
}

TEST(RegressionReports, UndefinedCorrelationAbandonsTheRecording) {
    // A constant term is fitted (with adjustments) but has no correlation: its t
    // probability cannot be computed, and the recording stops rather than print one.
    TempDir dir;
    ScriptedPrompt prompt;
    FakeHost host;
    CLumoxDoc doc;
    doc.SetHost(&host);
    ASSERT_TRUE(LoadData(doc, dir, "Y A K\r\n1 1 5\r\n2 2 5\r\n4 3 5\r\n3 4 5\r\n6 5 5\r\n"));
    ASSERT_EQ(test::FitDocument(doc, MakeModel({Var(0), kOne, Var(1), Var(2)})), 0);
    host.results.text = "old text";
    prompt.messages.clear();
    EXPECT_FALSE(RunCommandStep(
        [&doc] { RecordReports(doc, RecordRequest{{ReportKind::Equation, ReportKind::Anova, ReportKind::Correlation, ReportKind::Residuals, ReportKind::Intervals}, 95.0, {}}); }));
    EXPECT_EQ(host.results.text, "old text");
    EXPECT_EQ(prompt.Texts(), std::vector<std::string>{
                                  "Probability calculation(2) stopped due to bad equation data!"});
}

TEST(RegressionReports, CorrelationColumnsNarrowWithMoreTerms) {
    // p = 8, 9, 10 (seven to nine x terms): columns 9, 8, 7 wide, names cut to one less.
    std::string text = "Response";
    for (int j = 1; j <= 9; ++j) text += " Variable" + std::to_string(j);
    text += "\r\n";
    for (int i = 0; i < 16; ++i) {
        for (int j = 0; j < 10; ++j) {
            text += std::to_string((i * (j + 3) * 7 + j * j * 5 + i * i) % 23 + (i == j ? 40 : 0)) +
                    (j < 9 ? " " : "\r\n");
        }
    }
    for (const int p : {8, 9, 10}) {
        const size_t w = p == 8 ? 9 : p == 9 ? 8 : 7;
        TempDir dir;
        ScriptedPrompt prompt;
        CLumoxDoc doc;
        ASSERT_TRUE(LoadData(doc, dir, text));
        std::vector<Term> entries = {Var(0), kOne};
        for (int j = 1; j < p; ++j) entries.push_back(Var(j));
        ASSERT_EQ(test::FitDocument(doc, MakeModel(entries)), 0) << p;
        std::string report;
        WriteCorrelationReport(doc.GetFitResults(), report);
        // w blanks, then each name right-aligned in w and cut to w - 1 characters
        std::string heading(w, ' ');
        heading += std::string(1, ' ') + std::string("Response").substr(0, w - 1);
        for (int j = 1; j < p; ++j) heading += " " + std::string("Variable").substr(0, w - 1);
        heading += "\r\n";
        const std::string title = "\r\n\r\nCORRELATION COEFFICIENTS / PROBABILITY\r\n\r\n";
        EXPECT_EQ(report.substr(0, title.size() + heading.size()), title + heading) << p;
        // The last probability line holds w blanks and p columns of w (a coefficient such as
        // -0.01234 may be wider than its column; a probability never is).
        const size_t lastProbability = report.rfind("\r\n", report.size() - 3);
        const size_t lastCoefficient = report.rfind("\r\n", lastProbability - 1);
        EXPECT_EQ(report.size() - 2 - lastProbability - 2, w + p * w) << p;
        EXPECT_EQ(report.substr(lastCoefficient + 2, w),
                  std::string("Variable").substr(0, w - 1) + " ")
            << p;
        EXPECT_EQ(report.substr(lastProbability - w, w), std::string(w - 1, ' ') + "1") << p;
        EXPECT_EQ(report.substr(report.size() - w - 2), std::string(w - 6, ' ') + "<.0001\r\n")
            << p;
        // Row a holds its name and a + 1 coefficients, each apart from the next, however
        // wide: a coefficient that fills its column moves one blank to the right.
        std::istringstream lines(report.substr(title.size() + heading.size()));
        std::string line;
        int row = 0;
        while (std::getline(lines, line)) {
            if (line.empty() || line[0] == ' ' || line[0] == '\r') continue;
            std::istringstream fields(line);
            std::string field;
            int count = 0;
            while (fields >> field) ++count;
            EXPECT_EQ(count, row + 2) << p << ": " << line;
            ++row;
        }
        EXPECT_EQ(row, p);
    }
}

}  // namespace
}  // namespace lumox
