#include "regression/point_estimate.h"

#include <gtest/gtest.h>

#include "document/lumox_doc.h"
#include "platform/strings.h"
#include "regression/regression_fit.h"
#include "regression/regression_helpers.h"
#include "support/accuracy.h"
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
using test::Near;
using test::Product;
using test::ScriptedPrompt;
using test::Spoken;
using test::TempDir;
using test::Var;

// Every expected prediction and bound below was computed from the normal equations in
// exact rational arithmetic (python3 fractions; for log(y) and 1/y on the doubles of the
// transformed y) with the 95% quantile of t with 3 or 4 degrees of freedom found by
// bisection on its closed form and then rounded down to a multiple of 2^-20, the grid on
// which the program approaches it from below.
class PointEstimates : public ::testing::Test {
protected:
    void SetUp() override {
        doc.SetHost(&host);
        ASSERT_TRUE(LoadData(
            doc, dir, "Y A B\r\n3 1 2\r\n5 2 1\r\n6 3 4\r\n9 4 3\r\n10 5 6\r\n13.5 6 5\r\n"));
    }

    TempDir dir;
    FakeHost host;
    CLumoxDoc doc;
};

TEST_F(PointEstimates, OneVariableWithItsSquare) {
    ScriptedPrompt prompt;
    ASSERT_EQ(
        test::FitDocument(doc, MakeModel({Var(0), kOne, Var(1), Var(1, Transform::Power(2))})), 0);
    PointEstimate estimate(doc.Data(), doc.Equation(), doc.Fit());
    EXPECT_EQ(estimate.m_nVariableCount, 1);
    EXPECT_EQ(estimate.VariableNames(), std::vector<std::string>{"A"});
    EXPECT_EQ(estimate.VariableMeans(), std::vector<double>{3.5});
    EXPECT_EQ(estimate.PredictedLabel(), "Predicted Y:");
    ASSERT_EQ(Spoken([&](Diagnostics& said) { return estimate.Calculate({2.5}, 95.0, said); }), 0);
    EXPECT_TRUE(Near(estimate.m_dPredicted, 5.4790178571428569, 1e-13));
    EXPECT_TRUE(Near(estimate.m_adConfidenceInterval[0], 4.3356571662933794, 1e-9));
    EXPECT_TRUE(Near(estimate.m_adConfidenceInterval[1], 6.6223785479923345, 1e-9));
    EXPECT_TRUE(Near(estimate.m_adPredictionInterval[0], 3.1628818448557157, 1e-9));
    EXPECT_TRUE(Near(estimate.m_adPredictionInterval[1], 7.7951538694299982, 1e-9));
    EXPECT_EQ(estimate.PredictedText(), "5.4790179");
    EXPECT_EQ(estimate.ConfidenceText(), "[4.33566, 6.62238]");
    EXPECT_EQ(estimate.PredictionText(), "[3.16288, 7.79515]");
    EXPECT_TRUE(prompt.messages.empty());
}

TEST_F(PointEstimates, LogYIsPredictedOnTheOriginalScaleAndRecorded) {
    ScriptedPrompt prompt;
    ASSERT_EQ(test::FitDocument(doc, MakeModel({Var(0, Log), kOne, Var(1)})), 0);
    PointEstimate estimate(doc.Data(), doc.Equation(), doc.Fit());
    ASSERT_EQ(Spoken([&](Diagnostics& said) { return estimate.Calculate({2.5}, 95.0, said); }), 0);
    EXPECT_TRUE(Near(estimate.m_dPredicted, 5.195810556350933, 1e-13));
    EXPECT_EQ(prompt.messages,
              std::vector<Message>{Msg(ids::kOriginalScaleNote, Icon::Information)});

    host.results.text = "before";
    doc.RecordPointEstimate(estimate);
    EXPECT_EQ(host.results.text,
              "before"
              "\r\n\r\nPOINT ESTIMATE AT THE 95% CONFIDENCE LEVEL\r\n\r\n"
              "NOTE: Predicted Y and Confidence/Prediction intervals\r\n"
              "are shown in terms of original scale data.\r\n\r\n"
              "Point Estimate Independent Variables:\r\n"
              "A          =      2.5\r\n"
              "\r\n"
              "Predicted Y = 5.1958106\r\n"
              "Confidence Interval = [4.51559, 5.9785]\r\n"
              "Prediction Interval = [3.74243, 7.21362]\r\n");
    EXPECT_EQ(doc.RecordedReports(), ReportKinds{ReportKind::PointEstimate});
}

TEST_F(PointEstimates, ReciprocalYBoundsAreOrderedLowToHigh) {
    ScriptedPrompt prompt;
    ASSERT_EQ(test::FitDocument(doc, MakeModel({Var(0, Reciprocal), kOne, Var(1)})), 0);
    PointEstimate estimate(doc.Data(), doc.Equation(), doc.Fit());
    ASSERT_EQ(Spoken([&](Diagnostics& said) { return estimate.Calculate({2.5}, 95.0, said); }), 0);
    EXPECT_TRUE(Near(estimate.m_dPredicted, 4.730518938761889, 1e-13));
    // The upper bound on the fitted scale becomes the lower bound of y.
    EXPECT_TRUE(Near(estimate.m_adConfidenceInterval[0], 3.814400715459844, 1e-9));
    EXPECT_TRUE(Near(estimate.m_adConfidenceInterval[1], 6.225788850235813, 1e-9));
    EXPECT_TRUE(Near(estimate.m_adPredictionInterval[0], 3.0292374991799655, 1e-9));
    EXPECT_TRUE(Near(estimate.m_adPredictionInterval[1], 10.790918311119436, 1e-9));
    EXPECT_EQ(estimate.ConfidenceText(), "[3.8144, 6.22579]");

    // At A = 10 the fitted 1/y is -0.1426 and the upper confidence bound 0.0298 lies
    // beyond 0: y has no upper bound there, which is reported, not printed as -1/0.0298.
    const double predicted = estimate.m_dPredicted;
    prompt.messages.clear();
    EXPECT_EQ(Spoken([&](Diagnostics& said) { return estimate.Calculate({10}, 95.0, said); }), 1);
    EXPECT_EQ(prompt.messages, std::vector<Message>{Msg(ids::kTransformUnsuitable, Icon::Stop)});
    EXPECT_EQ(estimate.m_dPredicted, predicted);
}

