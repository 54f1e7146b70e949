#include "document/build_equation.h"

#include <gtest/gtest.h>

#include <sstream>

#include "document/document.h"
#include "data/text_data.h"
#include "regression/equation_model.h"
#include "support/data_sets.h"
#include "support/scripted_prompt.h"

namespace lumox {
namespace {

// y = 1 + 2a + 3b exactly over five observations.
struct Fixture {
    Fixture() {
        std::istringstream file("A B Y\r\n1 0 3\r\n2 1 8\r\n3 0 7\r\n4 1 12\r\n5 3 20\r\n");
        EXPECT_EQ(test::ReadData(doc, file), ReadStatus::Read);
    }
    EquationModel Model(std::initializer_list<std::pair<int, int>> entries) {
        EquationModel model;
        int entry = 0;
        for (const auto& [variable, transform] : entries) {
            model.SelectEntry(entry++);
            model.SetVariable(variable);
            model.SetTransform(transform);
        }
        return model;
    }
    // y, x0, x1 = A, x2 = B, then x1 set back to none.
    EquationModel WithGap() {
        EquationModel model = Model({{2, 0}, {-1, 0}, {0, 0}, {1, 0}});
        model.SelectEntry(2);
        model.SetVariable(EquationModel::kNone);
        return model;
    }
    CLumoxDoc doc;
};

TEST(CalculateEquation, FitsAndKeepsTheModel) {
    test::ScriptedPrompt prompt;
    Fixture f;
    EquationModel model = f.Model({{2, 0}, {-1, 0}, {0, 0}, {1, 0}});
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
        {f.Model({{2, 0}, {-1, 0}, {0, 2}, {0, 2}}), "Equation has duplicate columns!"},
        {f.Model({{2, 0}, {-1, 0}}), "The equation needs y, x0 and at least one more term!"},
        // x1 set to none behind x2: the gap clears x2 and leaves too few entries.
        {f.WithGap(), "The equation needs y, x0 and at least one more term!"},
        {f.Model({{2, 0}, {-1, 0}, {0, 0}, {1, 0}, {0, 102}, {1, 102}}),
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
    EquationModel model = f.Model({{2, 0}, {-1, 0}, {0, 0}, {0, 0}, {1, 0}});
    ASSERT_EQ(model.SelectEntry(2), 0);
    ChoiceList list;
    model.FillVariableList(list, {"A", "B", "Y"});
    ASSERT_EQ(list.back(), (ChoiceItem{"X2X3", 123}));
    model.SetVariable(123);
    ASSERT_EQ(model.SelectEntry(4), 0);
    model.SetVariable(EquationModel::kNone);
    test::ScriptedPrompt prompt;
    EXPECT_EQ(CalculateEquation(f.doc, model), 1);
    EXPECT_EQ(prompt.messages,
              (std::vector<test::Message>{
                  {"Cross product X2X3 uses an entry that holds no variable!", Icon::Stop}}));
    EXPECT_EQ(f.doc.YVariable(), -2);
}

}  // namespace
}  // namespace lumox
