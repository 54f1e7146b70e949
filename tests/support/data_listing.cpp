#include "support/data_listing.h"

#include <gtest/gtest.h>

#include <sstream>

#include "data/text_data.h"
#include "reports/input_data.h"

namespace lumox::test {

std::string Listing(const DataSet& set) {
    std::string out;
    WriteInputData(set, out);
    return out;
}

DataSet ReadText(const std::string& text) {
    DataSet set;
    std::istringstream in(text);
    Diagnostics said;
    EXPECT_EQ(ReadTextDataFile(set, in, NumericNames::Accepted, said), ReadStatus::Read);
    return set;
}

}  // namespace lumox::test
