#include "data/data_set.h"

#include <utility>

#include "data/data_rules.h"

namespace lumox {

void DataSet::Assign(std::string headerLine, std::vector<std::string> names, Matrix data) {
    m_strHeaderLine = std::move(headerLine);
    m_astrColNames.clear();
    for (const std::string& name : names) m_astrColNames.push_back(name.substr(0, kMaxNameLength));
    m_astrFullNames = std::move(names);
    m_nRows = data.Rows();
    m_nCols = data.Cols();
    m_data = std::move(data);
}

void DataSet::ClearDataSet() {
    m_nRows = m_nCols = 0;
    m_data.Release();
    m_strHeaderLine.clear();
    m_astrColNames.clear();
    m_astrFullNames.clear();
}

}  // namespace lumox
