#ifndef LUMOX_DATA_DBASE_H
#define LUMOX_DATA_DBASE_H

#include <istream>
#include <ostream>

namespace lumox {

class CLumoxDoc;

// Reads a dBase III table of numeric fields into the data set; abandons on a fault.
void ReadDbaseFile(CLumoxDoc& doc, std::istream& file);
// Writes the document's edited lines (header first) as a dBase III table.
bool WriteDbaseFile(CLumoxDoc& doc, std::ostream& out);

}  // namespace lumox

#endif
