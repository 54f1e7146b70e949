#include "document/build_equation.h"

#include <gtest/gtest.h>

#include <sstream>

#include "document/lumox_doc.h"
#include "data/text_data.h"
#include "regression/equation_model.h"
#include "support/data_sets.h"
#include "support/scripted_prompt.h"

namespace lumox {
namespace {

constexpr Term A = Term::Variable(0);
constexpr Term B = Term::Variable(1);
constexpr Term Y = Term::Variable(2);
constexpr Term kOne = Term::Constant();

// y = 1 + 2a + 3b exactly over five observations.
struct Fixture {
    Fixture() {
        std::istringstream file("A B Y\r\n1 0 3\r\n2 1 8\r\n3 0 7\r\n4 1 12\r\n5 3 20\r\n");
        EXPECT_EQ(test::ReadData(doc, file), ReadStatus::Read);
    }
    // The terms of y, x0, x1, ... as the window sets them, not yet compacted.
    EquationModel Model(std::initializer_list<Term> terms) {
        EquationModel model;
        int entry = 0;
        for (const Term& term : terms) model.m_aTerms[entry++] = term;
        return model;
    }
    // y, x0, x1 = A, x2 = B, then x1 set back to none.
    EquationModel WithGap() {
        EquationModel model = Model({Y, kOne, A, B});
        model.m_aTerms[2] = Term{};
        return model;
    }
    CLumoxDoc doc;
};

TEST(CalculateEquation, FitsAndKeepsTheModel) {
    test::ScriptedPrompt prompt;
    Fixture f;
    EquationModel model = f.Model({Y, kOne, A, B});
    ASSERT_EQ(CalculateEquation(f.doc, model), 0);
    EXPECT_TRUE(prompt.messages.empty());
    EXPECT_EQ(f.doc.YVariable(), 2);
    EXPECT_EQ(f.doc.SimpleModel(), -1);
    EXPECT_NEAR(f.doc.Fit().m_coefficients.At(0, 0), 1.0, 1e-12);
    EXPECT_NEAR(f.doc.Fit().m_coefficients.At(1, 0), 2.0, 1e-12);
    EXPECT_NEAR(f.doc.Fit().m_coefficients.At(2, 0), 3.0, 1e-12);
}

TEST(CalculateEquation, RefusesWhatCannotBeFitted) {
    Fixture f;
    struct Case {
        EquationModel model;
        std::string message;
    };
    const std::vector<Case> cases = {
        {f.Model({Y, kOne, Term::Variable(0, TransformKind::Log),
                  Term::Variable(0, TransformKind::Log)}),
         "Equation has duplicate columns!"},
        {f.Model({Y, kOne}), "The equation needs y, x0 and at least one more term!"},
        // x1 set to none behind x2: the gap clears x2 and leaves too few entries.
        {f.WithGap(), "The equation needs y, x0 and at least one more term!"},
        {f.Model({Y, kOne, A, B, Term::Variable(0, Transform::Power(2)),
                  Term::Variable(1, Transform::Power(2))}),
         "Too many terms for the number of observations!"},
    };
    for (Case c : cases) {
        test::ScriptedPrompt prompt;
        f.doc.ResetFit();
        EXPECT_EQ(CalculateEquation(f.doc, c.model), 1) << c.message;
        EXPECT_EQ(prompt.messages, (std::vector<test::Message>{{c.message, Icon::Stop}}));
        EXPECT_EQ(f.doc.YVariable(), -2) << c.message;
    }
}

// x1 = X2X3 is offered while x2 and x3 hold variables; setting x3 to "(None)" afterwards
// leaves the product without a factor. Calculate refuses it instead of reading outside
// the data.
TEST(CalculateEquation, RefusesACrossProductThatLostAFactor) {
    Fixture f;
    EquationModel model = f.Model({Y, kOne, A, A, B});
    ASSERT_TRUE(model.CanSelectEntry(2));
    ChoiceList<TermFactor> list;
    model.FillVariableList(2, list, {"A", "B", "Y"});
    ASSERT_EQ(list.back(), (ChoiceItem<TermFactor>{"X2X3", TermFactor::CrossProduct(2, 3)}));
    model.m_aTerms[2] = Term::CrossProduct(2, 3);
    ASSERT_TRUE(model.CanSelectEntry(4));
    model.m_aTerms[4] = Term{};
    test::ScriptedPrompt prompt;
    EXPECT_EQ(CalculateEquation(f.doc, model), 1);
    EXPECT_EQ(prompt.messages,
              (std::vector<test::Message>{
                  {"Cross product X2X3 uses an entry that holds no variable!", Icon::Stop}}));
    EXPECT_EQ(f.doc.YVariable(), -2);
}

}  // namespace
}  // namespace lumox
