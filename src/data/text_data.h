#ifndef LUMOX_DATA_TEXT_DATA_H
#define LUMOX_DATA_TEXT_DATA_H

#include <cstdint>
#include <istream>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace lumox {

class DataSet;

// Limits of the text data format.
constexpr uint32_t kMaxColumns = 127;
constexpr size_t kMaxLineLength = 4094;
constexpr size_t kMaxTokenLength = 79;
constexpr size_t kMaxNameLength = 16;
constexpr uint64_t kLargeFileBytes = 86000;

// Checks the whole file, reporting the first fault (stop icon). 0 when acceptable, with
// m_nRows and m_nCols set; 1 otherwise (both then 0).
int ValidateTextDataFile(DataSet& doc, std::istream& file);
// The number of names in the header, or 0 when it has no letter and the person declined
// the all-numeric question.
uint32_t CountHeaderColumns(std::string_view header);
// 1 when the token holds a character outside "0123456789.-+eE", else 0.
int HasNonNumericChar(std::string_view token);
// Validates, then fills the data set; abandons the command on any fault.
void ReadTextDataFile(DataSet& doc, std::istream& file);
// The file's lines for editing (line ends removed), with the large-file warning.
// False, after a message, when the file cannot be read.
bool ReadTextLines(const std::string& path, std::vector<std::string>& lines);
// Writes the first count lines, each followed by CR LF.
bool WriteTextLines(const std::vector<std::string>& lines, size_t count, std::ostream& out);

}  // namespace lumox

#endif
