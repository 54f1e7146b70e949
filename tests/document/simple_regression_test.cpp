#include "document/simple_regression.h"

#include <gtest/gtest.h>

#include <cmath>

#include "document/lumox_doc.h"
#include "platform/format.h"
#include "platform/strings.h"
#include "regression/regression_helpers.h"
#include "reports/regression_reports.h"
#include "support/accuracy.h"
#include "support/scripted_prompt.h"
#include "support/temp_dir.h"

namespace lumox {
namespace {

using test::LoadData;
using test::Message;
using test::Msg;
using test::Near;
using test::ScriptedPrompt;
using test::TempDir;

const Message kLogOfZero[] = {Msg(ids::kMathSingularity, Icon::None),
                              Msg(ids::kTransformUnsuitable, Icon::Stop)};
const Message kLogOfNegative[] = {Msg(ids::kMathDomain, Icon::None),
                                  Msg(ids::kTransformUnsuitable, Icon::Stop)};
const Message kReciprocalOfZero = Msg(ids::kEquationUnsuitable, Icon::Stop);

class SimpleModels : public ::testing::Test {
protected:
    // Opens "X Y" data and chooses X and Y.
    void Open(const std::string& rows) {
        ASSERT_TRUE(LoadData(doc, dir, "X Y\r\n" + rows));
        simple.SetX(0);
        simple.SetY(1);
    }

