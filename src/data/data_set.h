#ifndef LUMOX_DATA_DATA_SET_H
#define LUMOX_DATA_DATA_SET_H

#include <cstdint>
#include <string>
#include <vector>

#include "numeric/matrix.h"

namespace lumox {

// The data set of one data file: the header line, the column names and the values, one
// row per observation and one column per variable. A reader fills it whole.
class DataSet {
public:
    uint32_t Rows() const { return m_nRows; }
    uint32_t Cols() const { return m_nCols; }
    // The first line of the file as it stands: the names before they were cut to length.
    const std::string& HeaderLine() const { return m_strHeaderLine; }
    // The names as the listings show them: at most kMaxNameLength bytes of each.
    const std::vector<std::string>& ColNames() const { return m_astrColNames; }
    // The names as the file spells them, before they were cut to length.
    const std::vector<std::string>& FullNames() const { return m_astrFullNames; }
    // The name of a column; callers pass 0 <= column < Cols().
    const std::string& GetColName(uint32_t column) const { return m_astrColNames[column]; }
    // The data matrix: observations in rows, variables in columns.
    const Matrix& GetData() const { return m_data; }

    // Takes the whole data set a reader found: the header line, one name per column (as the
    // file spells it) and the values, whose shape gives the counts.
    void Assign(std::string headerLine, std::vector<std::string> names, Matrix data);
    // Empties the data set.
    void ClearDataSet();

private:
    std::string m_strHeaderLine;
    std::vector<std::string> m_astrColNames;
    std::vector<std::string> m_astrFullNames;
    uint32_t m_nRows = 0;
    uint32_t m_nCols = 0;
    Matrix m_data;
};

}  // namespace lumox

#endif
