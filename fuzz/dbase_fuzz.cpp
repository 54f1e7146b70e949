// The dBase reader on arbitrary bytes: it either refuses with a message or gives a data
// set that holds together; it never throws.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "data/dbase.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    lumox::DataSet data;
    std::istringstream file(std::string(reinterpret_cast<const char*>(bytes), size));
    lumox::Diagnostics said;
    if (lumox::ReadDbaseFile(data, file, said)) {
        lumox::fuzz::CheckDataSet(data);
    } else {
        lumox::fuzz::CheckRefusalSaid(said);
    }
    return 0;
}
