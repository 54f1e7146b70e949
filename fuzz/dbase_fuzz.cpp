// The dBase reader on arbitrary bytes: it either refuses with a message or gives a data
// set that holds together.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "data/dbase.h"
#include "fuzz_support.h"
#include "platform/abort.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    lumox::fuzz::SilentPrompt prompt;
    lumox::DataSet data;
    std::istringstream file(std::string(reinterpret_cast<const char*>(bytes), size));
    try {
        lumox::ReadDbaseFile(data, file);
        lumox::fuzz::CheckDataSet(data);
    } catch (const lumox::UserAbort&) {
    }
    return 0;
}
