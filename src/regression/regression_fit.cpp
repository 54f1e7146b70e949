#include "regression/regression_fit.h"

#include "data/document.h"

namespace lumox {

void RegressionFit::ResetFit() {
    m_document.m_nYVariable = -2;
    m_document.m_nSimpleModel = -1;
    m_bAlternateResiduals = 0;
    m_document.m_equation.ResetModel();
    m_coefficients.Release();
    m_fitted.Release();
    m_covariance.Release();
    m_document.m_Y.Release();
    m_document.m_X.Release();
}

}  // namespace lumox
