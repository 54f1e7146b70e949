#ifndef LUMOX_DATA_DBASE_H
#define LUMOX_DATA_DBASE_H

#include <cstdint>
#include <istream>
#include <ostream>
#include <string>
#include <vector>

#include "platform/diagnostics.h"

namespace lumox {

class DataSet;

// Limits of the dBase tables the program reads and writes.
constexpr size_t kDbaseNameLength = 10;      // characters of a written name
constexpr size_t kDbaseReadNameLength = 11;  // bytes of a name in a field descriptor
constexpr size_t kDbaseLongNumber = 18;      // longer numbers are warned about and shortened to 19
constexpr uint32_t kDbaseMaxWrittenFields = (0xFFFF - 34) / 32;  // header length fits 16 bits

// Where the fields of a checked table lie; every field lies inside its record.
struct DbaseLayout {
    uint32_t records = 0;       // records the file header counts, deleted ones included
    uint32_t validRecords = 0;  // records not flagged deleted
    uint32_t fields = 0;
    uint32_t headerLength = 0;  // offset of the first record
    uint32_t recordLength = 0;  // flag byte plus every field's width
    std::vector<uint32_t> widths;
};

// The date a written table carries as its last update.
struct DbaseDate {
    int year = 1900;  // the full year, e.g. 2026
    int month = 1;    // 1 .. 12
    int day = 1;      // 1 .. 31
};

// Reads and checks the file header and the field descriptors against the file itself, then
// fills the data set: the column names, the header line (the names joined by tabs) and a
// row for each record not flagged deleted. False with the first fault (stop icon) in said,
// the data set unchanged; the large-file warning lets the reading go on.
bool ReadDbaseFile(DataSet& doc, std::istream& file, Diagnostics& said);
// The table at path as text lines for editing: line 0 the header line, then one line per
// record not flagged deleted, the fields (blanks and zero bytes removed) joined by tabs.
// Grows lines to hold them. False, with the fault in said, when the file cannot be read.
bool ReadDbaseLines(const std::string& path, std::vector<std::string>& lines, Diagnostics& said);
// Writes lines (header line first, count lines) as a table of numeric fields dated date.
// A line with fewer tokens than names gets blanks for the missing fields. False with its
// message when the lines do not make a table (no names, too many names).
bool WriteDbaseTable(const std::vector<std::string>& lines, size_t count, const DbaseDate& date,
                     std::ostream& out, Diagnostics& said);
// Writes count edited lines (header first) as a table dated today.
bool WriteDbaseFile(const std::vector<std::string>& lines, size_t count, std::ostream& out,
                    Diagnostics& said);

}  // namespace lumox

#endif
