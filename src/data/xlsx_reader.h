#ifndef LUMOX_DATA_XLSX_READER_H
#define LUMOX_DATA_XLSX_READER_H

#include <string>
#include <vector>

#include "data/zip_archive.h"

namespace lumox {

class SheetGrid;

// What an .xlsx book's workbook part says: its worksheets in their order, each with the
// part that holds its cells, and the part of the strings its cells share ("" for none).
struct XlsxBook {
    struct Sheet {
        std::string name;
        std::string part;
    };
    std::vector<Sheet> sheets;
    std::string sharedStrings;
};

// Finds the workbook through the package's relationships (targets absolute or relative
// to the part that names them) and lists its worksheets. reason tells what was wrong
// with a damaged book.
PartRead ReadXlsxBook(const ZipArchive& zip, XlsxBook& book, std::string& reason);

// Reads the cells of the book's worksheet at index into grid: numbers as stored (a
// formula's as last computed), shared, inline and formula strings as text, TRUE and FALSE
// for booleans, an error as its code (#N/A). Stopped when the grid is full.
PartRead ReadXlsxSheet(const ZipArchive& zip, const XlsxBook& book, size_t index, SheetGrid& grid,
                       std::string& reason);

}  // namespace lumox

#endif
