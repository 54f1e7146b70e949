#include "data/pasted_table.h"

#include <gtest/gtest.h>

#include "data/text_data.h"
#include "support/scripted_prompt.h"

namespace lumox {
namespace {

using test::Message;
const std::string kIncorrect = "Clipboard data appears incorrect...";

// A copied range as a spreadsheet puts it on the clipboard: cells joined by TAB, every
// row (the last one included) ended by lineEnd.
// A paste before the numeric-names question has been answered; true when it makes a table.
bool Paste(std::string_view text, std::vector<std::string>& lines, int& columns,
           Diagnostics& said) {
    return ReadPastedTable(text, lines, columns, NumericNames::Ask, said) == ReadStatus::Read;
}

std::string SpreadsheetCopy(const std::vector<std::vector<std::string>>& rows,
                            const std::string& lineEnd) {
    std::string text;
    for (const auto& row : rows) {
        for (size_t i = 0; i < row.size(); ++i) text += (i ? "\t" : "") + row[i];
        text += lineEnd;
    }
    return text;
}

TEST(PastedTable, SpreadsheetRangesWithEitherLineEnd) {
    const std::vector<std::vector<std::string>> range = {
        {"Hours", "Score", "Age"}, {"1", "57.5", "20"}, {"2.5", "-3e2", "31"}, {"4", "61", "22"}};
    for (const std::string lineEnd : {"\n", "\r\n"}) {
        Diagnostics said;
        std::vector<std::string> lines;
        int columns = 0;
        ASSERT_TRUE(Paste(SpreadsheetCopy(range, lineEnd), lines, columns, said));
        EXPECT_EQ(columns, 3);
        EXPECT_EQ(lines, (std::vector<std::string>{"Hours\tScore\tAge", "1\t57.5\t20",
                                                   "2.5\t-3e2\t31", "4\t61\t22"}));
        EXPECT_TRUE(said.Items().empty());
    }
}

TEST(PastedTable, TheChecksOfTheFirstThreeLines) {
    struct Case {
        const char* name;
        std::string text;
        bool accepted;
        std::vector<Message> messages;
    };
    const Case cases[] = {
        {"blank separated, CR LF", "x y\r\n1 2\r\n3 4\r\n", true, {}},
        {"two lines only", "x y\r\n1 2\r\n", false, {{kIncorrect, Icon::Exclamation}}},
        {"one line", "x y", false, {{kIncorrect, Icon::Exclamation}}},
        {"empty text", "", false, {{kIncorrect, Icon::Exclamation}}},
        {"blank lines only", "\n\n\n", false, {{kIncorrect, Icon::Exclamation}}},
        {"letter on line 2", "x y\n1 z\n3 4\n", false, {{kIncorrect, Icon::Exclamation}}},
        {"letter on line 3", "x y\n1 2\n3 q\n", false, {{kIncorrect, Icon::Exclamation}}},
        {"exponents are numbers", "x y\n1e3 2E-1\n3 4\n", true, {}},
        {"line 3 one short", "x y\n1 2\n3\n", false, {{kIncorrect, Icon::Exclamation}}},
        // Past the third line the data file reader's rules speak, naming the row.
        {"letter on line 4", "x y\n1 2\n3 4\nfive 6\n", false,
         {{"Clipboard data: found non-numeric character in column 1, row 3!",
           Icon::Exclamation}}},
        {"lone CR line ends", "x,y\r1,2\r3,4", true, {}},
    };
    for (const Case& c : cases) {
        Diagnostics said;
        std::vector<std::string> lines = {"kept"};
        int columns = 7;
        EXPECT_EQ(Paste(c.text, lines, columns, said), c.accepted) << c.name;
        EXPECT_EQ(said.Items(), c.messages) << c.name;
        if (c.accepted) {
            EXPECT_EQ(columns, 2) << c.name;
        } else {
            EXPECT_EQ(lines, std::vector<std::string>{"kept"}) << c.name;
            EXPECT_EQ(columns, 7) << c.name;
        }
    }
}

TEST(PastedTable, TakesOnlyTablesTheReaderTakes) {
    auto Wide = [](int columns) {
        std::string text;
        for (int row = 0; row < 3; ++row) {
            for (int c = 0; c < columns; ++c) text += (c ? "\t" : "") + std::string(row ? "1" : "v");
            text += "\n";
        }
        return text;
    };
    std::string tall = "x\n";
    for (int row = 0; row < 65536; ++row) tall += "1\n";
    const std::string kNotNumber = "Clipboard data: value in column 2, row 3 is not a number!";
    const std::string kNonNumeric = "Clipboard data: found non-numeric character in column 2, row 3!";
    struct Case {
        const char* name;
        std::string text;
        std::string message;  // empty: accepted
    };
    const Case cases[] = {
        {"comma and blank", "A, B\n1, 2\n3, 4\n5, 6\n", ""},
        {"leading blanks", " A B\n 1 2\n 3 4\n", ""},
        {"blank lines after the table", "A B\n1 2\n3 4\n\n \n", ""},
        {"127 columns", Wide(127), ""},
        {"128 columns", Wide(128), "Clipboard data: more than 127 column names in the first row!"},
        {"beyond a double", "a b\n1 2\n3 4\n5 1e400\n", "Clipboard data: value in column 2, row 3 is too large!"},
        {"a range", "a b\n1 2\n3 4\n5 1-2\n", kNotNumber},
        {"a date", "a b\n1 2\n3 4\n5 2024-01-05\n", kNotNumber},
        {"nan", "a b\n1 2\n3 4\n5 nan\n", kNonNumeric},
        {"inf", "a b\n1 2\n3 4\n5 inf\n", kNonNumeric},
        {"quoted", "a b\n1 2\n3 4\n5 \"6\"\n", kNonNumeric},
        {"an extra cell", "a b\n1 2\n3 4\n5 6 7\n", "Clipboard data: number of columns different in row 3\n"},
        {"a blank line inside", "a b\n1 2\n3 4\n\n5 6\n", "Clipboard data: row 3 is blank!"},
        {"65536 values", tall, "Clipboard data: too large for matrix!"},
    };
    for (const Case& c : cases) {
        Diagnostics said;
        std::vector<std::string> lines;
        int columns = 0;
        EXPECT_EQ(ReadPastedTable(c.text, lines, columns, NumericNames::Accepted, said) ==
                      ReadStatus::Read,
                  c.message.empty())
            << c.name;
        std::vector<Message> want;
        if (c.text.size() > kLargeFileBytes) want.push_back({"Data File: Lumox may not handle this large file on some machines!", Icon::Exclamation});
        if (!c.message.empty()) want.push_back({c.message, Icon::Exclamation});
        EXPECT_EQ(said.Items(), want) << c.name;
    }
}

TEST(PastedTable, AllNumericNamesAreTakenOnlyOnceAnswered) {
    const char* text = "1990 2000\n1 2\n3 4\n";
    std::vector<std::string> lines;
    int columns = 0;
    Diagnostics said;
    EXPECT_EQ(ReadPastedTable(text, lines, columns, NumericNames::Ask, said),
              ReadStatus::NumericNamesQuestion);
    EXPECT_TRUE(lines.empty());
    EXPECT_EQ(ReadPastedTable(text, lines, columns, NumericNames::Accepted, said), ReadStatus::Read);
    EXPECT_EQ(lines.size(), 3u);
    EXPECT_TRUE(said.Empty());
}

TEST(PastedTable, WideTablesUpToTheLineLimitAndNoFurther) {
    // Twelve columns of 20-character numbers: far more than a 159-character line.
    std::vector<std::vector<std::string>> range(4);
    for (int c = 0; c < 12; ++c) {
        range[0].push_back("Column" + std::to_string(c));
        for (int r = 1; r < 4; ++r)
            range[static_cast<size_t>(r)].push_back("-1.23456789012345e-10");
    }
    {
        Diagnostics said;
        std::vector<std::string> lines;
        int columns = 0;
        ASSERT_TRUE(Paste(SpreadsheetCopy(range, "\r\n"), lines, columns, said));
        EXPECT_EQ(columns, 12);
        EXPECT_GT(lines[1].size(), 159u);
    }
    // A line of exactly the limit is taken; one character more is refused, naming the line.
    const std::string atLimit = "1" + std::string(kMaxLineLength - 2, ' ') + "2";
    const std::string tooLong = atLimit + "0";
    {
        Diagnostics said;
        std::vector<std::string> lines;
        int columns = 0;
        EXPECT_TRUE(Paste("a b\n1 2\n3 4\n" + atLimit + "\n", lines, columns, said));
        EXPECT_EQ(lines[3].size(), kMaxLineLength);
    }
    {
        Diagnostics said;
        std::vector<std::string> lines;
        int columns = 0;
        EXPECT_FALSE(Paste("a b\n1 2\n3 4\n5 6\n" + tooLong + "\n", lines, columns, said));
        EXPECT_EQ(said.Items(),
                  (std::vector<Message>{{"Clipboard data: line 5 is longer than 4094 characters!",
                                         Icon::Exclamation}}));
        EXPECT_TRUE(lines.empty());
    }
}

TEST(PastedTable, LargeTextIsWarnedAboutAndStillPasted) {
    std::string text = "x\ty\n";
    while (text.size() <= kLargeFileBytes) text += "123.456\t789.012\n";
    Diagnostics said;
    std::vector<std::string> lines;
    int columns = 0;
    EXPECT_TRUE(Paste(text, lines, columns, said));
    EXPECT_EQ(
        said.Items(),
        (std::vector<Message>{{"Data File: Lumox may not handle this large file on some machines!",
                               Icon::Exclamation}}));
    EXPECT_GT(lines.size(), 5000u);
}

}  // namespace
}  // namespace lumox
