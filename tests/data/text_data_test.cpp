#include "data/text_data.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <random>
#include <sstream>

#include "document/document.h"
#include "platform/abort.h"
#include "support/scripted_prompt.h"
#include "support/temp_dir.h"

namespace lumox {
namespace {

using test::Message;
using test::ScriptedPrompt;

struct Refusal {
    std::string name;
    std::string file;
    std::string message;
};

// Every fault of a data file, each with the exact text a person sees.
TEST(ValidateTextDataFile, ReportsTheFirstFaultWithItsRowAndColumn) {
    const std::string longLine(4095, '1');
    const std::string longToken(80, '1');
    std::string manyNames;
    for (int i = 0; i < 128; ++i) manyNames += "v" + std::to_string(i) + " ";
    const std::vector<Refusal> cases = {
        {"blank header", "\r\n1 2\r\n3 4\r\n", "Data File: first row is blank!"},
        {"empty file header only", "X Y\r\n", "Not enough data for calculation or graphing!"},
        {"one observation", "X Y\r\n1 2\r\n", "Not enough data for calculation or graphing!"},
        {"blank row 2", "X Y\r\n1 2\r\n\r\n3 4\r\n", "Data File: row 2 is blank!"},
        {"second trailing line end", "X Y\r\n1 2\r\n3 4\r\n\r\n", "Data File: row 3 is blank!"},
        {"semicolon", "X Y\r\n1;2 3\r\n4 5\r\n",
         "Data File: found non-numeric character in column 1, row 1!"},
        {"letter in row 2 column 2", "X Y\r\n1 2\r\n3 4a\r\n",
         "Data File: found non-numeric character in column 2, row 2!"},
        {"too few values", "X Y\r\n1 2\r\n3\r\n", "Data File: number of columns different in row 2\n"},
        {"blanks only", "X Y\r\n1 2\r\n   \r\n",
         "Data File: number of columns different in row 2\n"},
        {"too large", "", "Data File: too large for matrix!"},
        {"long line", "X\r\n1\r\n" + longLine + "\r\n",
         "Data File: row 2 is longer than 4094 characters!"},
        {"long token", "X\r\n1\r\n" + longToken + "\r\n",
         "Data File: value in column 1, row 2 is longer than 79 characters!"},
        {"long header", "X" + longLine + "\r\n1\r\n2\r\n",
         "Data File: first row is longer than 4094 characters!"},
        {"many names", manyNames + "\r\n", "Data File: more than 127 column names in the first row!"},
        {"long name", "A" + longToken + " B\r\n1 2\r\n3 4\r\n",
         "Data File: name in column 1 of the first row is longer than 79 characters!"},
        {"NUL byte", std::string("X Y\r\n1 \0\r\n3 4\r\n", 14),
         "Data File: found non-numeric character in column 2, row 1!"},
        {"non-ASCII", "X Y\r\n1 \xe9\r\n3 4\r\n",
         "Data File: found non-numeric character in column 2, row 1!"},
        {"separators only header", " , ,\r\n1\r\n2\r\n", "Data File: first row is blank!"},
        {"numeric names declined", "1 2\r\n1 2\r\n3 4\r\n", ""},
        // Every value is one whole number: no leading part of a token is taken for it.
        {"two points", "X Y\r\n1 2\r\n3 1.2.3\r\n",
         "Data File: value in column 2, row 2 is not a number!"},
        {"two numbers joined", "X Y\r\n1-2 3\r\n4 5\r\n",
         "Data File: value in column 1, row 1 is not a number!"},
        {"a date", "X Y\r\n1 2\r\n2024-01-05 3\r\n",
         "Data File: value in column 1, row 2 is not a number!"},
        {"e alone", "X Y\r\n1 e\r\n3 4\r\n",
         "Data File: value in column 2, row 1 is not a number!"},
        {"point alone", "X Y\r\n1 2\r\n. 4\r\n",
         "Data File: value in column 1, row 2 is not a number!"},
        {"minus alone", "X Y\r\n- 2\r\n3 4\r\n",
         "Data File: value in column 1, row 1 is not a number!"},
        {"exponent without digits", "X Y\r\n1 2e\r\n3 4\r\n",
         "Data File: value in column 2, row 1 is not a number!"},
        {"two signs", "X Y\r\n1 2\r\n3 +-4\r\n",
         "Data File: value in column 2, row 2 is not a number!"},
        {"sign at the end", "X Y\r\n1 2+\r\n3 4\r\n",
         "Data File: value in column 2, row 1 is not a number!"},
        {"bad number before a short row", "X Y\r\n1 2\r\n1.2.3\r\n",
         "Data File: value in column 1, row 2 is not a number!"},
        {"past the largest double", "X Y\r\n1 2\r\n3 1e400\r\n",
         "Data File: value in column 2, row 2 is too large!"},
        {"past the largest double below zero", "X Y\r\n-1.8e308 2\r\n3 4\r\n",
         "Data File: value in column 1, row 1 is too large!"},
        {"rounds up past the largest double", "X Y\r\n1 2\r\n3 179769313486231590e291\r\n",
         "Data File: value in column 2, row 2 is too large!"},
        {"large by its leading zeros", "X Y\r\n1 2\r\n3 0.0001e313\r\n",
         "Data File: value in column 2, row 2 is too large!"},
    };
    for (Refusal c : cases) {
        if (c.name == "too large") {
            c.file = "A B C\r\n";
            for (int i = 0; i < 21846; ++i) c.file += "1 2 3\r\n";
        }
        ScriptedPrompt prompt;
        if (c.message.empty()) prompt.answers.push_back(Answer::No);  // all-numeric question
        CLumoxDoc doc;
        doc.m_nRows = doc.m_nCols = 9;
        std::istringstream file(c.file);
        EXPECT_EQ(ValidateTextDataFile(doc, file), 1) << c.name;
        EXPECT_EQ(doc.m_nRows, 0u) << c.name;
        EXPECT_EQ(doc.m_nCols, 0u) << c.name;
        if (c.message.empty()) {
            EXPECT_EQ(prompt.Texts(),
                      (std::vector<std::string>{
                          "Data File: column names in the first row are all numeric! Is this correct?"}))
                << c.name;
        } else {
            EXPECT_EQ(prompt.messages, (std::vector<Message>{{c.message, Icon::Stop}})) << c.name;
        }
    }
}

TEST(ValidateTextDataFile, AcceptsLimitsAndLineEndsOfEveryKind) {
    const std::vector<std::pair<std::string, std::string>> files = {
        {"comma separated", "X,Y\r\n1,2\r\n3,4"},
        {"trailing line end", "X,Y\r\n1,2\r\n3,4\r\n"},
        {"LF only", "X Y\n1 2\n3 4\n"},
        {"lone CR", "X Y\r1 2\r3 4\r"},
    };
    for (const auto& [name, text] : files) {
        ScriptedPrompt prompt;
        CLumoxDoc doc;
        std::istringstream file(text);
        EXPECT_EQ(ValidateTextDataFile(doc, file), 0) << name;
        EXPECT_EQ(doc.m_nRows, 2u) << name;
        EXPECT_EQ(doc.m_nCols, 2u) << name;
        EXPECT_TRUE(prompt.messages.empty()) << name;
    }
    // 65535 values is the most a data set holds.
    std::string big = "A B C\r\n";
    for (int i = 0; i < 21845; ++i) big += "1 2 3\r\n";
    CLumoxDoc doc;
    std::istringstream file(big);
    EXPECT_EQ(ValidateTextDataFile(doc, file), 0);
    EXPECT_EQ(doc.m_nRows, 21845u);
}

// Arbitrary bytes give a data set or a message, never a crash (the sanitizer build runs
// this too): bytes drawn mostly from what data files hold, with NUL, CR, LF and high bytes.
TEST(ReadTextDataFile, ArbitraryBytesNeverCrashTheReader) {
    const std::string alphabet = std::string("0123456789.-+eE ,\t\r\n\r\nxA;", 24) + '\0' + "\xff\x80";
    std::mt19937 random(20261207);
    for (int round = 0; round < 3000; ++round) {
        std::string bytes(random() % 200, ' ');
        for (char& c : bytes) c = alphabet[random() % alphabet.size()];
        if (round % 3 == 0) bytes = "A B\r\n" + bytes;  // a header with letters, often
        ScriptedPrompt prompt;
        prompt.answers.assign(1, round % 2 ? Answer::Yes : Answer::No);
        CLumoxDoc doc;
        std::istringstream file(bytes);
        try {
            ReadTextDataFile(doc, file);
            EXPECT_GE(doc.m_nRows, 2u);
            EXPECT_EQ(doc.m_astrColNames.size(), doc.m_nCols);
            EXPECT_EQ(doc.GetData().Rows() * doc.GetData().Cols(), doc.m_nRows * doc.m_nCols);
        } catch (const UserAbort&) {
            EXPECT_EQ(doc.m_nRows, 0u);
            for (const test::Message& message : prompt.messages) {
                EXPECT_TRUE(message.icon == Icon::Stop || message.icon == Icon::Question)
                    << message.text;
            }
        }
    }
}

TEST(CountHeaderColumns, AsksOnlyWhenNoNameHasALetter) {
    {
        ScriptedPrompt prompt;
        EXPECT_EQ(CountHeaderColumns("1990 Sales"), 2u);
        EXPECT_TRUE(prompt.messages.empty());
    }
    {
        ScriptedPrompt prompt;
        prompt.answers = {Answer::Yes, Answer::No};
        EXPECT_EQ(CountHeaderColumns("1 2 3"), 3u);
        EXPECT_EQ(CountHeaderColumns("1 2 3"), 0u);
        ASSERT_EQ(prompt.messages.size(), 2u);
        EXPECT_EQ(prompt.messages[0].icon, Icon::Question);
    }
}

TEST(ReadTextDataFile, FillsNamesValuesAndHeader) {
    ScriptedPrompt prompt;
    prompt.answers = {Answer::Yes};
    CLumoxDoc doc;
    std::istringstream file(
        "1 2 ABCDEFGHIJKLMNOPQRST\n1.5e3 -.5 1.2\n+4 5. 7E-1\n"
        "1.7976931348623157e308 1e-400 -1e-400\n4.9e-324 0.0001e308 00012\n");
    ReadTextDataFile(doc, file);
    ASSERT_EQ(doc.m_nRows, 4u);
    ASSERT_EQ(doc.m_nCols, 3u);
    EXPECT_EQ(doc.m_strHeaderLine, "1 2 ABCDEFGHIJKLMNOPQRST");
    EXPECT_EQ(doc.m_astrColNames, (std::vector<std::string>{"1", "2", "ABCDEFGHIJKLMNOP"}));
    const Matrix& data = doc.GetData();
    EXPECT_EQ(data.At(0, 0), 1500.0);
    EXPECT_EQ(data.At(0, 1), -0.5);
    EXPECT_EQ(data.At(0, 2), 1.2);
    EXPECT_EQ(data.At(1, 0), 4.0);
    EXPECT_EQ(data.At(1, 1), 5.0);
    EXPECT_EQ(data.At(1, 2), 0.7);
    // The largest double is a number; one too small for a double is zero of its sign.
    EXPECT_EQ(data.At(2, 0), DBL_MAX);
    EXPECT_EQ(data.At(2, 1), 0.0);
    EXPECT_FALSE(std::signbit(data.At(2, 1)));
    EXPECT_EQ(data.At(2, 2), 0.0);
    EXPECT_TRUE(std::signbit(data.At(2, 2)));
    EXPECT_EQ(data.At(3, 0), DBL_TRUE_MIN);
    EXPECT_EQ(data.At(3, 1), 1e304);
    EXPECT_EQ(data.At(3, 2), 12.0);
}

TEST(TextLines, ReadForEditingAndWrittenBackWithCrLf) {
    test::TempDir dir;
    ScriptedPrompt prompt;
    std::vector<std::string> lines;
    ASSERT_TRUE(ReadTextLines(dir.Write("lf.dat", "X Y\n1 2\n3 4\n"), lines));
    lines.resize(3);
    EXPECT_EQ(lines, (std::vector<std::string>{"X Y", "1 2", "3 4"}));
    EXPECT_TRUE(prompt.messages.empty());

    lines[2] = "3 5";
    std::ostringstream out;
    ASSERT_TRUE(WriteTextLines(lines, 3, out));
    EXPECT_EQ(out.str(), "X Y\r\n1 2\r\n3 5\r\n");

    std::vector<std::string> none;
    EXPECT_FALSE(ReadTextLines(dir.File("missing.dat"), none));
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_EQ(prompt.messages[0].icon, Icon::Stop);
}

TEST(TextLines, WarnsAboutLargeFilesAndGoesOn) {
    test::TempDir dir;
    ScriptedPrompt prompt;
    std::string text = "X\r\n";
    while (text.size() <= 86000) text += "12345678\r\n";
    std::vector<std::string> lines;
    ASSERT_TRUE(ReadTextLines(dir.Write("big.dat", text), lines));
    EXPECT_EQ(lines[1], "12345678");
    EXPECT_EQ(prompt.messages,
              (std::vector<Message>{
                  {"Data File: Lumox may not handle this large file on some machines!",
                   Icon::Exclamation}}));
}

}  // namespace
}  // namespace lumox
