#include "data/dbase.h"

#include <gtest/gtest.h>

#include <ctime>
#include <functional>
#include <random>
#include <sstream>

#include "document/lumox_doc.h"
#include "platform/abort.h"
#include "platform/strings.h"
#include "support/scripted_prompt.h"
#include "support/temp_dir.h"

namespace lumox {
namespace {

using test::Message;
using test::ScriptedPrompt;
using test::TempDir;

const std::string kFiles = std::string(LUMOX_SOURCE_DIR) + "/tests/data/files/";

struct Field {
    std::string name;
    int width;
    char type = 'N';
};

// A table laid out by hand, byte by byte, independently of the writer: header length
// 32 x fields + 33, one terminator byte; each record string holds its flag byte.
std::string RawTable(const std::vector<Field>& fields, const std::vector<std::string>& records) {
    int recordLength = 1;
    for (const Field& f : fields) recordLength += f.width;
    const int headerLength = 32 * static_cast<int>(fields.size()) + 33;
    std::string bytes(32, '\0');
    bytes[0] = 3;
    for (int i = 0; i < 4; ++i) bytes[4 + i] = static_cast<char>(records.size() >> (8 * i));
    bytes[8] = static_cast<char>(headerLength & 0xFF);
    bytes[9] = static_cast<char>(headerLength >> 8);
    bytes[10] = static_cast<char>(recordLength);
    for (const Field& f : fields) {
        std::string descriptor(32, '\0');
        descriptor.replace(0, f.name.size(), f.name);
        descriptor[11] = f.type;
        descriptor[16] = static_cast<char>(f.width);
        bytes += descriptor;
    }
    bytes += '\r';
    for (const std::string& record : records) bytes += record;
    return bytes;
}

std::string TwoFieldTable() {
    return RawTable({{"A", 3}, {"B", 5}},
                    {" 1  2.25 ", " 10 3    ", " 7  -1.5 ", " 8  0    ", " 9  1    "});
}

// Reads bytes as a table; the messages shown, and whether the read was abandoned.
struct ReadOutcome {
    bool abandoned = false;
    std::vector<Message> messages;
};

ReadOutcome ReadBytes(DataSet& doc, const std::string& bytes) {
    std::istringstream file(bytes);
    Diagnostics said;
    ReadOutcome outcome;
    outcome.abandoned = !ReadDbaseFile(doc, file, said);
    outcome.messages = said.Items();
    return outcome;
}

// The table of lines; what writing it said goes to said when given.
std::string WriteLines(const std::vector<std::string>& lines, DbaseDate date = {2026, 3, 5},
                       Diagnostics* said = nullptr) {
    std::ostringstream out;
    Diagnostics unread;
    EXPECT_TRUE(WriteDbaseTable(lines, lines.size(), date, out, said ? *said : unread));
    return out.str();
}

TEST(DbaseReader, ReadsBlankAndPaddedFieldsAndSkipsDeletedRecords) {
    DataSet doc;
    const std::string bytes =
        RawTable({{"Blank", 7}, {"Padded", 7}, {"Zeroes", 4}},
                 {std::string(" ") + "       " + " 12.50 " + std::string("3\0\0\0", 4),
                  std::string("*") + "    99 " + "    98 " + "97  ",
                  std::string(" ") + "  -2   " + "1.5e3  " + std::string("\0 4 ", 4)});
    const ReadOutcome outcome = ReadBytes(doc, bytes);
    ASSERT_FALSE(outcome.abandoned);
    EXPECT_TRUE(outcome.messages.empty());
    EXPECT_EQ(doc.Rows(), 2u);
    EXPECT_EQ(doc.Cols(), 3u);
    EXPECT_EQ(doc.HeaderLine(), "Blank\tPadded\tZeroes");
    const Matrix& data = doc.GetData();
    EXPECT_EQ(data.At(0, 0), 0.0);
    EXPECT_EQ(data.At(0, 1), 12.5);
    EXPECT_EQ(data.At(0, 2), 3.0);
    EXPECT_EQ(data.At(1, 0), -2.0);
    EXPECT_EQ(data.At(1, 1), 1500.0);
    EXPECT_EQ(data.At(1, 2), 4.0);  // zero bytes are dropped like blanks
}

TEST(DbaseReader, NamesStopAtTheFirstBlankZeroOrSeparator) {
    DataSet doc;
    const std::string bytes =
        RawTable({{"ElevenChars", 2}, {"Two Words", 2}, {"a,b", 2}}, {"  1 2 3", "  4 5 6"});
    ASSERT_FALSE(ReadBytes(doc, bytes).abandoned);
    EXPECT_EQ(doc.ColNames(), (std::vector<std::string>{"ElevenChars", "Two", "a"}));
}

// Every fault a table can have: one stop message, the open abandoned, nothing read past
// the file or a record.
TEST(DbaseReader, RefusesTablesThatDoNotAddUp) {
    const std::string good = TwoFieldTable();
    auto with = [&good](std::function<void(std::string&)> change) {
        std::string bytes = good;
        change(bytes);
        return bytes;
    };
    const std::string mismatch = "Data File: dBase header does not match the file!";
    const struct {
        const char* what;
        std::string bytes;
        std::string message;
    } cases[] = {
        {"memo version 0x83", with([](std::string& b) { b[0] = '\x83'; }),
         "Data File: not a dBase III or IV file!"},
        {"a text file", "X Y\r\n1 2\r\n3 4\r\n", "Data File: not a dBase III or IV file!"},
        {"one byte", "\x03", mismatch},
        {"header cut inside the file header", good.substr(0, 20), mismatch},
        {"character field", with([](std::string& b) { b[64 + 11] = 'C'; }),
         "Data File: detected a non-numeric dBase field!"},
        {"records x fields over 65535", with([](std::string& b) { b[6] = 1; }),
         "Data File: too large for matrix!"},
        {"one record", with([](std::string& b) { b[4] = 1; }),
         "Not enough data for calculation or graphing!"},
        {"no field descriptors", with([](std::string& b) { b[8] = 40; }), mismatch},
        {"header length below 32", with([](std::string& b) { b[8] = 5; }), mismatch},
        {"header longer than the file", with([](std::string& b) { b[9] = 2; }), mismatch},
        {"header length counts a field too many", with([](std::string& b) { b[8] = 97 + 32; }),
         mismatch},
        // The records would start one byte off and every field would be shifted.
        {"header length one byte short", with([](std::string& b) { b[8] = 96; }), mismatch},
        {"header length one byte long, end-of-file mark present", with([](std::string& b) {
             b[8] = 98;
             b += '\x1a';
         }),
         mismatch},
        {"zero-width field", with([](std::string& b) { b[32 + 16] = 0; }), mismatch},
        {"field wider than the record",
         with([](std::string& b) { b[64 + 16] = static_cast<char>(200); }),
         "Data File: dBase field widths do not add up to the record length!"},
        {"record length longer than the fields", with([](std::string& b) { b[10] = 10; }),
         "Data File: dBase field widths do not add up to the record length!"},
        {"last record cut short", good.substr(0, good.size() - 1),
         "Data File: dBase file ends before its last record!"},
        {"more records counted than stored", with([](std::string& b) { b[4] = 6; }),
         "Data File: dBase file ends before its last record!"},
        {"unnamed field", with([](std::string& b) { b[64] = ' '; }),
         "Data File: dBase field 2 has no name!"},
        {"four of five records deleted",
         with([](std::string& b) { b[97] = b[106] = b[115] = b[124] = '*'; }),
         "Not enough data for calculation or graphing!"},
    };
    for (const auto& c : cases) {
        DataSet doc;
        const ReadOutcome outcome = ReadBytes(doc, c.bytes);
        EXPECT_TRUE(outcome.abandoned) << c.what;
        EXPECT_EQ(outcome.messages, (std::vector<Message>{{c.message, Icon::Stop}})) << c.what;
    }
}

// A field holds one number between its padding, or nothing; the message names the field
// and the record as the file counts them, deleted records included.
TEST(DbaseReader, RefusesFieldsThatAreNotOneNumber) {
    // Records of a field A 3 bytes wide and a field B 5 bytes wide, and a fourth one.
    const std::vector<std::string> good = {" 1  2.25 ", " 10 3    ", " 7  -1.5 "};
    const struct {
        const char* what;
        char flag;
        std::string a;
        std::string b;
        std::string message;
    } cases[] = {
        {"blank inside", ' ', "1 2", "3    ", "field 1, record 4 is not a number!"},
        {"two numbers joined", ' ', "  7", "1-2  ", "field 2, record 4 is not a number!"},
        {"letters", ' ', "  7", " abc ", "field 2, record 4 is not a number!"},
        {"sign alone", ' ', " - ", "3    ", "field 1, record 4 is not a number!"},
        {"asterisks after a digit", ' ', "  7", "2****", "field 2, record 4 is not a number!"},
        {"a word", ' ', "  7", "  nan", "field 2, record 4 is not a number!"},
        {"exponent without digits", ' ', "  7", " 1e  ", "field 2, record 4 is not a number!"},
        {"past the largest double", ' ', "  7", "1e999", "field 2, record 4 is too large!"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> records = good;
        records.push_back(std::string(1, c.flag) + c.a + c.b);
        DataSet doc;
        const ReadOutcome outcome = ReadBytes(doc, RawTable({{"A", 3}, {"B", 5}}, records));
        EXPECT_TRUE(outcome.abandoned) << c.what;
        EXPECT_EQ(outcome.messages,
                  (std::vector<Message>{{"Data File: value in " + c.message, Icon::Stop}}))
            << c.what;
        // The record is counted as the file stores it, deleted records included.
        records[0][0] = '*';
        const ReadOutcome afterDeleted = ReadBytes(doc, RawTable({{"A", 3}, {"B", 5}}, records));
        EXPECT_EQ(afterDeleted.messages, outcome.messages) << c.what;
        // Whatever a deleted record holds is not read.
        records[0][0] = ' ';
        records[3][0] = '*';
        EXPECT_FALSE(ReadBytes(doc, RawTable({{"A", 3}, {"B", 5}}, records)).abandoned) << c.what;
        EXPECT_EQ(doc.GetData().At(2, 1), -1.5);
    }
}

TEST(DbaseReader, WarnsAboutALargeFileAndGoesOn) {
    // 2300 records of two 19-byte fields: 32 + 64 + 1 + 2300 x 39 = 89797 bytes > 86000.
    const std::string record = " " + std::string(18, ' ') + "1" + std::string(18, ' ') + "2";
    const std::vector<std::string> records(2300, record);
    DataSet doc;
    const ReadOutcome outcome = ReadBytes(doc, RawTable({{"P", 19}, {"Q", 19}}, records));
    EXPECT_FALSE(outcome.abandoned);
    EXPECT_EQ(outcome.messages,
              (std::vector<Message>{{LoadString(ids::kLargeFile), Icon::Exclamation}}));
    EXPECT_EQ(doc.Rows(), 2300u);
    EXPECT_EQ(doc.GetData().At(2299, 1), 2.0);
}

// Random bytes, every truncation of a good table and random damage to it: the reader either
// reads a table of the size its header claims or refuses it with one message.
TEST(DbaseReader, NeverFailsOnArbitraryBytes) {
    std::mt19937 random(20260305);
    std::vector<std::string> inputs;
    const std::string good = TwoFieldTable();
    for (size_t n = 0; n <= good.size(); ++n) inputs.push_back(good.substr(0, n));
    for (int i = 0; i < 400; ++i) {
        std::string bytes = good;
        const int changes = 1 + static_cast<int>(random() % 4);
        for (int k = 0; k < changes; ++k) {
            bytes[random() % bytes.size()] = static_cast<char>(random() % 256);
        }
        inputs.push_back(bytes);
        std::string noise(random() % 300, '\0');
        for (char& c : noise) c = static_cast<char>(random() % 256);
        if (!noise.empty()) noise[0] = 3;
        inputs.push_back(noise);
    }
    int read = 0;
    for (const std::string& bytes : inputs) {
        DataSet doc;
        const ReadOutcome outcome = ReadBytes(doc, bytes);
        if (outcome.abandoned) {
            ASSERT_EQ(outcome.messages.size(), 1u);
            EXPECT_EQ(outcome.messages[0].icon, Icon::Stop);
        } else {
            ++read;
            EXPECT_GE(doc.Rows(), 2u);
            EXPECT_EQ(doc.GetData().Rows(), doc.Rows());
            EXPECT_EQ(doc.GetData().Cols(), doc.Cols());
            EXPECT_EQ(doc.ColNames().size(), doc.Cols());
        }
    }
    EXPECT_GT(read, 0);  // damage to the values alone still reads
}

TEST(DbaseReader, ReadsTablesWrittenByOtherSoftware) {
    ScriptedPrompt prompt;
    CLumoxDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(kFiles + "numbers.dbf"));
    EXPECT_EQ(doc.HeaderLine(), "X\tY\tWeight");
    ASSERT_EQ(doc.Rows(), 4u);
    ASSERT_EQ(doc.Cols(), 3u);
    // The values of numbers.csv.
    const double expected[4][3] = {{1, 2.25, 10}, {10, 3, -4.5}, {-7, 0.125, 1e6}, {42, 12.5, 0}};
    for (uint32_t i = 0; i < 4; ++i) {
        for (uint32_t j = 0; j < 3; ++j) EXPECT_EQ(doc.GetData().At(i, j), expected[i][j]);
    }

    ASSERT_TRUE(doc.OnOpenDocument(kFiles + "deleted.dbf"));
    ASSERT_EQ(doc.Rows(), 3u);
    EXPECT_EQ(doc.GetData().At(1, 0), -7.0);
    EXPECT_EQ(doc.GetData().At(2, 1), 12.5);

    // GDAL writes an empty number as asterisks, which read as 0.
    ASSERT_TRUE(doc.OnOpenDocument(kFiles + "gaps.dbf"));
    EXPECT_EQ(doc.GetData().At(0, 1), 0.0);
    EXPECT_EQ(doc.GetData().At(2, 1), -0.75);
    EXPECT_TRUE(prompt.messages.empty());

    EXPECT_FALSE(doc.OnOpenDocument(kFiles + "labelled.dbf"));
    EXPECT_EQ(prompt.Texts(),
              (std::vector<std::string>{"Data File: detected a non-numeric dBase field!"}));
    EXPECT_EQ(doc.Rows(), 0u);
}

TEST(DbaseReader, LinesForEditingLeaveOutDeletedRecords) {
    Diagnostics said;
    std::vector<std::string> lines(1, "old");
    ASSERT_TRUE(ReadDbaseLines(kFiles + "deleted.dbf", lines, said));
    EXPECT_EQ(lines, (std::vector<std::string>{"X\tY\tWeight", "1\t2.250\t10.00",
                                               "-7\t0.125\t1000000.00", "42\t12.500\t0.00"}));

    EXPECT_FALSE(ReadDbaseLines(kFiles + "labelled.dbf", lines, said));
    EXPECT_FALSE(ReadDbaseLines(kFiles + "missing.dbf", lines, said));
    ASSERT_EQ(said.Items().size(), 2u);
    EXPECT_EQ(said.Items()[1].text, "Data File: cannot open " + kFiles + "missing.dbf!");
}

TEST(DbaseWriter, WritesTheTwoFieldExampleByteForByte) {
    const std::string bytes = WriteLines({"A B", "1 2.25", "10\t3"});
    // Laid out by hand: header length 32 x 2 + 34 = 98, record length 3 + 5 + 1 = 9.
    std::string expected(32, '\0');
    expected[0] = 3;
    expected[1] = 126;  // 2026 - 1900
    expected[2] = 3;
    expected[3] = 5;
    expected[4] = 2;
    expected[8] = 98;
    expected[10] = 9;
    std::string a(32, '\0'), b(32, '\0');
    a[0] = 'A', a[11] = 'N', a[16] = 3, a[17] = 0;
    b[0] = 'B', b[11] = 'N', b[16] = 5, b[17] = 2;
    expected += a + b + std::string("\r\0", 2) + " 1  2.25 " + " 10 3    ";
    EXPECT_EQ(bytes, expected);
}

TEST(DbaseWriter, CutsNamesAndLongNumbersAndFillsMissingFields) {
    Diagnostics said;
    const std::string longA = "1.2345678901234567890123";  // 24 characters
    const std::string longB = "-98765432109876543210";     // 21 characters
    const std::string bytes =
        WriteLines({"Temperature Pressure_kPa Third", longA + " 1 5", longA + " " + longB + " 6",
                    "2 " + longB, "3 " + longB + " 7", longA + " 4 8"},
                   {2026, 3, 5}, &said);
    // One warning per run of long numbers in the same column: A, B, then A again.
    EXPECT_EQ(said.Items(),
              (std::vector<Message>(
                  3, {"Data File: truncating long number to 19 digits!", Icon::Information})));
    EXPECT_EQ(bytes.substr(32, 11), std::string("Temperatur\0", 11));
    EXPECT_EQ(bytes.substr(64, 11), std::string("Pressure_k\0", 11));
    EXPECT_EQ(bytes[32 + 16], 19);  // 18 characters + 1
    EXPECT_EQ(bytes[32 + 17], 16);  // decimals of the 18 characters kept
    EXPECT_EQ(bytes[64 + 16], 19);
    EXPECT_EQ(bytes[96 + 16], 2);

    DataSet doc;
    ASSERT_FALSE(ReadBytes(doc, bytes).abandoned);
    EXPECT_EQ(doc.ColNames(), (std::vector<std::string>{"Temperatur", "Pressure_k", "Third"}));
    // A long number keeps its magnitude: the closest text of at most 19 characters
    // ("1.2345678901234568", "-9.876543210988e+19"), not its first 19 characters.
    EXPECT_EQ(doc.GetData().At(0, 0), 1.2345678901234568);
    EXPECT_EQ(doc.GetData().At(1, 1), -9.876543210988e19);
    const std::string small = WriteLines({"A", "1.00000000000000000001e-5", "2"});
    EXPECT_NE(small.find("1e-05 "), std::string::npos);
    EXPECT_EQ(doc.GetData().At(2, 2), 0.0);  // the missing third value is blank
}

TEST(DbaseWriter, DatesTheTableWithYearsSince1900) {
    EXPECT_EQ(static_cast<unsigned char>(WriteLines({"A", "1", "2"}, {1999, 12, 31})[1]), 99);
    EXPECT_EQ(static_cast<unsigned char>(WriteLines({"A", "1", "2"}, {2026, 1, 1})[1]), 126);

    std::ostringstream out;
    Diagnostics said;
    ASSERT_TRUE(WriteDbaseFile({"A", "1", "2"}, 3, out, said));
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    EXPECT_EQ(static_cast<unsigned char>(out.str()[1]), local.tm_year);
    EXPECT_EQ(out.str()[2], local.tm_mon + 1);
}

TEST(DbaseWriter, RefusesLinesWithoutNames) {
    Diagnostics said;
    std::ostringstream out;
    EXPECT_FALSE(WriteDbaseTable({" \t", "1"}, 2, {}, out, said));
    EXPECT_FALSE(WriteDbaseTable({}, 0, {}, out, said));
    EXPECT_EQ(said.Items(),
              (std::vector<Message>(2, {"Data File: no column names to write!", Icon::Stop})));
}

TEST(DbaseWriter, AWrittenTableReadsBackThroughTheDocument) {
    TempDir dir;
    ScriptedPrompt prompt;
    CLumoxDoc doc;
    std::vector<std::string> lines = {"Dose\tResponse\tWeight_in_grams", "0.5\t-12.25\t1e3",
                                      "1\t0\t.75", "2.125\t3.5\t-0.001"};
    const std::string path = dir.File("trial.DbF");
    ASSERT_TRUE(doc.WriteDataLines(path, lines, lines.size()));
    ASSERT_TRUE(doc.OnOpenDocument(path));
    EXPECT_EQ(doc.HeaderLine(), "Dose\tResponse\tWeight_in_");
    ASSERT_EQ(doc.Rows(), 3u);
    const double expected[3][3] = {{0.5, -12.25, 1000}, {1, 0, 0.75}, {2.125, 3.5, -0.001}};
    for (uint32_t i = 0; i < 3; ++i) {
        for (uint32_t j = 0; j < 3; ++j) EXPECT_EQ(doc.GetData().At(i, j), expected[i][j]);
    }
    std::vector<std::string> edited;
    Diagnostics said;
    ASSERT_TRUE(ReadDbaseLines(path, edited, said));
    EXPECT_TRUE(said.Empty());
    EXPECT_EQ(edited, (std::vector<std::string>{"Dose\tResponse\tWeight_in_", "0.5\t-12.25\t1e3",
                                                "1\t0\t.75", "2.125\t3.5\t-0.001"}));
    EXPECT_TRUE(prompt.messages.empty());
}

}  // namespace
}  // namespace lumox
