// The Edit Data dialog's clipboard text on arbitrary bytes: it is either refused with a
// message or taken as a table whose lines are the text's own lines, with a column count.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "data/pasted_table.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    const std::string text(reinterpret_cast<const char*>(bytes), size);
    std::vector<std::string> lines;
    int columns = 0;
    lumox::Diagnostics said;
    const lumox::ReadStatus status =
        lumox::ReadPastedTable(text, lines, columns, lumox::NumericNames::Accepted, said);
    if (status == lumox::ReadStatus::Read) {
        // An accepted table has at least its three checked lines and a column.
        if (lines.size() < 3 || columns < 1) std::abort();
        size_t length = 0;
        for (const std::string& line : lines) length += line.size();
        if (length > text.size()) std::abort();
    } else {
        lumox::fuzz::CheckRefusalSaid(said);
    }
    return 0;
}
