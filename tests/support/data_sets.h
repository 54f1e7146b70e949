#ifndef LUMOX_TESTS_SUPPORT_DATA_SETS_H
#define LUMOX_TESTS_SUPPORT_DATA_SETS_H

#include <gtest/gtest.h>

#include <istream>
#include <string>
#include <vector>

#include "data/data_set.h"
#include "data/text_data.h"
#include "platform/format.h"

namespace lumox::test {

// Makes the data set hold these names and rows, as a reader would have filled it.
inline void FillDataSet(DataSet& set, const std::vector<std::string>& names,
                        const std::vector<std::vector<double>>& rows) {
    set.ClearDataSet();
    set.m_nRows = static_cast<uint32_t>(rows.size());
    set.m_nCols = static_cast<uint32_t>(names.size());
    set.m_astrColNames = names;
    set.GetData().Resize(set.m_nRows, set.m_nCols);
    for (uint32_t i = 0; i < set.m_nRows; ++i) {
        for (uint32_t j = 0; j < set.m_nCols; ++j) set.GetData().At(i, j) = rows[i][j];
    }
}

// Reads a data file's text as the program opens it, numeric names taken; a refusal says
// why in the test's failure.
inline ReadStatus ReadData(DataSet& set, std::istream& file) {
    Diagnostics said;
    const ReadStatus status = ReadTextDataFile(set, file, NumericNames::Accepted, said);
    for (const Diagnostic& message : said.Items()) ADD_FAILURE() << message.text;
    return status;
}

// A data file's text of three variables over rows observations: C depends on A and B with
// a small wobble, so that every fit of C on them is exact enough to compare and never
// singular.
inline std::string ThreeVariables(int rows) {
    std::string text = "A B C\r\n";
    for (int i = 1; i <= rows; ++i) {
        const int b = (i * i) % 7;
        text += Format("%d %d %d\r\n", i, b, 2 + 3 * i - b + (i * 5) % 3);
    }
    return text;
}

}  // namespace lumox::test

#endif
