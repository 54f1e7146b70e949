#ifndef LUMOX_DATA_ODS_READER_H
#define LUMOX_DATA_ODS_READER_H

#include <string>
#include <vector>

#include "data/zip_archive.h"

namespace lumox {

class SheetGrid;

// The names of an .ods book's sheets, in their order. reason tells what was wrong with a
// damaged book.
PartRead ReadOdsSheetNames(const ZipArchive& zip, std::vector<std::string>& names,
                           std::string& reason);

// Reads the cells of the book's sheet at index into grid: numbers, percentages and
// currency as their values (a formula's as last computed), everything else as the text
// the sheet shows. Repeated rows and columns are read as often as they hold anything,
// never past the widest data set. Stopped when the grid is full.
PartRead ReadOdsSheet(const ZipArchive& zip, size_t index, SheetGrid& grid, std::string& reason);

}  // namespace lumox

#endif
