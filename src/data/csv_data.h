#ifndef LUMOX_DATA_CSV_DATA_H
#define LUMOX_DATA_CSV_DATA_H

#include <string>
#include <string_view>
#include <vector>

#include "platform/diagnostics.h"

namespace lumox {

class DataSet;

// Reads comma-separated values as spreadsheets write them: fields in double quotes (a
// doubled quote inside stands for one), a comma, semicolon or TAB between fields (the one
// the first line uses most), a decimal comma where the semicolon separates, CR LF or LF
// line ends, and a UTF-8 byte order mark skipped. The first line holds the names, kept
// as spelled (blanks included); each later line is one observation. A row whose cells
// are all empty is no observation, and trailing empty columns are ignored.
//
// Missing values (an empty cell, NA or #N/A) leave their row out, and one message tells
// which rows (numbered as the sheet numbers them, the names in row 1). Anything else the
// text data reader refuses is refused, naming the cell as sheet!A1. True when the data
// set was filled; otherwise it is left empty, with the reason in said.
bool ReadCsvData(DataSet& set, std::string_view text, std::string_view sheet, Diagnostics& said);

// The data lines the grid works on (names, then one line per observation, cells
// separated by TABs), written as comma-separated values.
std::string CsvText(const std::vector<std::string>& lines, size_t count);

// The data set as the grid's lines: the names (a blank, TAB, comma or control character
// in one becomes '_', since a grid cell cannot hold it), then each observation's values
// in their shortest exact digits, TABs between cells.
std::vector<std::string> DataSetLines(const DataSet& set);

}  // namespace lumox

#endif
