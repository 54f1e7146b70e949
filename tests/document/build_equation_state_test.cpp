#include "document/build_equation_state.h"

#include <gtest/gtest.h>

#include <sstream>

#include "data/text_data.h"
#include "document/lumox_doc.h"
#include "platform/format.h"
#include "support/data_sets.h"
#include "support/scripted_prompt.h"

namespace lumox {
namespace {

using test::ThreeVariables;

using Texts = std::array<std::string, EquationModel::kEntries>;
using Variables = ChoiceList<TermFactor>;
constexpr TermFactor kA = TermFactor::Variable(0);
constexpr TermFactor kB = TermFactor::Variable(1);
constexpr TermFactor kC = TermFactor::Variable(2);

class BuildEquationStateTest : public ::testing::Test {
protected:
    void Open(const std::string& contents) {
        std::istringstream file(contents);
        EXPECT_EQ(test::ReadData(doc, file), ReadStatus::Read);
        state.InitialUpdate();
    }
    // Selects entry and picks the list item whose text is variable, then the transform.
    void Set(int entry, const std::string& variable, const std::string& transform = "") {
        ASSERT_TRUE(state.SelectEntry(entry)) << entry;
        ChooseText(state.m_variableList, variable, [this](int k) { state.ChooseVariable(k); });
        if (!transform.empty()) {
            ChooseText(state.m_transformList, transform,
                       [this](int k) { state.ChooseTransform(k); });
        }
    }
    template <typename Value, typename Choose>
    static void ChooseText(const ChoiceList<Value>& list, const std::string& text, Choose choose) {
        for (size_t k = 0; k < list.size(); ++k) {
            if (list[k].text == text) return choose(static_cast<int>(k));
        }
        ADD_FAILURE() << "no item " << text;
    }

