#ifndef LUMOX_DATA_PASTED_TABLE_H
#define LUMOX_DATA_PASTED_TABLE_H

#include <string>
#include <string_view>
#include <vector>

#include "data/text_data.h"

namespace lumox {

// Reads clipboard text as a table for the data grid: names on the first line, then one
// line of numbers per observation, cells separated by blanks, TABs or commas as a
// spreadsheet copies them (LF, CR LF or CR line ends). The first three lines are checked:
// their token counts must agree, the second and third may hold only number characters,
// and names that are all numeric are taken only when names is Accepted (otherwise the
// question is returned). A line longer than the text data file's line limit is refused
// with a message naming it. Read when the text makes a table: lines then holds every line
// of the text, unchanged, and columnCount the count. Otherwise lines and columnCount are
// untouched, and said holds why.
ReadStatus ReadPastedTable(std::string_view text, std::vector<std::string>& lines, int& columnCount,
                           NumericNames names, Diagnostics& said);

}  // namespace lumox

#endif
