// The model comparison and the fit diagnostics against values computed independently.

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <numeric>

#include "document/lumox_doc.h"
#include "numeric/probability.h"
#include "regression/fit_bands.h"
#include "regression/fit_diagnostics.h"
#include "regression/model_comparison.h"
#include "regression/regression_helpers.h"
#include "support/accuracy.h"
#include "support/data_sets.h"

namespace lumox {
namespace {

using test::kOne;
using test::MakeModel;
using test::Near;
using test::Var;

std::string Example(const char* name) {
    return std::string(LUMOX_SOURCE_DIR) + "/examples/" + name;
}

// Linearised R square and standard error, original-scale R square, RMSE and leave-one-out
// RMSE of each form, from R 4 (lm on the linear form, fitted values brought back with exp or
// 1/v, the leave-one-out predictions by refitting lm without each observation in turn).
struct Expected {
    double linearRSquare, standardError, rSquare, rmse, press;
};
constexpr std::array<Expected, 12> kLxtest = {{
    {0.9387096715, 1.263715025, 0.9387096715, 1.198865338, 1.377821264},
    {0.9989103832, 0.02134236808, 0.998486124, 0.1884167828, 0.2188288501},
    {0.494354013, 0.4597576861, 0.3683057635, 3.848822532, 4.08529627},
    {0.8649627722, 0.2375923608, 0.8252735704, 2.024201445, 2.224573248},
    {0.494354013, 0.4597576861, 0.3683057635, 3.848822532, 4.08529627},
    {0.6846050862, 2.866688586, 0.6846050862, 2.719579582, 3.31379959},
    {0.6757029058, 0.06187829104, 0.286618156, 4.090114399, 4.251091099},
    {0.3226803462, 4.20097419, 0.3226803462, 3.98539405, 5.971396303},
    {0.9332298424, 0.02807747071, -13.63010032, 18.52243508, 12715.89656},
    {0.9984840857, 0.1987423829, 0.9984840857, 0.1885435793, 0.2073026781},
    {0.998914822, 0.02191633796, 0.9984151445, 0.1927832371, 0.2413670554},
    {0.6927116519, 0.06023373979, 0.223050792, 4.268455355, 4.420754743},
}};
constexpr std::array<Expected, 12> kTab421 = {{
    {0.005607922151, 4.140012572, 0.005607922151, 3.872627155, 4.676050871},
    {0.008840079576, 0.3462744634, -0.02600963258, 3.933712154, 4.905565935},
    {0.2141100385, 0.3083397171, 0.1782444748, 3.520449955, 4.047551903},
    {0.0500594049, 0.3389977554, 0.01813197956, 3.848162616, 4.828404619},
    {0.2141100385, 0.3083397171, 0.1782444748, 3.520449955, 4.047551903},
    {0.05831195795, 4.028806044, 0.05831195795, 3.768602973, 4.571590792},
    {0.1970220123, 0.0285630938, 0.08062304589, 3.723691258, 4.409694403},
    {0.2165330002, 3.674795588, 0.2165330002, 3.437456514, 3.845112812},
    {0.01358009402, 0.03165806306, -0.1420508149, 4.150205223, 5.361119289},
    {0.09323288245, 3.953399595, 0.09323288245, 3.6980667, 4.38829215},
    {0.8135280603, 0.1558646702, 0.8106213565, 1.690022005, 2.203463577},
    {0.2841045935, 0.02696983031, 0.2136913245, 3.443684789, 3.808644013},
}};

TEST(ModelComparison, ScoresEveryFormOnTheScaleOfYAsAnIndependentRefitDoes) {
    const struct {
        const char* file;
        const std::array<Expected, 12>& expected;
        std::array<int, 12> ranks;  // by the leave-one-out column above; 2 and 4 are one fit
    } cases[] = {
        {"lxtest.dat", kLxtest, {4, 2, 7, 5, 8, 6, 9, 11, 12, 1, 3, 10}},
        {"tab421.dat", kTab421, {9, 11, 4, 10, 5, 8, 7, 3, 12, 6, 1, 2}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        CLumoxDoc doc;
        ASSERT_TRUE(doc.OnOpenDocument(Example(c.file)));
        const ModelComparison comparison =
            CompareSimpleModels(doc.GetData(), doc.Rows(), 0, 1, doc.ColNames());
        for (size_t m = 0; m < 12; ++m) {
            SCOPED_TRACE(m);
            const ModelScore& score = comparison.scores[m];
            const Expected& e = c.expected[m];
            ASSERT_TRUE(score.failure.empty()) << score.failure;
            ASSERT_TRUE(score.original && score.leaveOneOut);
            EXPECT_TRUE(Near(score.linearRSquare, e.linearRSquare, 1e-8)) << score.linearRSquare;
            EXPECT_TRUE(Near(score.linearStandardError, e.standardError, 1e-8));
            EXPECT_TRUE(Near(score.rSquare, e.rSquare, 1e-8)) << score.rSquare;
            EXPECT_TRUE(Near(score.rmse, e.rmse, 1e-8)) << score.rmse;
            EXPECT_TRUE(Near(score.pressRmse, e.press, 1e-8)) << score.pressRmse;
            EXPECT_EQ(score.rank, c.ranks[m]);
        }
    }
}

TEST(ModelComparison, AFormThatCannotBeFittedSaysWhyAndTheOthersGoOn) {
    CLumoxDoc doc;
    // A y of 0: every form with a transformed y fails; x = 0 fails the log and 1/x terms.
    test::FillDataSet(doc, {"X", "Y"}, {{0, 0}, {1, 2}, {2, 3}, {3, 7}});
    const ModelComparison comparison =
        CompareSimpleModels(doc.GetData(), doc.Rows(), 0, 1, doc.ColNames());
    const std::array<const char*, 12> failures = {
        "",
        "log(Y) cannot be taken of every observation",
        "log(Y) cannot be taken of every observation",
        "log(Y) cannot be taken of every observation",
        "log(Y) cannot be taken of every observation",
        "log(X) cannot be taken of every observation",
        "1/Y cannot be taken of every observation",
        "1/X cannot be taken of every observation",
        "1/Y cannot be taken of every observation",
        "",
        "log(Y) cannot be taken of every observation",
        "1/Y cannot be taken of every observation",
    };
    for (size_t m = 0; m < 12; ++m) EXPECT_EQ(comparison.scores[m].failure, failures[m]) << m;
    EXPECT_EQ(comparison.scores[0].rank + comparison.scores[9].rank, 3);

    // Three observations: the three-parameter form is not tried, and an observation with
    // leverage 1 has no leave-one-out prediction, so nothing is ranked.
    test::FillDataSet(doc, {"X", "Y"}, {{1, 2}, {2, 3}, {3, 7}});
    const ModelComparison three =
        CompareSimpleModels(doc.GetData(), doc.Rows(), 0, 1, doc.ColNames());
    EXPECT_EQ(three.scores[kPowerExponential].failure, "needs four or more observations");
    EXPECT_TRUE(three.scores[kLinear].original);
    EXPECT_TRUE(three.scores[kLinear].leaveOneOut);
}

// R 4: lm, cooks.distance, hatvalues, svd of the columns scaled to unit length, VIF as
// 1 / (1 - R^2) of each term on the others, shapiro.test(rstandard(fit)).
TEST(FitDiagnostics, MatchLongleyAndAWellConditionedFit) {
    struct Case {
        const char* file;
        std::vector<Term> terms;
        double condition;
        std::vector<double> vif;
        uint32_t largestCook;
        double largestCookValue;
        std::vector<uint32_t> cookAbove;
        uint32_t largestLeverage;
        double largestLeverageValue;
        std::vector<uint32_t> leverageAbove;
        double durbinWatson, w, probability;
    };
    const Case cases[] = {
        {"longley.dat",
         {Var(0), kOne, Var(1), Var(2), Var(3), Var(4), Var(5), Var(6)},
         43275.0435872,
         {135.53243828, 1788.51348272, 33.618890596, 3.58893019345, 399.151022313, 758.980597407},
         4,
         0.613916838192,
         {4, 15},
         15,
         0.688614601694,
         {},
         2.55948768928,
         0.940407796394,
         0.354038926756},
        {"tab411.dat",
         {Var(0), kOne, Var(1), Var(2), Var(3)},
         15.0687840664,
         {1.06382157043, 1.02069240078, 1.07677644619},
         6,
         0.350211550684,
         {6},
         18,
         0.302179048917,
         {},
         2.02020796087,
         0.978670711725,
         0.870156558653},
        {"lxtest.dat",
         {Var(1, TransformKind::Log), kOne, Var(0, TransformKind::Log), Var(0)},
         13.2539958379,
         {7.53782879033, 7.53782879033},
         0,
         1.88675256191,
         {0, 19},
         0,
         0.673728320551,
         {0},
         2.20505979967,
         0.970252313805,
         0.760195108718},
    };
    std::vector<std::vector<int>> digits;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        CLumoxDoc doc;
        ASSERT_TRUE(doc.OnOpenDocument(Example(c.file)));
        ASSERT_EQ(test::FitDocument(doc, MakeModel(c.terms)), 0);
        const FitDiagnostics d = DiagnoseFit(doc.GetData(), doc.Equation(), doc.Fit());
        EXPECT_TRUE(Near(d.conditionNumber, c.condition, 1e-9)) << d.conditionNumber;
        ASSERT_EQ(d.vif.size(), c.vif.size());
        for (size_t j = 0; j < c.vif.size(); ++j) EXPECT_TRUE(Near(*d.vif[j], c.vif[j], 1e-9));
        ASSERT_TRUE(d.largestCook);
        EXPECT_EQ(d.largestCook->observation, c.largestCook);
        // Leverage comes from (X'X)^-1, whose rounding grows with the square of the condition
        // number: on Longley seven or eight digits agree with R's QR, as many as are printed.
        EXPECT_TRUE(Near(d.largestCook->value, c.largestCookValue, 1e-7)) << d.largestCook->value;
        std::vector<uint32_t> cook;
        for (const FlaggedObservation& f : d.cook) cook.push_back(f.observation);
        EXPECT_EQ(cook, c.cookAbove);
        EXPECT_EQ(d.largestLeverage.observation, c.largestLeverage);
        EXPECT_TRUE(Near(d.largestLeverage.value, c.largestLeverageValue, 1e-7))
            << d.largestLeverage.value;
        std::vector<uint32_t> leverage;
        for (const FlaggedObservation& f : d.leverage) leverage.push_back(f.observation);
        EXPECT_EQ(leverage, c.leverageAbove);
        EXPECT_TRUE(Near(*d.durbinWatson, c.durbinWatson, 1e-9));
        ASSERT_TRUE(d.shapiroWilk);
        EXPECT_TRUE(Near(d.shapiroWilk->w, c.w, 1e-9)) << d.shapiroWilk->w;
        EXPECT_TRUE(Near(d.shapiroWilk->probability, c.probability, 1e-6))
            << d.shapiroWilk->probability;
        EXPECT_EQ(d.refits, kPerturbationRefits);
        digits.push_back(d.digits);
    }
    // Rounding of the last written digit leaves Longley's coefficients no sure digit (they
    // are known to move in their first), while every coefficient of the well-conditioned
    // fit keeps one or two.
    for (const int kept : digits[0]) EXPECT_EQ(kept, 0);
    for (const int kept : digits[1]) EXPECT_GE(kept, 1);
    EXPECT_GE(std::accumulate(digits[1].begin(), digits[1].end(), 0), 6);
}

// Two copies of one variable: the pseudo-inverse's finite C(j, j) must not pass for a
// variance inflation, which is unbounded.
TEST(FitDiagnostics, DependentTermsHaveNoFiniteInflation) {
    test::ScriptedPrompt prompt;
    CLumoxDoc doc;
    test::FillDataSet(doc, {"Y", "A", "B", "C"},
                      {{3, 1, 1, 5}, {5, 2, 2, 3}, {8, 3, 3, 6}, {9, 4, 4, 2}, {12, 5, 5, 4}});
    ASSERT_EQ(test::FitDocument(doc, MakeModel({Var(0), kOne, Var(1), Var(2), Var(3)})), 0);
    const FitDiagnostics d = DiagnoseFit(doc.GetData(), doc.Equation(), doc.Fit());
    EXPECT_EQ(d.droppedDirections, 1u);
    EXPECT_TRUE(d.vif.empty());
    EXPECT_GT(d.conditionNumber, 1e16);
}

// shapiro.test in R 4 on each sample: n = 3 (exact probability), 4 .. 11 and 12 and more
// (Royston's two normalising transformations). NormalQuantile against R's qnorm.
TEST(FitDiagnostics, ShapiroWilkAndTheNormalQuantileMatchR) {
    const struct {
        std::vector<double> sample;
        double w, probability;
    } cases[] = {
        {{1, 2, 4}, 0.964285714285714, 0.636886845028963},
        {{2.1, 3.4, 1.9, 5.6, 4.4}, 0.932084939601524, 0.610655905055095},
        {{1, 2, 3, 4, 5, 6, 7, 100}, 0.476023707232401, 5.3029450685771e-06},
        {{148, 154, 158, 160, 161, 162, 166, 170, 182, 195, 236},
         0.788814694835387,
         0.00670381405650293},
        {{1, 4, 9, 16, 25, 36, 49, 64, 81, 100, 121, 144, 169, 196, 225, 256, 289, 324, 361, 400},
         0.906130628476546,
         0.0538095888282039},
    };
    for (const auto& c : cases) {
        const std::optional<ShapiroWilk> test = ShapiroWilkTest(c.sample);
        ASSERT_TRUE(test);
        EXPECT_TRUE(Near(test->w, c.w, 1e-12)) << test->w;
        EXPECT_TRUE(Near(test->probability, c.probability, 1e-9)) << test->probability;
    }
    EXPECT_FALSE(ShapiroWilkTest({1, 2}));
    EXPECT_FALSE(ShapiroWilkTest({3, 3, 3, 3}));

    const std::pair<double, double> quantiles[] = {
        {1e-300, -37.047096299361201},
        {1e-10, -6.3613409024040557},
        {0.02425, -1.9729610513118845},
        {0.3, -0.52440051270804067},
        {0.5, 0.0},
        {0.975, 1.9599639845400536},
        {1 - 1e-12, 7.0344869100478356},
    };
    for (const auto& [p, z] : quantiles)
        EXPECT_TRUE(Near(NormalQuantile(p), z, 1e-14, 1e-300)) << p;
}

// R 4: predict(fit, newdata, interval = "confidence" / "prediction") at the first, middle
// and last grid points, brought back with exp for log(Growth); the other variables of the
// multiple fit at their means. Our critical t lies on the 2^-20 grid just below the exact
// quantile, so the bounds agree to about six digits of their half-widths.
TEST(FitBands, MatchRsIntervalsAtThreeValuesOfX) {
    const struct {
        const char* file;
        std::vector<Term> terms;
        int x;
        double level;
        double low, high;
        std::array<std::array<double, 4>, 3> bounds;  // confidence low, high, prediction low, high
    } cases[] = {
        {"lxtest.dat",
         {Var(1, TransformKind::Log), kOne, Var(0, TransformKind::Log), Var(0)},
         0,
         95.0,
         0.5,
         10,
         {{{2.42353149198, 2.61465799816, 2.37111037669, 2.67246352663},
           {6.78529448411, 6.96856713334, 6.55325773157, 7.21530909798},
           {18.4920902092, 19.3738474917, 17.972804019, 19.9336138722}}}},
        {"tab411.dat",
         {Var(0), kOne, Var(1), Var(2), Var(3)},
         1,
         90.0,
         11.8,
         37.4,
         {{{31.9582215999, 33.8303685696, 30.4942305594, 35.2943596101},
           {55.1055999275, 56.0078951884, 53.3011743844, 57.8123207315},
           {77.2928698872, 79.1455301751, 75.8229188097, 80.6154812527}}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        CLumoxDoc doc;
        ASSERT_TRUE(doc.OnOpenDocument(Example(c.file)));
        ASSERT_EQ(test::FitDocument(doc, MakeModel(c.terms)), 0);
        Matrix bands;
        Diagnostics said;
        ASSERT_TRUE(FitBands(doc.Equation(), doc.Fit(), doc.GetData(), c.x, c.low, c.high, c.level,
                             bands, said));
        for (size_t k = 0; k < 3; ++k) {
            const uint32_t row = static_cast<uint32_t>(k * 50);
            EXPECT_DOUBLE_EQ(bands.At(row, kBandX), c.low + (c.high - c.low) * 0.5 * k);
            for (uint32_t b = 0; b < 4; ++b) {
                const double value = bands.At(row, kBandConfidenceLow + b);
                EXPECT_TRUE(Near(value, c.bounds[k][b], 1e-6)) << row << " " << b << " " << value;
            }
        }
    }
}

TEST(FitDiagnostics, HalfTheLastWrittenDigit) {
    const std::pair<double, double> cases[] = {
        {88.5, 0.05}, {1950, 0.5}, {234289, 0.5}, {-0.0125, 0.00005}, {3e20, 0.5e20}, {0, 0},
    };
    for (const auto& [value, half] : cases)
        EXPECT_TRUE(Near(HalfLastDigit(value), half, 1e-12)) << value;
}

}  // namespace
}  // namespace lumox
