#ifndef LUMOX_DATA_DATA_RULES_H
#define LUMOX_DATA_DATA_RULES_H

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace lumox {

// The rules of a data table, the same wherever its text comes from: a data file, the
// clipboard or the Edit Data grid. A table that passes them in one place passes them in
// every other, so a table the grid accepts is read back from its file as it was shown.

// Limits of a data table's text.
constexpr uint32_t kMaxColumns = 127;
constexpr size_t kMaxLineLength = 4094;
constexpr size_t kMaxTokenLength = 79;
constexpr size_t kMaxNameLength = 16;

// What is wrong with one cell of a table.
enum class CellFault {
    None,
    TooLong,         // more than kMaxTokenLength characters
    Separator,       // a name holding a blank, TAB or comma would split into two names
    ControlChar,     // a name holding a control character (a line break among them)
    NonNumericChar,  // a value holding a character outside "0123456789.-+eE"
    NotNumber,       // a value that is not one whole decimal number ("-", "1e", ".", "1-2")
    TooLarge,        // a value beyond the largest double
};

CellFault CheckName(std::string_view name);
// value is set when the text is a number.
CellFault CheckValue(std::string_view text, double& value);

// What a faulty cell is, worded after the cell's name: "is too large", "is not a number"
// (for a stray character too), "is longer than 79 characters".
std::string CellFaultWords(CellFault fault);
// The message for a fault in a cell, after "source: ". Row 0 is the names row; values
// count their rows from 1, as the grid numbers them.
std::string CellFaultText(std::string_view source, CellFault fault, uint32_t row,
                          uint32_t column);

// A line's cells as the grid keeps them: the line's tokens as the reader splits it (a run
// of blanks, TABs and commas is one separator), exactly one separator between each two.
// A line already so is returned as it stands; any other is rebuilt with TABs.
std::string CellLine(std::string_view line);

}  // namespace lumox

#endif
