#include "document/equation_text.h"

#include <gtest/gtest.h>

#include <map>

namespace lumox {
namespace {

// Columns A..E are 0..4 and Y is 5.
int Column(const std::string& name) {
    static const std::map<std::string, int> kColumns = {{"A", 0}, {"B", 1}, {"C", 2},
                                                         {"D", 3}, {"E", 4}, {"Y", 5}};
    const auto found = kColumns.find(name);
    return found == kColumns.end() ? -1 : found->second;
}

TEST(ParseEquation, ReadsEveryKindOfTermIntoItsEntry) {
    std::string error;
    const auto model = ParseEquation(
        "log(Y) = 1 + A + A^2 + sqrt(B) + log(C) + 1/D + 1/D^2 + e^-E + B + A*B", Column, error);
    ASSERT_TRUE(model) << error;
    EXPECT_EQ(model->m_nEntryCount, 11);
    using enum TransformKind;
    const std::array<Term, 11> terms = {Term::Variable(5, Log),
                                        Term::Constant(),
                                        Term::Variable(0),
                                        Term::Variable(0, Transform::Power(2)),
                                        Term::Variable(1, Sqrt),
                                        Term::Variable(2, Log),
                                        Term::Variable(3, Reciprocal),
                                        Term::Variable(3, ReciprocalSquare),
                                        Term::Variable(4, ExpNeg),
                                        Term::Variable(1),
                                        Term::CrossProduct(1, 8)};
    EXPECT_EQ(model->m_aTerms, terms);

    const auto reciprocal = ParseEquation("1/Y=1+B*A+A", Column, error);
    EXPECT_FALSE(reciprocal);  // a cross product needs its plain terms before it
    const auto swapped = ParseEquation("1/Y = 1 + B + A + A*B", Column, error);
    ASSERT_TRUE(swapped) << error;
    EXPECT_EQ(swapped->m_aTerms[0], Term::Variable(5, TransformKind::Reciprocal));
    EXPECT_EQ(swapped->m_aTerms[4], Term::CrossProduct(1, 2));
}

TEST(ParseEquation, RefusesWhatTheWindowCannotBuild) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"Y 1 + A", "the equation has no \"=\""},
        {"Y = A + B", "the first x term must be 1"},
        {"Y = 1 + A +", "an x term is empty"},
        {"Y = 1 + Y", "the y variable cannot be an x term"},
        {"Y = 1 + A + A*A", "a cross product A*A needs two different variables used as plain terms before it"},
        {"Y = 1 + A + B + C + D + E + A^2 + B^2 + C^2 + D^2 + E^2", "an equation has at most ten x terms"},
    };
    for (const auto& [text, expected] : cases) {
        std::string error;
        EXPECT_FALSE(ParseEquation(text, Column, error)) << text;
        EXPECT_EQ(error, expected) << text;
    }
    std::string error;
    // Unknown names (a transformed factor of a product among them) get the lookup's message.
    for (const char* text : {"Y = 1 + Z", "Y = 1 + A + sqrt(A)*B", "Q = 1 + A"}) {
        EXPECT_FALSE(ParseEquation(text, Column, error)) << text;
        EXPECT_EQ(error, "") << text;
    }
}

// The text written back from a model reads as the same model: what the Build Equation
// window shows in its equation edit after entries are chosen one by one.
TEST(EquationText, WritesWhatParseEquationReadsBack) {
    const std::vector<std::string> names = {"A", "B", "C", "D", "E", "Y"};
    for (const std::string text :
         {"Y = 1 + A + A^2 + sqrt(B) + log(C) + 1/D + 1/D^2 + e^-E + E + A*E",
          "log(Y) = 1 + A", "1/Y = 1 + 1/A", "sqrt(Y) = 1 + B^6 + C + D + C*D"}) {
        std::string error;
        const auto model = ParseEquation(text, Column, error);
        ASSERT_TRUE(model) << text << ": " << error;
        EXPECT_EQ(EquationText(*model, names), text);
    }
    EXPECT_EQ(EquationText(EquationModel(), names), "");
}

}  // namespace
}  // namespace lumox
