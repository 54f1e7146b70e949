#ifndef LUMOX_DATA_PASTED_TABLE_H
#define LUMOX_DATA_PASTED_TABLE_H

#include <string>
#include <string_view>
#include <vector>

namespace lumox {

// Reads clipboard text as a table for the data grid: names on the first line, then one
// line of numbers per observation, cells separated by blanks, TABs or commas as a
// spreadsheet copies them (LF, CR LF or CR line ends). The first three lines are checked:
// their token counts must agree, the second and third may hold only number characters,
// and names that are all numeric are asked about. A line longer than the text data
// file's line limit is refused with a message naming it. True when the text makes a
// table: lines then holds every line of the text, unchanged, and columnCount the count.
// False after the message (or the declined question); lines and columnCount untouched.
bool ReadPastedTable(std::string_view text, std::vector<std::string>& lines, int& columnCount);

}  // namespace lumox

#endif