    test::ScriptedPrompt prompt;
    CLumoxDoc doc;
    BuildEquationState state{doc};
};

TEST_F(BuildEquationStateTest, EntriesBehindTheFirstEmptyOneOfferNothing) {
    Open(ThreeVariables(20));
    EXPECT_EQ(state.m_variableList, (Variables{{"(None)", {}}, {"A", kA}, {"B", kB}, {"C", kC}}));
    EXPECT_TRUE(state.m_transformList.empty());
    Set(0, "C");
    EXPECT_EQ(state.m_transformList.size(), 4u);
    ASSERT_TRUE(state.SelectEntry(1));
    EXPECT_FALSE(state.SelectEntry(4));
    EXPECT_TRUE(state.m_variableList.empty());
    EXPECT_TRUE(state.m_transformList.empty());
    EXPECT_EQ(state.m_nSelectedEntry, 4);
    ASSERT_TRUE(state.SelectEntry(2));
    EXPECT_EQ(state.m_variableList, (Variables{{"(None)", {}}, {"A", kA}, {"B", kB}}));
    EXPECT_TRUE(prompt.messages.empty());
}

TEST_F(BuildEquationStateTest, X0TakesTheConstantAtOnce) {
    Open(ThreeVariables(20));
    Set(0, "C", "log(y)");
    ASSERT_TRUE(state.SelectEntry(1));
    EXPECT_EQ(state.m_variableList, (Variables{{"(None)", {}}, {"1", TermFactor::Constant()}}));
    EXPECT_TRUE(state.m_transformList.empty());
    EXPECT_EQ(state.Equation().m_aTerms[1], Term::Constant());
    EXPECT_EQ(state.m_astrVariable, (Texts{"C", "1"}));
    EXPECT_EQ(state.m_astrTransform, (Texts{"log(y)"}));
}

TEST_F(BuildEquationStateTest, ANewVariableClearsTheTransformAndNoneShowsNothing) {
    Open(ThreeVariables(20));
    Set(0, "C");
    Set(1, "1");
    Set(2, "A", "x^3");
    EXPECT_EQ(state.Equation().m_aTerms[2], Term::Variable(0, Transform::Power(3)));
    EXPECT_EQ(state.m_astrTransform[2], "x^3");
    Set(2, "B");
    EXPECT_EQ(state.Equation().m_aTerms[2], Term::Variable(1));
    EXPECT_EQ(state.m_astrTransform[2], "");
    Set(2, "B", "(None)");
    EXPECT_EQ(state.m_astrTransform[2], "");
    Set(2, "(None)");
    EXPECT_EQ(state.m_astrVariable[2], "");
    EXPECT_EQ(state.Equation().m_aTerms[2], Term{});
    EXPECT_TRUE(state.m_transformList.empty());
    // No item chosen in the transform list changes nothing.
    state.ChooseTransform(-1);
    EXPECT_EQ(state.m_astrTransform[2], "");
}

TEST_F(BuildEquationStateTest, ObservationsLimitTheEntries) {
    struct Case {
        int rows;
        int enabled;  // entries 0 .. enabled - 1 have their radio button enabled
    };
    for (const Case c : {Case{3, 3}, Case{4, 4}, Case{10, 10}, Case{11, 11}, Case{40, 11}}) {
        CLumoxDoc data;
        std::istringstream file(ThreeVariables(c.rows));
        ASSERT_EQ(test::ReadData(data, file), ReadStatus::Read);
        BuildEquationState window(data);
        for (int entry = 0; entry < EquationModel::kEntries; ++entry) {
            EXPECT_EQ(window.IsEntryEnabled(entry), entry < c.enabled)
                << c.rows << " rows, entry " << entry;
        }
    }
}

TEST_F(BuildEquationStateTest, CalculateShowsTheSummaryAndEnablesRecord) {
    Open(ThreeVariables(20));
    Set(0, "C");
    Set(1, "1");
    Set(2, "A");
    Set(3, "B");
    ASSERT_EQ(state.Calculate(), 0);
    EXPECT_TRUE(prompt.messages.empty());
    EXPECT_TRUE(state.CanRecord());
    EXPECT_EQ(state.m_strStandardError, Format("%g", doc.Fit().m_standardError));
    EXPECT_EQ(state.m_strRSquare, Format("%g", doc.Fit().m_ssr / doc.Fit().m_sst));
    EXPECT_NE(state.m_strRSquare, "");
    EXPECT_EQ(doc.YVariable(), 2);
    EXPECT_EQ(doc.Equation().m_aTerms, state.Equation().m_aTerms);
    // Another fit of the document (the simple regression's) takes Record away.
    doc.SetFit(doc.Equation(), doc.Fit(), 0);
    EXPECT_FALSE(state.CanRecord());
}

TEST_F(BuildEquationStateTest, AFailedCalculateLeavesRecordOffAndTheSummaryAsItWas) {
    Open(ThreeVariables(20));
    Set(0, "C");
    Set(1, "1");
    Set(2, "A", "log(x)");
    ASSERT_EQ(state.Calculate(), 0);
    const std::string standardError = state.m_strStandardError;
    Set(3, "A", "log(x)");
    EXPECT_EQ(state.Calculate(), 1);
    EXPECT_EQ(prompt.Texts(), (std::vector<std::string>{"Equation has duplicate columns!"}));
    EXPECT_FALSE(state.CanRecord());
    EXPECT_EQ(state.m_strStandardError, standardError);
    // A transform that meets unsuitable data: the document loses its fit.
    prompt.messages.clear();
    Set(3, "B", "1/x");
    EXPECT_EQ(state.Calculate(), 1);
    EXPECT_EQ(prompt.Texts(), (std::vector<std::string>{"Data not suitable for equation!"}));
    EXPECT_FALSE(state.CanRecord());
    EXPECT_FALSE(doc.HasFit());
    EXPECT_EQ(state.m_strStandardError, standardError);
}

TEST_F(BuildEquationStateTest, AGapEmptiesTheEntriesFromItOn) {
    Open(ThreeVariables(20));
    Set(0, "C");
    Set(1, "1");
    Set(2, "A");
    Set(3, "B", "sqrt(x)");
    ASSERT_EQ(state.Calculate(), 0);
    Set(2, "(None)");
    EXPECT_EQ(state.Calculate(), 1);
    EXPECT_EQ(prompt.messages,
              (std::vector<test::Message>{
                  {"The equation needs y, x0 and at least one more term!", Icon::Stop}}));
    EXPECT_EQ(state.m_astrVariable, (Texts{"C", "1"}));
    EXPECT_EQ(state.m_astrTransform, (Texts{}));
    EXPECT_EQ(state.Equation().m_aTerms[3], Term{});
    EXPECT_EQ(state.m_strStandardError, "");
    EXPECT_EQ(state.m_strRSquare, "");
    EXPECT_FALSE(state.CanRecord());
}

TEST_F(BuildEquationStateTest, DefaultDataFillsFromTheColumns) {
    struct Case {
        int rows;
        Texts variables;
        std::array<Term, 4> terms;  // y, x0, x1, x2
    };
    const Case cases[] = {
        {20,
         {"C", "1", "A", "B"},
         {Term::Variable(2), Term::Constant(), Term::Variable(0), Term::Variable(1)}},
        // Three observations allow two terms only: y is the second column.
        {3, {"B", "1", "A"}, {Term::Variable(1), Term::Constant(), Term::Variable(0), Term{}}},
    };
    for (const Case& c : cases) {
        CLumoxDoc data;
        std::istringstream file(ThreeVariables(c.rows));
        ASSERT_EQ(test::ReadData(data, file), ReadStatus::Read);
        BuildEquationState window(data);
        window.InitialUpdate();
        ASSERT_TRUE(window.DefaultData());
        EXPECT_EQ(window.m_astrVariable, c.variables) << c.rows;
        for (size_t entry = 0; entry < c.terms.size(); ++entry) {
            EXPECT_EQ(window.Equation().m_aTerms[entry], c.terms[entry]) << c.rows;
        }
        EXPECT_EQ(window.m_nSelectedEntry, 0);
        EXPECT_EQ(window.m_variableList.size(), 4u);
        EXPECT_EQ(window.Calculate(), 0) << c.rows;
    }
    EXPECT_TRUE(prompt.messages.empty());
}

TEST_F(BuildEquationStateTest, DefaultDataKeepsTransformsAndRefusesElevenColumns) {
    Open(ThreeVariables(20));
    Set(0, "A", "sqrt(y)");
    ASSERT_TRUE(state.DefaultData());
    EXPECT_EQ(state.Equation().m_aTerms[0], Term::Variable(2, TransformKind::Sqrt));
    EXPECT_EQ(state.m_astrTransform[0], "sqrt(y)");

    CLumoxDoc wide;
    std::istringstream file(
        "A B C D E F G H I J K\r\n1 2 3 4 5 6 7 8 9 10 11\r\n"
        "2 3 4 5 6 7 8 9 10 11 1\r\n3 4 5 6 7 8 9 10 11 1 2\r\n");
    ASSERT_EQ(test::ReadData(wide, file), ReadStatus::Read);
    BuildEquationState window(wide);
    window.InitialUpdate();
    EXPECT_FALSE(window.DefaultData());
    EXPECT_EQ(prompt.messages,
              (std::vector<test::Message>{{"Too many Data columns for Equation!", Icon::None}}));
    EXPECT_EQ(window.m_astrVariable, Texts{});
    EXPECT_EQ(window.Equation().m_aTerms[0], Term{});
}

TEST_F(BuildEquationStateTest, ClearAndCloseForgetTheEquation) {
    Open(ThreeVariables(20));
    ASSERT_TRUE(state.DefaultData());
    ASSERT_EQ(state.Calculate(), 0);
    state.ClearEquation();
    EXPECT_EQ(state.m_astrVariable, Texts{});
    EXPECT_EQ(state.m_strStandardError, "");
    EXPECT_FALSE(state.CanRecord());
    EXPECT_EQ(state.Equation().m_aTerms, EquationModel().m_aTerms);
    EXPECT_EQ(state.m_nSelectedEntry, 0);
    // Clear Equation leaves the document's fit; closing the window takes it away.
    EXPECT_TRUE(doc.HasFit());
    state.Close();
    EXPECT_FALSE(doc.HasFit());
    EXPECT_EQ(state.Equation().m_aTerms[0], Term{});
}

TEST_F(BuildEquationStateTest, AnUnknownEntryIsRefused) {
    Open(ThreeVariables(20));
    for (const int entry : {-1, 11}) {
        prompt.messages.clear();
        EXPECT_FALSE(state.SelectEntry(entry));
        EXPECT_EQ(prompt.messages,
                  (std::vector<test::Message>{{"Incorrect Radio Button ID!", Icon::Stop}}));
    }
    EXPECT_EQ(state.m_nSelectedEntry, 0);
}

}  // namespace
}  // namespace lumox
