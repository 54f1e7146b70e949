#include "data/numeric_entry_check.h"

#include <gtest/gtest.h>

namespace lumox {
namespace {

// Each text is what a data cell holds after one more keystroke.
TEST(NumericEntryCheck, DataCellsTakeNumbersKeystrokeByKeystroke) {
    struct Case {
        std::string text;
        bool accepted;
        std::string reason;
    };
    const Case cases[] = {
        {"", true, ""},
        {"-", true, ""},
        {"-1.5", true, ""},
        {"0", true, ""},
        {"0e", false, ""},  // no non-zero digit before the exponent yet
        {"10e", true, ""},
        {"1e-", true, ""},
        {"1e+5", true, ""},
        {"1e5e", false, ""},
        {"1.2.", false, ""},
        {"1.123456", true, ""},
        {"1.1234567", false, ""},  // a seventh decimal
        {"1e-6", true, ""},
        {"1.5e-5", true, ""},
        {"1.5e-6", false, ""},  // one decimal moved six places further is seven
        {"12a", false, ""},
        {"--", false, ""},
        {"1-", false, ""},
        {" 1", false, ""},
        {"123456789012", true, ""},
        {"1234567890123", false, "Too many characters..."},
        {"1e21", false, "Maximum value is: 1e+20"},
        {"-1e21", false, "Minimum value is: -1e+20"},
        {"-1e20", true, ""},
    };
    for (const Case& c : cases) {
        CNumericEntryCheck check;
        EXPECT_EQ(check.Check(c.text), c.accepted) << c.text;
        EXPECT_EQ(check.Reason(), c.reason) << c.text;
    }
}

TEST(NumericEntryCheck, TheOtherModesKeepTheirOwnLimits) {
    struct Case {
        int mode;
        std::string text;
        bool accepted;
        std::string reason;
    };
    const Case cases[] = {
        {0, "40", true, ""},
        {0, "41", false, "Maximum value is: 40"},
        {0, "4.", false, ""},
        {0, "-", false, ""},
        {1, "0.12", true, ""},
        {1, "0.123", false, ""},
        {1, "1000001", false, "Maximum value is: 1000000.00"},
        {1, "-", false, ""},
        {1, "0", true, ""},  // below the minimum of 0.01 while still being typed
    };
    for (const Case& c : cases) {
        CNumericEntryCheck check(c.mode);
        EXPECT_EQ(check.Check(c.text), c.accepted) << c.mode << " " << c.text;
        EXPECT_EQ(check.Reason(), c.reason) << c.mode << " " << c.text;
    }
}

TEST(NumericEntryCheck, AReasonDoesNotOutliveTheNextCheck) {
    CNumericEntryCheck check;
    EXPECT_FALSE(check.Check("1234567890123"));
    EXPECT_TRUE(check.Check("1"));
    EXPECT_EQ(check.Reason(), "");
}

}  // namespace
}  // namespace lumox
