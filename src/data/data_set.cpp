#include "data/data_set.h"

#include <utility>

namespace lumox {

void DataSet::Assign(std::string headerLine, std::vector<std::string> names, Matrix data) {
    m_strHeaderLine = std::move(headerLine);
    m_astrColNames = std::move(names);
    m_nRows = data.Rows();
    m_nCols = data.Cols();
    m_data = std::move(data);
}

void DataSet::ClearDataSet() {
    m_nRows = m_nCols = 0;
    m_data.Release();
    m_strHeaderLine.clear();
    m_astrColNames.clear();
}

}  // namespace lumox
