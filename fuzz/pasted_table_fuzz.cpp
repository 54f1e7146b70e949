// The Edit Data dialog's clipboard text on arbitrary bytes: it is either refused with a
// message or taken as a table whose lines are the text's own lines, with a column count.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "data/pasted_table.h"
#include "fuzz_support.h"
#include "platform/abort.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    lumox::fuzz::SilentPrompt prompt;
    const std::string text(reinterpret_cast<const char*>(bytes), size);
    std::vector<std::string> lines;
    int columns = 0;
    try {
        if (lumox::ReadPastedTable(text, lines, columns)) {
            // An accepted table has at least its three checked lines and a column.
            if (lines.size() < 3 || columns < 1) std::abort();
            size_t length = 0;
            for (const std::string& line : lines) length += line.size();
            if (length > text.size()) std::abort();
        }
    } catch (const lumox::UserAbort&) {
    }
    return 0;
}
