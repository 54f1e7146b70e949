#include "data/text_data.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <random>
#include <sstream>

#include "document/lumox_doc.h"
#include "support/data_sets.h"
#include "support/scripted_prompt.h"
#include "support/temp_dir.h"

namespace lumox {
namespace {

using test::Message;

struct Refusal {
    std::string name;
    std::string file;
    std::string message;
};

// Every fault of a data file, each with the exact text a person sees.
TEST(ReadTextDataFile, ReportsTheFirstFaultWithItsRowAndColumn) {
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
        {"control character in a name", "X \x1bY\r\n1 2\r\n3 4\r\n",
         "Data File: name in column 2 of the first row holds a control character!"},
        {"NUL byte", std::string("X Y\r\n1 \0\r\n3 4\r\n", 14),
         "Data File: found non-numeric character in column 2, row 1!"},
        {"non-ASCII", "X Y\r\n1 \xe9\r\n3 4\r\n",
         "Data File: found non-numeric character in column 2, row 1!"},
        {"separators only header", " , ,\r\n1\r\n2\r\n", "Data File: first row is blank!"},
        {"numeric names not yet answered", "1 2\r\n1 2\r\n3 4\r\n", ""},
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
        Diagnostics said;
        DataSet doc;
        test::FillDataSet(doc, {"Old"}, {{1.0}, {2.0}});  // a refusal leaves no data behind
        std::istringstream file(c.file);
        const ReadStatus status = ReadTextDataFile(doc, file, NumericNames::Ask, said);
        EXPECT_EQ(doc.Rows(), 0u) << c.name;
        EXPECT_EQ(doc.Cols(), 0u) << c.name;
        if (c.message.empty()) {
            EXPECT_EQ(status, ReadStatus::NumericNamesQuestion) << c.name;
            EXPECT_TRUE(said.Empty()) << c.name;
        } else {
            EXPECT_EQ(status, ReadStatus::Refused) << c.name;
            EXPECT_EQ(said.Items(), (std::vector<Message>{{c.message, Icon::Stop}})) << c.name;
        }
    }
}

TEST(ReadTextDataFile, AcceptsLimitsAndLineEndsOfEveryKind) {
    const std::vector<std::pair<std::string, std::string>> files = {
        {"comma separated", "X,Y\r\n1,2\r\n3,4"},
        {"trailing line end", "X,Y\r\n1,2\r\n3,4\r\n"},
        {"LF only", "X Y\n1 2\n3 4\n"},
        {"lone CR", "X Y\r1 2\r3 4\r"},
    };
    for (const auto& [name, text] : files) {
        Diagnostics said;
        DataSet doc;
        std::istringstream file(text);
        EXPECT_EQ(ReadTextDataFile(doc, file, NumericNames::Ask, said), ReadStatus::Read)
            << name;
        EXPECT_EQ(doc.Rows(), 2u) << name;
        EXPECT_EQ(doc.Cols(), 2u) << name;
        EXPECT_TRUE(said.Empty()) << name;
    }
    // 65535 values is the most a data set holds.
    std::string big = "A B C\r\n";
    for (int i = 0; i < 21845; ++i) big += "1 2 3\r\n";
    DataSet doc;
    std::istringstream file(big);
    Diagnostics said;
    EXPECT_EQ(ReadTextDataFile(doc, file, NumericNames::Ask, said), ReadStatus::Read);
    EXPECT_EQ(doc.Rows(), 21845u);
}

// A long text is checked in blocks, side by side: it must read as one whole, whatever line
// ends fall on the blocks' edges, and a fault must be told with its own row, the first
// fault first.
TEST(ReadTextDataFile, ALongTextReadsAsOneWholeAndTellsItsFirstFault) {
    constexpr int kRows = 12000;
    const std::vector<std::pair<std::string, std::vector<std::string>>> endings = {
        {"CR LF", {"\r\n"}}, {"LF", {"\n"}}, {"lone CR", {"\r"}}, {"mixed", {"\r\n", "\n", "\r"}}};
    // Rows with a fault (0 for none): the first, one deep inside, the last, and two at once.
    const std::vector<std::vector<int>> faultRows = {{}, {1}, {7777}, {kRows}, {5000, 9000}};
    for (const auto& [name, ends] : endings) {
        for (const std::vector<int>& faults : faultRows) {
            std::string text = "Index Half";
            for (int row = 1; row <= kRows; ++row) {
                text += ends[static_cast<size_t>(row) % ends.size()];
                const bool faulty = std::find(faults.begin(), faults.end(), row) != faults.end();
                text += std::to_string(row) + (faulty ? " 1.2.3" : " " + std::to_string(row) + ".5");
            }
            DataSet doc;
            Diagnostics said;
            std::istringstream file(text);
            const ReadStatus status = ReadTextDataFile(doc, file, NumericNames::Ask, said);
            const std::string label = name + " with " + std::to_string(faults.size()) + " faults";
            if (!faults.empty()) {
                EXPECT_EQ(status, ReadStatus::Refused) << label;
                const std::string message = "Data File: value in column 2, row " +
                                            std::to_string(faults[0]) + " is not a number!";
                EXPECT_EQ(said.Items(), (std::vector<Message>{{message, Icon::Stop}})) << label;
                continue;
            }
            ASSERT_EQ(status, ReadStatus::Read) << label;
            ASSERT_EQ(doc.Rows(), static_cast<uint32_t>(kRows)) << label;
            for (uint32_t row = 0; row < kRows; ++row) {
                ASSERT_EQ(doc.GetData().At(row, 0), row + 1.0) << label;
                ASSERT_EQ(doc.GetData().At(row, 1), row + 1.5) << label;
            }
        }
    }
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
        Diagnostics said;
        const NumericNames names = round % 2 ? NumericNames::Accepted : NumericNames::Ask;
        DataSet doc;
        std::istringstream file(bytes);
        const ReadStatus status = ReadTextDataFile(doc, file, names, said);
        if (status == ReadStatus::Read) {
            EXPECT_GE(doc.Rows(), 2u);
            EXPECT_EQ(doc.ColNames().size(), doc.Cols());
            EXPECT_EQ(doc.GetData().Rows() * doc.GetData().Cols(), doc.Rows() * doc.Cols());
            EXPECT_TRUE(said.Empty());
        } else {
            EXPECT_EQ(doc.Rows(), 0u);
            // A refusal says why, once; the question says nothing itself.
            EXPECT_EQ(said.Items().size(), status == ReadStatus::Refused ? 1u : 0u);
            EXPECT_TRUE(said.Empty() || said.Items()[0].icon == Icon::Stop);
        }
    }
}

