#ifndef LUMOX_TESTS_SUPPORT_DATA_LISTING_H
#define LUMOX_TESTS_SUPPORT_DATA_LISTING_H

#include <string>

#include "data/data_set.h"

namespace lumox::test {

// The INPUT DATA listing of a data set: what every report and graph sees of it.
std::string Listing(const DataSet& set);

// The data set a text data file holds (all-numeric names accepted); the test fails when
// the text is not read.
DataSet ReadText(const std::string& text);

}  // namespace lumox::test

#endif
