#ifndef LUMOX_TESTS_SUPPORT_DATA_SETS_H
#define LUMOX_TESTS_SUPPORT_DATA_SETS_H

#include <gtest/gtest.h>

#include <istream>
#include <string>
#include <vector>

#include "data/data_set.h"
#include "data/text_data.h"
#include "document/lumox_doc.h"
#include "platform/format.h"

namespace lumox::test {

// Makes the data set hold these names and rows, as a reader would have filled it (the
// header line the names joined by blanks).
inline void FillDataSet(DataSet& set, const std::vector<std::string>& names,
                        const std::vector<std::vector<double>>& rows) {
    Matrix values(static_cast<uint32_t>(rows.size()), static_cast<uint32_t>(names.size()));
    std::string header;
    for (const std::string& name : names) header += (header.empty() ? "" : " ") + name;
    for (uint32_t i = 0; i < values.Rows(); ++i) {
        for (uint32_t j = 0; j < values.Cols(); ++j) values.At(i, j) = rows[i][j];
    }
    set.Assign(header, names, std::move(values));
}

// The document takes the data set of these names and rows, as after opening a file.
inline void FillDataSet(CLumoxDoc& doc, const std::vector<std::string>& names,
                        const std::vector<std::vector<double>>& rows) {
    DataSet set;
    FillDataSet(set, names, rows);
    doc.AdoptDataSet(std::move(set));
}

// Reads a data file's text as the program opens it, numeric names taken; a refusal says
// why in the test's failure.
inline ReadStatus ReadData(DataSet& set, std::istream& file) {
    Diagnostics said;
    const ReadStatus status = ReadTextDataFile(set, file, NumericNames::Accepted, said);
    for (const Diagnostic& message : said.Items()) ADD_FAILURE() << message.text;
    return status;
}

// Reads a data file's text into the document, as opening the file does.
inline ReadStatus ReadData(CLumoxDoc& doc, std::istream& file) {
    DataSet set;
    const ReadStatus status = ReadData(set, file);
    doc.AdoptDataSet(std::move(set));
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
