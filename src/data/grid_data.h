#ifndef LUMOX_DATA_GRID_DATA_H
#define LUMOX_DATA_GRID_DATA_H

#include <cstddef>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "platform/diagnostics.h"

namespace lumox {

// The data grid's cells as text lines, as a text data file holds them: line 0 the column
// names, then one line per observation. Rows count from 0 (the names), columns from 1.
// Lines taken in hold the data file reader's tokens one delimiter apart (CellLine); a
// cell then ends at any delimiter or at the end of its line, so adjacent delimiters (of
// cells emptied in the grid) make empty cells and a cell that its line lacks reads as
// empty.
class CGridData {
public:
    // The delimiter written when cells are made.
    static constexpr char kSeparator = '\t';
    // The characters that end a cell: the data file reader's separators.
    static constexpr std::string_view kDelimiters = " \t,";
    // Undo keeps this many changes.
    static constexpr size_t kUndoLevels = 32;

    // Works on lines, which the caller owns and keeps alive.
    explicit CGridData(std::vector<std::string>& lines) : lines_(&lines) {}

    // Below 2 rows or 1 column the counts are raised to them; when rowCount was below 2 the
    // two lines are made anew as empty rows. Otherwise the list is cut or grown to rowCount
    // lines, each rebuilt from its tokens, and the column count raised to the most cells a
    // line has, so that no cell is hidden. Forgets the undo history.
    void Init(int rowCount, int columnCount);
    int GetRowCount() const { return rowCount_; }
    // The lines the grid works on; the first GetRowCount() of them are its rows.
    const std::vector<std::string>& Lines() const { return *lines_; }
    int GetColumnCount() const { return columnCount_; }

    // The text of a cell; empty for a cell that its line lacks or a row out of range.
    std::string GetCell(int row, int column) const;
    // Replaces a cell's text; with dropDelimiter the cell's delimiter goes as well (the one
    // after it, or before it for the last cell of the line). A line that lacks the cell is
    // first extended with separators up to it.
    void SetCell(int row, int column, std::string_view text, bool dropDelimiter = false);
    // Appends a row of empty cells.
    void AddRow();
    // Removes a row; nothing happens for a row out of range.
    void RemoveRow(int row);
    // Appends an empty column to every line.
    void AddColumn();
    // Removes a column from every line; the only column stays.
    void RemoveColumn(int column);
    // Takes a whole new table (a paste): lines, rebuilt from their tokens as Init does, and
    // the column count.
    void ReplaceAll(std::vector<std::string> lines, int columnCount);

    // True when the data would not be read back from their file as shown, with the first
    // problem's message in said and its cell in row and column: fewer than two
    // observations (cell (1, 1)), too many columns, then in row order, names included, an
    // empty cell, a cell against the data rules or a row too long, and last too many values.
    bool Validate(int& row, int& column, Diagnostics& said) const;

    // Set by every change.
    bool IsModified() const { return modified_; }
    void SetModified(bool modified = true) { modified_ = modified; }

    // Takes back the last change (cell text, row, column or paste); false when none is left.
    bool Undo();
    bool CanUndo() const { return !history_.empty(); }

    // Where one cell lies in a line: [start, end); missing when the line has fewer cells.
    struct CellSpan {
        size_t start = 0;
        size_t end = 0;
        bool missing = false;
    };
    static CellSpan FindCell(std::string_view line, int column);
    static bool IsDelimiter(char c) { return kDelimiters.find(c) != std::string_view::npos; }

private:
    // What a change replaced: one line (row >= 0) or the whole table.
    struct UndoStep {
        int row = -1;
        std::string line;
        std::vector<std::string> lines;
        int rowCount = 0;
        int columnCount = 0;
    };
    void RememberLine(int row);
    void RememberAll();
    void Remember(UndoStep step);
    void WriteCell(int row, int column, std::string_view text, bool dropDelimiter);
    // Rebuilds the first rowCount_ lines from their tokens and widens the grid to them.
    void TakeLines();
    std::string EmptyLine() const;

    std::vector<std::string>* lines_;
    int rowCount_ = 0;
    int columnCount_ = 0;
    bool modified_ = false;
    std::deque<UndoStep> history_;
};

}  // namespace lumox

#endif