TEST(ReadTextDataFile, FillsNamesValuesAndHeader) {
    Diagnostics said;
    DataSet doc;
    std::istringstream file(
        "1 2 ABCDEFGHIJKLMNOPQRST\n1.5e3 -.5 1.2\n+4 5. 7E-1\n"
        "1.7976931348623157e308 1e-400 -1e-400\n4.9e-324 0.0001e308 00012\n");
    ASSERT_EQ(ReadTextDataFile(doc, file, NumericNames::Ask, said), ReadStatus::Read);
    ASSERT_EQ(doc.Rows(), 4u);
    ASSERT_EQ(doc.Cols(), 3u);
    EXPECT_EQ(doc.HeaderLine(), "1 2 ABCDEFGHIJKLMNOPQRST");
    EXPECT_EQ(doc.ColNames(), (std::vector<std::string>{"1", "2", "ABCDEFGHIJKLMNOP"}));
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

TEST(ReadTextDataFile, AUtf8ByteOrderMarkIsNotPartOfTheFirstName) {
    Diagnostics said;
    DataSet doc;
    std::istringstream file("\xEF\xBB\xBFHeight Weight\r\n1 2\r\n3 4\r\n");
    ReadTextDataFile(doc, file, NumericNames::Ask, said);
    EXPECT_EQ(doc.HeaderLine(), "Height Weight");
    EXPECT_EQ(doc.ColNames(), (std::vector<std::string>{"Height", "Weight"}));
    EXPECT_TRUE(said.Empty());

    test::TempDir dir;
    std::vector<std::string> lines;
    ASSERT_TRUE(
        ReadTextLines(dir.Write("bom.dat", "\xEF\xBB\xBFX Y\n1 2\n3 4\n"), lines, said));
    EXPECT_EQ(lines[0], "X Y");
}

TEST(TextLines, ReadForEditingAndWrittenBackWithCrLf) {
    test::TempDir dir;
    Diagnostics said;
    std::vector<std::string> lines;
    ASSERT_TRUE(ReadTextLines(dir.Write("lf.dat", "X Y\n1 2\n3 4\n"), lines, said));
    lines.resize(3);
    EXPECT_EQ(lines, (std::vector<std::string>{"X Y", "1 2", "3 4"}));
    EXPECT_TRUE(said.Empty());

    lines[2] = "3 5";
    std::ostringstream out;
    ASSERT_TRUE(WriteTextLines(lines, 3, out));
    EXPECT_EQ(out.str(), "X Y\r\n1 2\r\n3 5\r\n");

    std::vector<std::string> none;
    EXPECT_FALSE(ReadTextLines(dir.File("missing.dat"), none, said));
    ASSERT_EQ(said.Items().size(), 1u);
    EXPECT_EQ(said.Items()[0].icon, Icon::Stop);
}

TEST(TextLines, WarnsAboutLargeFilesAndGoesOn) {
    test::TempDir dir;
    Diagnostics said;
    std::string text = "X\r\n";
    while (text.size() <= 86000) text += "12345678\r\n";
    std::vector<std::string> lines;
    ASSERT_TRUE(ReadTextLines(dir.Write("big.dat", text), lines, said));
    EXPECT_EQ(lines[1], "12345678");
    EXPECT_EQ(said.Items(),
              (std::vector<Message>{
                  {"Data File: Lumox may not handle this large file on some machines!",
                   Icon::Exclamation}}));
}

}  // namespace
}  // namespace lumox
