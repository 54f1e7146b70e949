#include "data/csv_data.h"

#include <gtest/gtest.h>


#include "data/data_set.h"
#include "support/data_listing.h"
#include "support/scripted_prompt.h"

namespace lumox {
namespace {

using test::Listing;
using test::Message;
using test::ReadText;

// CSV files as spreadsheets write them hold the same data as this text file.
TEST(CsvData, SpreadsheetCsvReadsAsTheSameDataAsATextFile) {
    const DataSet text = ReadText("Substrate Rate\r\n0.5 1.25\r\n2 -3e-2\r\n10 4\r\n");
    struct Case {
        const char* name;
        std::string csv;
    };
    const Case cases[] = {
        {"quoted names, CR LF", "\"Substrate\",\"Rate\"\r\n0.5,1.25\r\n2,-3e-2\r\n10,4\r\n"},
        {"semicolons and decimal commas", "Substrate;Rate\n0,5;1,25\n2;-0,03\n10;4\n"},
        {"TABs, no final line end", "Substrate\tRate\n0.5\t1.25\n2\t-0.03\n10\t4"},
        {"byte order mark, empty rows and columns", "\xEF\xBB\xBFSubstrate,Rate,,\n0.5,1.25,,\n,,,\n2,-0.03\n10,4,\n\n"},
    };
    for (const Case& c : cases) {
        DataSet set;
        Diagnostics said;
        ASSERT_TRUE(ReadCsvData(set, c.csv, "data", said)) << c.name;
        EXPECT_TRUE(said.Empty()) << c.name;
        EXPECT_EQ(Listing(set), Listing(text)) << c.name;
    }
}

TEST(CsvData, NamesKeepTheirSpellingAndQuotesInside) {
    DataSet set;
    Diagnostics said;
    ASSERT_TRUE(ReadCsvData(set,
                            "\"Substrate (mM)\",\"Rate, \"\"fast\"\"\"\n1,2\n3,4\n", "s", said));
    EXPECT_EQ(set.FullNames(), (std::vector<std::string>{"Substrate (mM)", "Rate, \"fast\""}));
    EXPECT_EQ(set.ColNames()[0], "Substrate (mM)");
}

// Missing values leave their rows out, as R's na.omit does: the rest is the data set
// (rows 3 and 5 of the sheet below hold the only complete observations besides row 2).
TEST(CsvData, RowsWithMissingValuesAreLeftOutAndNamed) {
    DataSet set;
    Diagnostics said;
    const std::string csv = "x,y\n1,2\n,5\n3,4\nNA,1\n6,8\n7,#N/A\n";
    ASSERT_TRUE(ReadCsvData(set, csv, "data", said));
    EXPECT_EQ(said.Items(), (std::vector<Message>{{"3 rows with missing values left out: 3, 5, 7",
                                                   Icon::Information}}));
    EXPECT_EQ(Listing(set), Listing(ReadText("x y\n1 2\n3 4\n6 8\n")));
}

TEST(CsvData, RefusesWhatTheTextReaderRefusesNamingTheCell) {
    std::string wide;
    for (int j = 0; j < 128; ++j) wide += (j ? "," : "") + std::string("v") + std::to_string(j);
    struct Case {
        std::string csv;
        std::string message;
    };
    const Case cases[] = {
        {"x,y\n1,2\n3,4\n5,six\n", "Data File: Sheet1!B4 is not a number!"},
        {"x,y\n1,2\n3,1e400\n", "Data File: Sheet1!B3 is too large!"},
        {"x,y\n1,2\n3,4,5\n", "Data File: Sheet1!C3 lies beyond the last named column!"},
        {"x,,y\n1,2,3\n4,5,6\n", "Data File: Sheet1!B1 holds no name!"},
        {wide + "\n", "Data File: more than 127 column names in the first row!"},
        {"x,y\n1,2\n3,NA\n", "Not enough data for calculation or graphing!"},
        {"", "Data File: first row is blank!"},
    };
    for (const Case& c : cases) {
        DataSet set;
        Diagnostics said;
        EXPECT_FALSE(ReadCsvData(set, c.csv, "Sheet1", said)) << c.csv;
        ASSERT_FALSE(said.Empty()) << c.csv;
        EXPECT_EQ(said.Items().back(), (Message{c.message, Icon::Stop})) << c.csv;
        EXPECT_EQ(set.Rows(), 0u);
    }
}

// Input Data of a CSV data set, saved as CSV, reads back unchanged by the text reader.
TEST(CsvData, SavedAsCsvTheTextReaderReadsItBack) {
    DataSet set;
    Diagnostics said;
    ASSERT_TRUE(ReadCsvData(set, "\"Dose (mg)\";Effect\n0,1;3\n1e-3;2,5\n7;0,30000000000000004\n",
                            "d", said));
    const std::vector<std::string> lines = DataSetLines(set);
    EXPECT_EQ(lines[0], "Dose_(mg)\tEffect");
    const std::string csv = CsvText(lines, lines.size());
    EXPECT_EQ(csv, "Dose_(mg),Effect\r\n0.1,3\r\n0.001,2.5\r\n7,0.30000000000000004\r\n");
    const DataSet back = ReadText(csv);
    ASSERT_EQ(back.Rows(), set.Rows());
    for (uint32_t i = 0; i < set.Rows(); ++i) {
        for (uint32_t j = 0; j < set.Cols(); ++j)
            EXPECT_EQ(back.GetData().At(i, j), set.GetData().At(i, j)) << i << "," << j;
    }
}

}  // namespace
}  // namespace lumox
