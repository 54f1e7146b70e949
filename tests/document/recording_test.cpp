#include "document/recording.h"

#include <gtest/gtest.h>

#include <sstream>

#include "document/lumox_doc.h"
#include "data/text_data.h"
#include "platform/format.h"
#include "reports/input_data.h"
#include "support/data_sets.h"
#include "support/fake_host.h"
#include "support/scripted_prompt.h"
#include "support/temp_dir.h"

namespace lumox {
namespace {

using test::ScriptedPrompt;

using test::FakeHost;

// A document holding the data of a text data file given as text.
struct Loaded {
    explicit Loaded(const std::string& text) {
        doc.SetHost(&host);
        std::istringstream file(text);
        EXPECT_EQ(test::ReadData(doc, file), ReadStatus::Read);
    }
    FakeHost host;
    CLumoxDoc doc;
};

std::string InputData(const std::string& file) {
    Loaded loaded(file);
    std::string out;
    WriteInputData(loaded.doc.Data(), out);
    return out;
}

TEST(WriteInputData, ColumnsAreAsWideAsTheirWidestValuePlusTwo) {
    EXPECT_EQ(InputData("X Y\r\n1 2\r\n3 4\r\n"),
              "\r\n\r\nINPUT DATA\r\n\r\n"
              "X  Y  \r\n"
              "1  2\r\n"
              "3  4\r\n");
    // A long name shows its first 8 characters in a field of at least 9; values are
    // printed with as many digits as their field is wide.
    EXPECT_EQ(InputData("LongVariable1 B\r\n0.5 -12.25\r\n100 0.333333333333\r\n"),
              "\r\n\r\nINPUT DATA\r\n\r\n"
              "LongVari B            \r\n"
              "0.5      -12.25\r\n"
              "100      0.33333333333\r\n");
    // A value with more digits than its field holds is shown to nine digits rather than
    // run into the next column (by hand: "%.9g" widths 11 and 9 give fields of 13 and 11;
    // "%.13g" of the first value and "%.11g" of the second would fill 14 and 12).
    EXPECT_EQ(InputData("A B C\r\n0.333333333333 123456789.25 1\r\n2 3 4\r\n"),
              "\r\n\r\nINPUT DATA\r\n\r\n"
              "A            B          C  \r\n"
              "0.333333333  123456789  1\r\n"
              "2            3          4\r\n");
}

// Columns A (the values under test) and B (1 in every row): the A fields of each row.
struct DigitsCase {
    std::vector<const char*> values;
    std::vector<const char*> fields;
};

// Worked by hand (and with Python's "%.*g", which is C's): W = "%.9g" width + 2; a value
// is written with W significant digits unless that text is W or more characters long,
// then with nine.
const DigitsCase kDigitsCases[] = {
    // Integers of 10 to 15 digits: "%.9g" gives 1.23456789e+09 (14), so W = 16 and the
    // integer shows whole; one of 16 digits would touch the next column.
    {{"1234567890"}, {"1234567890      "}},
    {{"12345678901"}, {"12345678901     "}},
    {{"123456789012"}, {"123456789012    "}},
    {{"1234567890123"}, {"1234567890123   "}},
    {{"12345678901234"}, {"12345678901234  "}},
    {{"123456789012345"}, {"123456789012345 "}},
    {{"1234567890123456"}, {"1.23456789e+15  "}},
    {{"-1234567890"}, {"-1234567890      "}},
    // Rounded to nine digits it is 1e+10, five wide: W = 7 holds no more.
    {{"9999999999"}, {"1e+10  "}},
    // 10 to 17 significant digits in a field of 12: ten fit with a blank, more would touch.
    {{"1.234567891"}, {"1.234567891 "}},
    {{"12345.67891"}, {"12345.67891 "}},
    {{"1.2345678912"}, {"1.23456789  "}},
    {{"1.2345678912345"}, {"1.23456789  "}},
    {{"1.2345678912345678"}, {"1.23456789  "}},
    {{"0.000123456789012"}, {"0.000123456789  "}},
    // In a field of 16 (widened by an integer) up to 14 digits show; the decimals of a
    // short value are not padded with the binary's digits.
    {{"1234567890", "1.2345678912"}, {"1234567890      ", "1.2345678912    "}},
    {{"1234567890", "1.2345678912345"}, {"1234567890      ", "1.2345678912345 "}},
    {{"1234567890", "1.23456789123456"}, {"1234567890      ", "1.23456789      "}},
    {{"1234567890", "1.2345678912345678"}, {"1234567890      ", "1.23456789      "}},
    {{"1234567890", "0.3", "123.1"}, {"1234567890      ", "0.3             ", "123.1           "}},
};

TEST(WriteInputData, ValuesCarryAsManyDigitsAsTheirFieldHoldsWithABlankBeforeTheNext) {
    for (const DigitsCase& c : kDigitsCases) {
        // A last row of 2 and 1 makes a data set of at least two observations.
        const int width = static_cast<int>(std::string(c.fields[0]).size());
        std::string file = "A B\r\n";
        std::string expected =
            "\r\n\r\nINPUT DATA\r\n\r\n" + Format("%-*s", width, "A") + "B  \r\n";
        for (size_t i = 0; i < c.values.size(); ++i) {
            file += std::string(c.values[i]) + " 1\r\n";
            expected += std::string(c.fields[i]) + "1\r\n";
        }
        file += "2 1\r\n";
        expected += Format("%-*s", width, "2") + "1\r\n";
        EXPECT_EQ(InputData(file), expected) << c.values.back();
    }
}

TEST(WriteInputData, WideDataSetsWrapAfterSeventyEightCharacters) {
    std::string file;
    for (int j = 0; j < 20; ++j) file += "V" + std::to_string(j) + " ";
    file += "\r\n";
    for (int i = 0; i < 2; ++i) {
        for (int j = 0; j < 20; ++j) file += "1.234 ";
        file += "\r\n";
    }
    const std::string out = InputData(file);
    std::string names, row;
    for (int j = 0; j < 11; ++j) names += Format("%-7s", ("V" + std::to_string(j)).c_str());
    for (int j = 0; j < 11; ++j) row += "1.234  ";
    std::string namesTail = "   ", rowTail = "   ";
    for (int j = 11; j < 20; ++j) namesTail += Format("%-7s", ("V" + std::to_string(j)).c_str());
    for (int j = 11; j < 19; ++j) rowTail += "1.234  ";
    rowTail += "1.234";
    EXPECT_EQ(out, "\r\n\r\nINPUT DATA\r\n\r\n" + names + "\r\n" + namesTail + "\r\n" + row +
                       "\r\n" + rowTail + "\r\n" + row + "\r\n" + rowTail + "\r\n");
}

TEST(RecordReports, AppendsTheSelectedReportsAndMarksTheDocumentModified) {
    ScriptedPrompt prompt;
    Loaded loaded("X Y\r\n1 2\r\n3 4\r\n");
    loaded.host.results.text = "old\r\n";
    RecordReports(loaded.doc, RecordRequest{{ReportKind::InputData, ReportKind::Descriptive}, 0.0, "\r\nPENDING\r\n"});
    EXPECT_EQ(loaded.host.results.text,
              "old\r\n\r\n\r\nINPUT DATA\r\n\r\nX  Y  \r\n1  2\r\n3  4\r\n\r\nPENDING\r\n");
    EXPECT_TRUE(loaded.doc.IsModified());
    EXPECT_EQ(loaded.doc.RecordedReports(),
              (ReportKinds{ReportKind::InputData, ReportKind::Descriptive}));
    // The reports are added at the end; the text before them is not set again.
    EXPECT_EQ(loaded.host.results.appends, 1);

    // The regression reports need a fit: without one they are skipped.
    const std::string before = loaded.host.results.text;
    RecordReports(loaded.doc, RecordRequest{{ReportKind::Equation, ReportKind::Anova, ReportKind::Correlation, ReportKind::Residuals, ReportKind::Intervals}, 95.0, {}});
    EXPECT_EQ(loaded.host.results.text, before);
    EXPECT_TRUE(prompt.messages.empty());
}

TEST(RecordReports, IsAllOrNothingAtTheFiftyTwoThousandByteLimit) {
    test::TempDir dir;
    Loaded loaded("X Y\r\n1 2\r\n3 4\r\n");
    const std::string report(100, 'r');
    const RecordRequest request{{ReportKind::PointEstimate}, 0.0, report};

    {  // Exactly 52000 bytes: appended.
        ScriptedPrompt prompt;
        loaded.host.results.text = std::string(52000 - 100, 'o');
        RecordReports(loaded.doc, request);
        EXPECT_EQ(loaded.host.results.text.size(), 52000u);
        EXPECT_TRUE(prompt.messages.empty());
    }
    const std::string full(52000 - 99, 'o');
    {  // One byte more: nothing appended; No saves nothing.
        ScriptedPrompt prompt;
        prompt.answers = {Answer::No};
        loaded.host.results.text = full;
        loaded.doc.SetModifiedFlag(false);
        RecordReports(loaded.doc, request);
        EXPECT_EQ(loaded.host.results.text, full);
        EXPECT_FALSE(loaded.doc.IsModified());
        EXPECT_EQ(prompt.Texts(), (std::vector<std::string>{
                                      "Report too large for results!\r\nWant to save it to a file?"}));
    }
    {  // Yes saves the combined text to the chosen file.
        ScriptedPrompt prompt;
        prompt.answers = {Answer::Yes};
        loaded.host.saveName = dir.File("big.txt");
        RecordReports(loaded.doc, request);
        EXPECT_EQ(loaded.host.results.text, full);
        EXPECT_EQ(test::ReadFile(dir.File("big.txt")), full + report);
    }
    {  // A file that cannot be written: the message, the window unchanged.
        ScriptedPrompt prompt;
        prompt.answers = {Answer::Yes};
        loaded.host.saveName = dir.File("missing/folder/big.txt");
        RecordReports(loaded.doc, request);
        EXPECT_EQ(loaded.host.results.text, full);
        ASSERT_EQ(prompt.messages.size(), 2u);
        EXPECT_EQ(prompt.messages[1].text, "Could not open file to save Results!\n" +
                                               dir.File("missing/folder/big.txt") +
                                               ": No such file or directory");
        EXPECT_EQ(prompt.messages[1].icon, Icon::Stop);
    }
}

TEST(ComposeReportHeader, FillsTheWidthBetweenTitleAndDate) {
    std::tm date{};
    date.tm_year = 2026 - 1900;
    date.tm_mon = 11;
    date.tm_mday = 7;
    EXPECT_EQ(ComposeReportHeader("longley.dat", 60, date),
              "Lumox - Data File: longley.dat" + std::string(13, ' ') + "December 07, 2026");
    EXPECT_EQ(ComposeReportHeader("longley.dat", 40, date),
              "Lumox - Data File: longley.datDecember 07, 2026");
}

}  // namespace
}  // namespace lumox
