#include "cli/equation_text.h"

#include <gtest/gtest.h>

#include <map>

namespace lumox::cli {
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
    const std::array<int, 11> variables = {5, -1, 0, 0, 1, 2, 3, 3, 4, 1, 100 + 10 * 1 + 8};
    const std::array<int, 11> transforms = {2, -2, -2, 102, 1, 2, 3, 4, 5, -2, -2};
    EXPECT_EQ(model->m_anVariable, variables);
    EXPECT_EQ(model->m_anTransform, transforms);

    const auto reciprocal = ParseEquation("1/Y=1+B*A+A", Column, error);
    EXPECT_FALSE(reciprocal);  // a cross product needs its plain terms before it
    const auto swapped = ParseEquation("1/Y = 1 + B + A + A*B", Column, error);
    ASSERT_TRUE(swapped) << error;
    EXPECT_EQ(swapped->m_anTransform[0], 3);
    EXPECT_EQ(swapped->m_anVariable[4], 112);
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

}  // namespace
}  // namespace lumox::cli
