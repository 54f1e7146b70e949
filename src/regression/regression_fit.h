#ifndef LUMOX_REGRESSION_REGRESSION_FIT_H
#define LUMOX_REGRESSION_REGRESSION_FIT_H

#include <cstdint>

#include "numeric/matrix.h"

namespace lumox {

class CLumoxDoc;

// The least-squares fit of the document's term matrix X and response Y, with its
// analysis of variance. One lives in each document.
class RegressionFit {
public:
    explicit RegressionFit(CLumoxDoc& document) : m_document(document) {}
    RegressionFit(const RegressionFit&) = delete;
    RegressionFit& operator=(const RegressionFit&) = delete;

    // Forgets the last fit: the document's fit state, its fitted model, X and Y included.
    void ResetFit();

    CLumoxDoc& m_document;
    uint32_t m_n = 0;
    uint32_t m_p = 0;
    Matrix m_coefficients;  // b, p x 1
    Matrix m_fitted;        // y-hat = X b, n x 1, on the transformed scale
    Matrix m_covariance;    // C = (X'X)^-1, p x p
    double m_ssr = 0.0;
    double m_sse = 0.0;
    double m_sst = 0.0;
    double m_msr = 0.0;
    double m_mse = 0.0;
    double m_standardError = 0.0;
    double m_rSquare = 0.0;
    double m_adjustedRSquare = 0.0;
    double m_f = 0.0;
    double m_probF = 0.0;
    int m_bAlternateResiduals = 0;
};

}  // namespace lumox

#endif