TEST_F(PointEstimates, SqrtYBoundBelowZeroIsZero) {
    // At A = -3 the fitted sqrt(y) is 0.2873 and both lower bounds are negative: they
    // stand for y = 0, so each interval holds its prediction 0.2873^2.
    ScriptedPrompt prompt;
    ASSERT_EQ(test::FitDocument(doc, MakeModel({Var(0, Sqrt), kOne, Var(1)})), 0);
    PointEstimate estimate(doc.Data(), doc.Equation(), doc.Fit());
    ASSERT_EQ(Spoken([&](Diagnostics& said) { return estimate.Calculate({-3}, 95.0, said); }), 0);
    EXPECT_TRUE(Near(estimate.m_dPredicted, 0.082538424918758882, 1e-12));
    EXPECT_EQ(estimate.m_adConfidenceInterval[0], 0.0);
    EXPECT_TRUE(Near(estimate.m_adConfidenceInterval[1], 0.52194573894978496, 1e-9));
    EXPECT_EQ(estimate.m_adPredictionInterval[0], 0.0);
    EXPECT_TRUE(Near(estimate.m_adPredictionInterval[1], 0.63979945428303722, 1e-9));
    EXPECT_EQ(estimate.ConfidenceText(), "[0, 0.521946]");
}

TEST_F(PointEstimates, CrossProductListsBothVariablesInOrder) {
    ScriptedPrompt prompt;
    // y = Y, x1 = B, x2 = A, x3 = B*A
    ASSERT_EQ(test::FitDocument(doc, MakeModel({Var(0), kOne, Var(2), Var(1), Product(1, 2)})), 0);
    PointEstimate estimate(doc.Data(), doc.Equation(), doc.Fit());
    EXPECT_EQ(estimate.VariableNames(), (std::vector<std::string>{"B", "A"}));
    // The term row is 1, b, a, b*a: the prediction is that row times the coefficients.
    ASSERT_EQ(Spoken([&](Diagnostics& said) { return estimate.Calculate({2, 3}, 95.0, said); }), 0);
    const Matrix& b = doc.Fit().m_coefficients;
    const double expected = b.At(0, 0) + 2 * b.At(1, 0) + 3 * b.At(2, 0) + 6 * b.At(3, 0);
    EXPECT_TRUE(Near(estimate.m_dPredicted, expected, 1e-13));
    EXPECT_EQ(estimate.m_adValues, (std::vector<double>{2.0, 3.0}));
}

TEST_F(PointEstimates, FailuresKeepTheLastCompleteResults) {
    ScriptedPrompt prompt;
    ASSERT_EQ(test::FitDocument(doc, MakeModel({Var(0, Log), kOne, Var(1, Log)})), 0);
    PointEstimate estimate(doc.Data(), doc.Equation(), doc.Fit());
    ASSERT_EQ(Spoken([&](Diagnostics& said) { return estimate.Calculate({2}, 95.0, said); }), 0);
    const double predicted = estimate.m_dPredicted;
    prompt.messages.clear();

    // three values for one variable
    EXPECT_EQ(Spoken([&](Diagnostics& said) { return estimate.Calculate({1, 2, 3}, 95.0, said); }), 1);
    EXPECT_EQ(prompt.messages, std::vector<Message>{Msg(ids::kWrongVariableCount, Icon::Stop)});
    // log of a negative value
    prompt.messages.clear();
    EXPECT_EQ(Spoken([&](Diagnostics& said) { return estimate.Calculate({-1}, 95.0, said); }), 1);
    EXPECT_EQ(prompt.messages, (std::vector<Message>{Msg(ids::kMathDomain, Icon::None),
                                                     Msg(ids::kTransformUnsuitable, Icon::Stop)}));
    EXPECT_EQ(estimate.m_dPredicted, predicted);
    EXPECT_EQ(estimate.m_adValues, std::vector<double>{2.0});

    // A prediction too large for exp on the original scale: the hook's overflow, then
    // the back-transform's message.
    ASSERT_EQ(test::FitDocument(doc, MakeModel({Var(0, Log), kOne, Var(1)})), 0);
    PointEstimate linear(doc.Data(), doc.Equation(), doc.Fit());
    prompt.messages.clear();
    EXPECT_EQ(Spoken([&](Diagnostics& said) { return linear.Calculate({1e300}, 95.0, said); }), 1);
    EXPECT_EQ(prompt.messages, (std::vector<Message>{Msg(ids::kMathOverflow, Icon::None),
                                                     Msg(ids::kTransformUnsuitable, Icon::Stop)}));
}

}  // namespace
}  // namespace lumox
