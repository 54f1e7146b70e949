#ifndef LUMOX_DATA_TEXT_DATA_H
#define LUMOX_DATA_TEXT_DATA_H

#include <cstdint>
#include <istream>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "data/data_rules.h"
#include "platform/diagnostics.h"

namespace lumox {

class DataSet;

// Whether a first row without a letter may be taken as names. The readers never ask: they
// return ReadStatus::NumericNamesQuestion, and the caller asks the person and reads again.
enum class NumericNames { Ask, Accepted };

// The outcome of reading a data text.
enum class ReadStatus {
    Read,
    Refused,               // the first fault is in the diagnostics (stop icon)
    NumericNamesQuestion,  // no name has a letter: take them as names? (message 30)
};

constexpr uint64_t kLargeFileBytes = 86000;
// More bytes than any data file the readers accept can hold (the names and the most rows a
// data set may have, 65535, each line at the longest): a larger file or stream is refused
// before it is read.
constexpr uint64_t kMaxDataFileBytes = (uint64_t{65535} + 1) * (kMaxLineLength + 2);

// Where a data text comes from: the name its messages begin with, and their icon.
struct DataTextSource {
    std::string_view name;
    Icon icon;
};
inline constexpr DataTextSource kDataFileSource{"Data File", Icon::Stop};

// Checks a whole data text against the rules a data file obeys; Read when it would be read
// as a data set, otherwise Refused with the first fault in said, or the question.
ReadStatus CheckDataText(std::string_view text, NumericNames names, const DataTextSource& source,
                         Diagnostics& said);
// Checks the whole file, then fills the data set; on any fault (the first one, stop icon,
// in said) or the question, the data set is left empty.
ReadStatus ReadTextDataFile(DataSet& doc, std::istream& file, NumericNames names,
                            Diagnostics& said);
// The file's lines for editing (line ends removed), with the large-file warning.
// False, with its message, when the file cannot be read.
bool ReadTextLines(const std::string& path, std::vector<std::string>& lines, Diagnostics& said);
// Writes the first count lines, each followed by CR LF.
bool WriteTextLines(const std::vector<std::string>& lines, size_t count, std::ostream& out);

}  // namespace lumox

#endif
