#ifndef LUMOX_DATA_SHEET_GRID_H
#define LUMOX_DATA_SHEET_GRID_H

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/diagnostics.h"

namespace lumox {

class DataSet;

// One cell of a sheet that holds something, where the sheet has it.
struct SheetCell {
    enum class Kind {
        Text,    // text as typed: blanks around it are dropped, a number in it is read
        Number,  // a number the file stores as one, in C notation
    };
    uint32_t row = 0;     // from 0, the names row
    uint32_t column = 0;  // from 0, column A
    Kind kind = Kind::Text;
    std::string text;
};

// The cells of one sheet as a file reader found them: comma-separated values, .xlsx or
// .ods alike. Empty cells are not kept, so a sheet's far corner costs nothing.
class SheetGrid {
public:
    // More cells than any data set is made of (its values, names and rows left out
    // several times over): a sheet that holds more is refused before it is read whole.
    static constexpr size_t kMaxCells = 4 * 65535;

    // Keeps the cell unless its text is empty; false when the grid already holds
    // kMaxCells cells.
    bool Add(SheetCell cell);
    size_t Size() const { return cells_.size(); }
    // The cells, in the order they were added; the grid is left empty.
    std::vector<SheetCell> TakeCells() { return std::move(cells_); }

    // Text cells below the names write the decimal point as a comma.
    bool decimalComma = false;

private:
    std::vector<SheetCell> cells_;
};

// Adds more to a cell's text as a file reader finds it, up to one character past the
// longest line a data file may hold: any cell that long is refused, whatever follows.
void AppendCellText(std::string& text, std::string_view more);

// Reads the grid as a data set, the names in row 0 (kept as spelled, blanks around them
// dropped) and one observation in each later row that holds anything. Trailing empty
// columns are ignored. Missing values (an empty cell, NA or #N/A) leave their row out,
// and one message tells which rows (numbered from 1, as the sheet numbers them).
// Anything else the text data reader refuses is refused, naming the cell as sheet!A1.
// True when the data set was filled; otherwise it is left empty, with the reason in said.
bool ReadSheetGrid(DataSet& set, SheetGrid grid, std::string_view sheet, Diagnostics& said);

// The message for a sheet too large for any data set, after "Data File: ".
inline constexpr std::string_view kSheetTooLarge = "too large for matrix!";

}  // namespace lumox

#endif
