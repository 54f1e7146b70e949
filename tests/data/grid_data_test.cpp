#include "data/grid_data.h"

#include <gtest/gtest.h>

#include "support/scripted_prompt.h"

namespace lumox {
namespace {

using test::Message;

// Every cell of a row, columns 1 .. count, joined by '|' so a whole row compares at once.
std::string Row(const CGridData& data, int row, int count) {
    std::string text;
    for (int column = 1; column <= count; ++column) {
        if (column > 1) text += '|';
        text += data.GetCell(row, column);
    }
    return text;
}

TEST(GridDataInit, TakesEachLineAsTheReaderSplitsIt) {
    // A run of blanks, TABs and commas is one delimiter, as the data file reader has it; a
    // line already one delimiter per cell keeps its form, so a saved file keeps its own.
    struct Case {
        std::string line;
        std::string kept;
        std::string cells;  // columns 1 .. 4
        int columns;        // the grid widens to the most cells a line has
    };
    const Case cases[] = {
        {"a,b c", "a,b c", "a|b|c|", 3},
        {"12.5,-3e4\t7 8", "12.5,-3e4\t7 8", "12.5|-3e4|7|8", 4},
        {"1, 2", "1\t2", "1|2||", 2},
        {" 5\t6", "5\t6", "5|6||", 2},
        {"1\t\t3,", "1\t3", "1|3||", 2},
        {"x", "x", "x|||", 2},
        {"", "", "|||", 2},
        {" \t", "", "|||", 2},
    };
    for (const Case& c : cases) {
        std::vector<std::string> lines = {"n m", c.line};
        CGridData data(lines);
        data.Init(2, 2);
        EXPECT_EQ(lines[1], c.kept) << c.line;
        EXPECT_EQ(Row(data, 1, 4), c.cells) << c.line;
        EXPECT_EQ(data.GetColumnCount(), c.columns) << c.line;
    }
}

TEST(GridDataInit, CountsBelowTheMinimumMakeTwoEmptyRows) {
    struct Case {
        int rows;
        int columns;
        int wantRows;
        int wantColumns;
        std::vector<std::string> want;
    };
    const Case cases[] = {
        {0, 0, 2, 1, {"", ""}},
        {0, 3, 2, 3, {"\t\t", "\t\t"}},
        {1, 2, 2, 2, {"\t", "\t"}},
        {3, 2, 3, 2, {"a b", "1 2", "3 4"}},  // the lines present stay as they are
    };
    for (const Case& c : cases) {
        std::vector<std::string> lines = {"a b", "1 2", "3 4", "", ""};
        CGridData data(lines);
        data.Init(c.rows, c.columns);
        EXPECT_EQ(data.GetRowCount(), c.wantRows);
        EXPECT_EQ(data.GetColumnCount(), c.wantColumns);
        EXPECT_EQ(lines, c.want);
        EXPECT_FALSE(data.IsModified());
    }
}

TEST(GridDataSetCell, ReplacesOneCellAndKeepsTheOthersInPlace) {
    struct Case {
        std::string line;
        int column;
        std::string text;
        bool drop;
        std::string want;
    };
    const Case cases[] = {
        {"1\t2\t3", 2, "20", false, "1\t20\t3"},
        {"1\t2\t3", 2, "", false, "1\t\t3"},  // Delete empties the cell only
        {"1\t2\t3", 1, "", true, "2\t3"},
        {"1\t2\t3", 2, "", true, "1\t3"},
        {"1\t2\t3", 3, "", true, "1\t2"},  // the last cell takes its delimiter before it
        {"1,2 3", 2, "9", false, "1,9 3"},
        {"x", 1, "", true, ""},
        // A cell the line lacks: separators up to it, never past the line.
        {"1", 3, "7", false, "1\t\t7"},
        {"", 2, "5", false, "\t5"},
        {"1\t2", 4, "", true, "1\t2\t"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> lines = {"n", c.line};
        CGridData data(lines);
        data.Init(2, 3);
        data.SetCell(1, c.column, c.text, c.drop);
        EXPECT_EQ(lines[1], c.want) << c.line << " column " << c.column;
        EXPECT_EQ(lines[0], "n");
        EXPECT_TRUE(data.IsModified());
    }
}

TEST(GridDataSetCell, OutOfRangeChangesNothing) {
    std::vector<std::string> lines = {"a", "1"};
    CGridData data(lines);
    data.Init(2, 1);
    data.SetCell(2, 1, "x");
    data.SetCell(-1, 1, "x");
    data.SetCell(1, 0, "x");
    EXPECT_EQ(lines, (std::vector<std::string>{"a", "1"}));
    EXPECT_FALSE(data.IsModified());
    EXPECT_FALSE(data.CanUndo());
}

TEST(GridDataRowsAndColumns, AddAndRemove) {
    std::vector<std::string> lines = {"a\tb\tc", "1\t2\t3", "4,5 6", "7"};
    CGridData data(lines);
    data.Init(4, 3);

    data.RemoveColumn(2);
    EXPECT_EQ(lines, (std::vector<std::string>{"a\tc", "1\t3", "4,6", "7"}));
    EXPECT_EQ(data.GetColumnCount(), 2);

    data.AddColumn();
    EXPECT_EQ(lines, (std::vector<std::string>{"a\tc\t", "1\t3\t", "4,6\t", "7\t"}));
    EXPECT_EQ(data.GetColumnCount(), 3);

    data.AddRow();
    EXPECT_EQ(data.GetRowCount(), 5);
    EXPECT_EQ(lines.back(), "\t\t");

    data.RemoveRow(1);
    EXPECT_EQ(lines, (std::vector<std::string>{"a\tc\t", "4,6\t", "7\t", "\t\t"}));
    EXPECT_EQ(data.GetRowCount(), 4);
    EXPECT_EQ(data.GetCell(1, 2), "6");

    data.RemoveRow(9);
    data.RemoveColumn(0);
    data.RemoveColumn(4);
    EXPECT_EQ(data.GetRowCount(), 4);
    EXPECT_EQ(data.GetColumnCount(), 3);

    // The only column stays: a grid without columns would have nowhere to type.
    data.RemoveColumn(3);
    data.RemoveColumn(2);
    const std::vector<std::string> single = lines;
    data.RemoveColumn(1);
    EXPECT_EQ(data.GetColumnCount(), 1);
    EXPECT_EQ(lines, single);
}

TEST(GridDataRowsAndColumns, AddRowAfterInitOnALongerList) {
    // The dialog's list may hold more lines than rows; a new row comes right after the last.
    std::vector<std::string> lines(40);
    lines[0] = "x";
    lines[1] = "1";
    lines[2] = "2";
    CGridData data(lines);
    data.Init(3, 1);
    data.AddRow();
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[3], "");
    EXPECT_EQ(data.GetRowCount(), 4);
}

TEST(GridDataValidate, RefusesWhatTheReaderWouldRefuseAndNamesTheCell) {
    // Each case changes one cell of a good table (row 0 is the names), or gives lines of
    // its own; the first problem is reported and its cell made current.
    struct Case {
        std::vector<std::string> lines;
        int row;
        int column;
        std::string text;
        int wantRow;
        int wantColumn;
        std::string message;  // empty: accepted
    };
    const std::vector<std::string> good = {"x\ty", "1\t2", "3\t4"};
    const std::string kEmpty = "Please enter data in empty cell!";
    const std::string kFew = "Not enough data for calculation or graphing!";
    const std::string longName(105, 'n');
    const Case cases[] = {
        {good, -1, 0, "", 0, 0, ""},
        {{"", ""}, -1, 0, "", 1, 1, kFew},
        {{"x\ty", "1\t2"}, -1, 0, "", 1, 1, kFew},
        {good, 0, 2, "", 0, 2, kEmpty},  // names count too
        {good, 2, 1, "", 2, 1, kEmpty},
        {{"x\ty", "1", "3\t4"}, -1, 0, "", 1, 2, kEmpty},  // a cell the line lacks
        {{"x y", "1 2 9", "3 4"}, -1, 0, "", 0, 3, kEmpty},  // an extra cell is shown
        {good, 1, 2, "-", 1, 2, "Edit Data: value in column 2, row 1 is not a number!"},
        {good, 2, 1, "1e", 2, 1, "Edit Data: value in column 1, row 2 is not a number!"},
        {good, 2, 2, ".", 2, 2, "Edit Data: value in column 2, row 2 is not a number!"},
        {good, 1, 1, "1-2", 1, 1, "Edit Data: value in column 1, row 1 is not a number!"},
        {good, 1, 1, "1e400", 1, 1, "Edit Data: value in column 1, row 1 is too large!"},
        {good, 1, 1, "-1E-400", -1, 0, ""},  // underflows to zero, as the reader reads it
        {good, 2, 1, "nan", 2, 1, "Edit Data: found non-numeric character in column 1, row 2!"},
        {good, 0, 1, longName, 0, 1,
         "Edit Data: name in column 1 of the first row is longer than 79 characters!"},
        {good, 0, 2, "a\nb", 0, 2,
         "Edit Data: name in column 2 of the first row holds a control character!"},
        {good, 0, 2, "\xC3\xA9t\xC3\xA9", -1, 0, ""},  // UTF-8 names are names
    };
    for (const Case& c : cases) {
        std::vector<std::string> lines = c.lines;
        CGridData data(lines);
        data.Init(static_cast<int>(lines.size()), 2);
        if (c.row >= 0) data.SetCell(c.row, c.column, c.text);
        Diagnostics said;
        int row = -1;
        int column = -1;
        const bool refused = data.Validate(row, column, said);
        const std::string what = c.lines[0] + " / " + c.text;
        EXPECT_EQ(refused, !c.message.empty()) << what;
        if (!refused) {
            EXPECT_TRUE(said.Empty()) << what;
            continue;
        }
        EXPECT_EQ(row, c.wantRow) << what;
        EXPECT_EQ(column, c.wantColumn) << what;
        EXPECT_EQ(said.Items(), (std::vector<Message>{{c.message, Icon::None}})) << what;
    }
}

TEST(GridDataValidate, RefusesTablesBeyondTheReadersLimits) {
    struct Case {
        int rows;     // observations
        int columns;
        size_t cellWidth;
        int wantRow;
        int wantColumn;
        std::string message;
    };
    const Case cases[] = {
        {2, 128, 1, 0, 128, "Edit Data: more than 127 columns!"},
        {2, 127, 1, 0, 0, ""},
        {2, 100, 41, 1, 1, "Edit Data: row 1 is longer than 4094 characters!"},
        {65536, 1, 1, 65536, 1, "Edit Data: more than 65535 values: too large for matrix!"},
        {65535, 1, 1, 0, 0, ""},
    };
    for (const Case& c : cases) {
        std::vector<std::string> lines;
        std::string names;
        std::string values;
        for (int column = 0; column < c.columns; ++column) {
            names += (column ? "\t" : "") + std::string("v") + std::to_string(column);
            values += (column ? "\t" : "") + std::string(c.cellWidth, '7');
        }
        lines.push_back(names);
        lines.resize(static_cast<size_t>(c.rows) + 1, values);
        CGridData data(lines);
        data.Init(c.rows + 1, c.columns);
        Diagnostics said;
        int row = 0;
        int column = 0;
        EXPECT_EQ(data.Validate(row, column, said), !c.message.empty()) << c.message;
        if (c.message.empty()) continue;
        EXPECT_EQ(row, c.wantRow);
        EXPECT_EQ(column, c.wantColumn);
        EXPECT_EQ(said.Items(), (std::vector<Message>{{c.message, Icon::None}}));
    }
}

TEST(GridDataUndo, TakesBackEachKindOfChangeInTurn) {
    std::vector<std::string> lines = {"x\ty", "1\t2", "3\t4"};
    const std::vector<std::string> original = lines;
    CGridData data(lines);
    data.Init(3, 2);

    data.SetCell(1, 1, "10");
    const std::vector<std::string> afterEdit = lines;
    data.AddColumn();
    data.SetCell(2, 3, "5");
    data.RemoveRow(1);
    data.ReplaceAll({"p q", "5 6", "7 8", "9 0"}, 2);
    EXPECT_EQ(data.GetRowCount(), 4);

    ASSERT_TRUE(data.Undo());  // the paste
    EXPECT_EQ(lines, (std::vector<std::string>{"x\ty\t", "3\t4\t5"}));
    EXPECT_EQ(data.GetRowCount(), 2);
    EXPECT_EQ(data.GetColumnCount(), 3);
    ASSERT_TRUE(data.Undo());  // the removed row
    EXPECT_EQ(data.GetRowCount(), 3);
    EXPECT_EQ(lines[2], "3\t4\t5");
    ASSERT_TRUE(data.Undo());  // the cell
    EXPECT_EQ(lines[2], "3\t4\t");
    ASSERT_TRUE(data.Undo());  // the column
    EXPECT_EQ(lines, afterEdit);
    EXPECT_EQ(data.GetColumnCount(), 2);
    ASSERT_TRUE(data.Undo());
    EXPECT_EQ(lines, original);
    EXPECT_FALSE(data.Undo());
}

TEST(GridDataUndo, KeepsALimitedNumberOfSteps) {
    std::vector<std::string> lines = {"x", "0", "0"};
    CGridData data(lines);
    data.Init(3, 1);
    const int changes = static_cast<int>(CGridData::kUndoLevels) + 5;
    for (int i = 1; i <= changes; ++i) data.SetCell(1, 1, std::to_string(i));
    int undone = 0;
    while (data.Undo()) ++undone;
    EXPECT_EQ(undone, static_cast<int>(CGridData::kUndoLevels));
    EXPECT_EQ(lines[1], "5");  // the oldest steps were let go
}

}  // namespace
}  // namespace lumox
