#include "data/data_set.h"

namespace lumox {

void DataSet::ClearDataSet() {
    m_nRows = m_nCols = 0;
    m_data.Release();
    m_strHeaderLine.clear();
    m_astrColNames.clear();
}

}  // namespace lumox