    TempDir dir;
    CLumoxDoc doc;
    SimpleRegression simple{doc};
};

TEST_F(SimpleModels, ExponentialDataInItsOwnForm) {
    // y = 2 e^(0.5 x) exactly: ln y = ln 2 + 0.5 x.
    std::string rows;
    for (int x = 1; x <= 6; ++x)
        rows += std::to_string(x) + " " + Format("%.17g", 2 * std::exp(0.5 * x)) + "\r\n";
    Open(rows);
    ScriptedPrompt prompt;
    simple.m_nSelectedModel = 1;
    ASSERT_EQ(simple.Calculate(), 0);
    EXPECT_TRUE(Near(doc.Fit().m_coefficients.At(0, 0), std::log(2.0), 1e-14));
    EXPECT_TRUE(Near(doc.Fit().m_coefficients.At(1, 0), 0.5, 1e-14));
    EXPECT_TRUE(Near(simple.m_adRSquare[1], 1.0, 1e-15));
    EXPECT_EQ(doc.YVariable(), 1);
    EXPECT_EQ(doc.SimpleModel(), 1);
    EXPECT_TRUE(simple.CanRecord());
    std::string report;
    test::Spoken([&](Diagnostics& said) { WriteEquationReport(doc.GetFitResults(), report, said); });
    EXPECT_NE(report.find("The regression equation is:\r\n\r\nY = 2e^(0.5X)\r\n\r\n"
                          "The linearized regression equation is:\r\n\r\n"
                          "log(Y) = 0.693147181 + 0.5X\r\n"),
              std::string::npos)
        << report;
    EXPECT_TRUE(prompt.messages.empty());
}

TEST_F(SimpleModels, LinearModelsNeedNoLinearizedEquation) {
    Open("1 2\r\n2 4\r\n3 5\r\n4 4\r\n5 5\r\n");
    for (int model : {0, 5, 7, 9}) {
        simple.m_nSelectedModel = model;
        ASSERT_EQ(simple.Calculate(), 0);
        std::string report;
        test::Spoken([&](Diagnostics& said) { WriteEquationReport(doc.GetFitResults(), report, said); });
        EXPECT_EQ(report.find("linearized"), std::string::npos) << model;
    }
}

TEST_F(SimpleModels, SearchWithAZeroYSkipsTheTransformedModels) {
    Open("1 0\r\n2 3\r\n3 4.5\r\n4 7\r\n5 8\r\n6 11\r\n");
    ScriptedPrompt prompt;
    simple.m_nSelectedModel = 0;
    ASSERT_EQ(simple.Calculate(), 0);
    EXPECT_TRUE(simple.CanRecord());
    simple.FindBestModels();
    // The failing models' messages, model by model: log of 0 for 1 2 3 4 10, reciprocal
    // of 0 for 6 8 11.
    std::vector<Message> expected;
    for (int model = 0; model < kSimpleModelCount; ++model) {
        if (model == 1 || model == 2 || model == 3 || model == 4 || model == 10) {
            expected.insert(expected.end(), std::begin(kLogOfZero), std::end(kLogOfZero));
        } else if (model == 6 || model == 8 || model == 11) {
            expected.push_back(kReciprocalOfZero);
        }
    }
    EXPECT_EQ(prompt.messages, expected);
    // R square and standard error of the four models that fit, from the normal equations
    // in exact rational arithmetic (python3 fractions) on the doubles of the transformed x.
    const double rSquare[] = {
        0.98531594157619307, 0, 0, 0, 0, 0.94555811801221712, 0, 0.80724938384645306, 0,
        0.93431094671932025, 0, 0};
    const double standardError[] = {
        0.52892523551245385, 0, 0, 0, 0, 1.0184455176663787, 0, 1.9163248162847348, 0,
        1.1187105600606813,  0, 0};
    for (int m = 0; m < kSimpleModelCount; ++m) {
        EXPECT_TRUE(Near(simple.m_adRSquare[m], rSquare[m], 1e-13)) << m;
        EXPECT_TRUE(Near(simple.m_adStandardError[m], standardError[m], 1e-13)) << m;
    }
    EXPECT_EQ(simple.m_nBestRSquareModel, 0);
    EXPECT_EQ(simple.m_nBestStandardErrorModel, 0);
    // The search leaves no fitted model and, so, nothing to record until Calculate.
    EXPECT_EQ(doc.YVariable(), -2);
    EXPECT_EQ(simple.SelectBestRSquare(), 0);
    EXPECT_FALSE(simple.CanRecord());
    ASSERT_EQ(simple.Calculate(), 0);
    EXPECT_TRUE(simple.CanRecord());
    EXPECT_EQ(doc.YVariable(), 1);
}

TEST_F(SimpleModels, SearchWithNegativeYFailsOnlyTheLogModels) {
    Open("1 -1\r\n2 3\r\n3 4.5\r\n4 7\r\n5 8\r\n6 11\r\n");
    ScriptedPrompt prompt;
    EXPECT_EQ(simple.SelectBestStandardError(), 11);
    std::vector<Message> expected;
    for (int i = 0; i < 5; ++i) {  // models 1 2 3 4 10
        expected.insert(expected.end(), std::begin(kLogOfNegative), std::end(kLogOfNegative));
    }
    EXPECT_EQ(prompt.messages, expected);
    // Values from exact rational arithmetic as above, each on its model's fitted scale.
    EXPECT_TRUE(Near(simple.m_adStandardError[11], 0.27762007782587356, 1e-13));
    EXPECT_TRUE(Near(simple.m_adRSquare[0], 0.97273770159929818, 1e-13));
    EXPECT_TRUE(Near(simple.m_adRSquare[8], 0.2678252580232125, 1e-13));
    // The search ran once for both buttons.
    EXPECT_EQ(simple.SelectBestRSquare(), 0);
    EXPECT_EQ(prompt.messages.size(), expected.size());
    // A new Y forgets the results: the next button searches again.
    simple.SetY(1);
    EXPECT_EQ(simple.m_nBestRSquareModel, -1);
    EXPECT_EQ(simple.SelectBestRSquare(), 0);
    EXPECT_EQ(prompt.messages.size(), 2 * expected.size());
}

TEST_F(SimpleModels, SearchSkipsAModelWhoseTransformFails) {
    // X above 745: e^-x underflows to 0, so model 11 alone fails, after its message, and
    // the search goes on to choose among the others.
    Open("1000 2\r\n1001 3.5\r\n1002 3\r\n1003 5\r\n1004 6.5\r\n1005 6\r\n");
    ScriptedPrompt prompt;
    simple.FindBestModels();
    EXPECT_EQ(prompt.messages, std::vector<Message>{kReciprocalOfZero});
    EXPECT_EQ(simple.m_adRSquare[11], 0.0);
    for (int m = 0; m < 11; ++m) EXPECT_GT(simple.m_adRSquare[m], 0.7) << m;
    EXPECT_GE(simple.m_nBestRSquareModel, 0);
    EXPECT_LT(simple.m_nBestRSquareModel, 11);
    EXPECT_GE(simple.m_nBestStandardErrorModel, 0);
}

TEST_F(SimpleModels, PerfectFitNeverWinsBestStandardError) {
    // y = 1 + 2x exactly: model 0 fits with s exactly 0 and R square 1, so it wins Best R^2
    // and is passed over by Best Std Err.
    Open("1 3\r\n2 5\r\n3 7\r\n4 9\r\n5 11\r\n");
    ScriptedPrompt prompt;
    EXPECT_EQ(simple.SelectBestRSquare(), 0);
    EXPECT_EQ(simple.m_adStandardError[0], 0.0);
    EXPECT_EQ(simple.m_adRSquare[0], 1.0);
    EXPECT_NE(simple.SelectBestStandardError(), 0);
    EXPECT_GT(simple.m_adStandardError[simple.m_nBestStandardErrorModel], 0.0);
    EXPECT_TRUE(prompt.messages.empty());
}

TEST_F(SimpleModels, TiesGoToTheLowerModel) {
    // Models 2 and 4 fit the same line, ln y = a + b/x: equal R square and standard error.
    // y = 3 e^(2/x) with a little alternating noise makes them the best of all twelve.
    std::string rows;
    for (int x = 1; x <= 8; ++x) {
        const double y = 3 * std::exp(2.0 / x) * (x % 2 ? 1.01 : 0.99);
        rows += std::to_string(x) + " " + Format("%.17g", y) + "\r\n";
    }
    Open(rows);
    ScriptedPrompt prompt;
    simple.FindBestModels();
    EXPECT_EQ(simple.m_adRSquare[2], simple.m_adRSquare[4]);
    EXPECT_EQ(simple.m_adStandardError[2], simple.m_adStandardError[4]);
    EXPECT_EQ(simple.m_nBestRSquareModel, 2);
    EXPECT_EQ(simple.m_nBestStandardErrorModel, 2);
    EXPECT_TRUE(prompt.messages.empty());
}

TEST_F(SimpleModels, RefusalsAndTheThreeParameterModel) {
    Open("1 2\r\n2 3\r\n3 5\r\n");
    ScriptedPrompt prompt;
    // Model 10 needs four observations: passed over in silence by a search, refused with
    // the reason when calculated.
    EXPECT_EQ(simple.FitSimpleModel(kPowerExponential), 1);
    EXPECT_TRUE(prompt.messages.empty());
    simple.m_nSelectedModel = kPowerExponential;
    EXPECT_EQ(simple.Calculate(), 1);
    const Message tooFew{"The equation y = ax^(b)e^(cx) needs at least 4 observations!",
                         Icon::Stop};
    EXPECT_EQ(prompt.messages, std::vector<Message>{tooFew});
    EXPECT_FALSE(doc.HasFit());
    prompt.messages.clear();
    simple.m_nSelectedModel = -1;
    // No model chosen.
    EXPECT_EQ(simple.Calculate(), -1);
    EXPECT_EQ(prompt.messages, std::vector<Message>{Msg(ids::kSelectEquation, Icon::Stop)});
    // X and Y the same variable: refused, and a search stops at its first model.
    prompt.messages.clear();
    simple.SetY(0);
    simple.FindBestModels();
    EXPECT_EQ(prompt.messages, std::vector<Message>{Msg(ids::kSelectXAndY, Icon::Stop)});
    EXPECT_EQ(simple.m_nBestRSquareModel, -1);
    EXPECT_EQ(simple.m_nBestStandardErrorModel, -1);
    prompt.messages.clear();
    simple.SetX(-1);
    simple.SetY(1);
    EXPECT_EQ(simple.FitSimpleModel(0), 2);
    EXPECT_EQ(prompt.messages, std::vector<Message>{Msg(ids::kSelectXAndY, Icon::Stop)});
}

TEST_F(SimpleModels, ThreeParameterModelFitsLogXAndX) {
    // ln y = a + b ln x + c x exactly, with a = 0.5, b = 1.5, c = -0.25.
    std::string rows;
    for (int x = 1; x <= 6; ++x) {
        rows += std::to_string(x) + " " +
                Format("%.17g", std::exp(0.5 + 1.5 * std::log(x) - 0.25 * x)) + "\r\n";
    }
    Open(rows);
    ScriptedPrompt prompt;
    simple.m_nSelectedModel = kPowerExponential;
    ASSERT_EQ(simple.Calculate(), 0);
    const Matrix& b = doc.Fit().m_coefficients;
    ASSERT_EQ(b.Rows(), 3u);
    EXPECT_TRUE(Near(b.At(0, 0), 0.5, 1e-12));
    EXPECT_TRUE(Near(b.At(1, 0), 1.5, 1e-12));
    EXPECT_TRUE(Near(b.At(2, 0), -0.25, 1e-12));
    std::string text;
    test::Spoken([&](Diagnostics& said) { WriteModelEquation(doc.GetFitResults(), text, said); });
    EXPECT_EQ(text, "Y = 1.6487213X^(1.5)e^(-0.25X)\r\n");  // e^0.5 = 1.6487212707
}

}  // namespace
}  // namespace lumox
