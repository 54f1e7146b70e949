#ifndef LUMOX_DATA_DATA_SET_H
#define LUMOX_DATA_DATA_SET_H

#include <cstdint>
#include <string>
#include <vector>

#include "numeric/matrix.h"

namespace lumox {

// The data set of one data file: the header line, the column names and the values, one
// row per observation and one column per variable. The file readers fill it.
class DataSet {
public:
    // The name of a column; callers pass 0 <= column < m_nCols.
    const std::string& GetColName(uint32_t column) const { return m_astrColNames[column]; }
    // The data matrix: observations in rows, variables in columns.
    Matrix& GetData() { return m_data; }
    const Matrix& GetData() const { return m_data; }
    // Empties the data set.
    void ClearDataSet();

    std::string m_strHeaderLine;
    std::vector<std::string> m_astrColNames;
    uint32_t m_nRows = 0;
    uint32_t m_nCols = 0;

private:
    Matrix m_data;
};

}  // namespace lumox

#endif
