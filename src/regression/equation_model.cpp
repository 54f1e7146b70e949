#include "regression/equation_model.h"

namespace lumox {

void EquationModel::ResetModel() {
    m_nCurrentEntry = 0;
    m_nEntryCount = 1;
    m_anVariable.fill(kNone);
    m_anTransform.fill(kNone);
    m_nSingleVariable = kNone;
    m_bYTransformed = 0;
    m_bTransformError = 0;
}

}  // namespace lumox
