#ifndef LUMOX_REGRESSION_REGRESSION_FIT_H
#define LUMOX_REGRESSION_REGRESSION_FIT_H

#include <cstdint>

#include "numeric/matrix.h"

namespace lumox {

class CLumoxDoc;
class EquationModel;

// The least-squares fit of the document's term matrix X and response Y, with its
// analysis of variance. One lives in each document.
class RegressionFit {
public:
    explicit RegressionFit(CLumoxDoc& document) : m_document(document) {}
    RegressionFit(const RegressionFit&) = delete;
    RegressionFit& operator=(const RegressionFit&) = delete;

    // Forgets the last fit: the document's fit state, its fitted model, X and Y included.
    void ResetFit();

    // Least squares of the document's Y on its X (n > p, column 0 the intercept) by
    // singular value decomposition of X with its columns scaled to unit length. 0, or 1
    // after its message (32783 decomposition failed, 32798 no fit).
    int FitRegression();
    // The analysis of variance of the fit; 0, or 1 after message 32798 when SSE is not
    // below SST (SSR is then 0, the other statistics keep their values).
    int ComputeAnova();
    // Sets and returns the alternate residual flag: 1 (after message 34) when some
    // observation has leverage 1 (allowing for rounding, 1 - 1e-9) or more.
    int CheckLeverage();

    // x' C x for a term row x of p values: the leverage of an observation or of a point.
    double Leverage(const double* termRow) const;
    // The leverage of observation i of X.
    double Leverage(uint32_t i) const;
    // sqrt(h MSE), the standard deviation of the prediction at leverage h.
    double PredictionSd(double leverage) const;
    // Y(i) - y-hat(i).
    double Residual(uint32_t i) const;
    // The residual over sqrt(1 - h) s, or over s alone when the alternate flag is set.
    double StandardizedResidual(uint32_t i) const;
    // sqrt(C(j, j)) s.
    double CoefficientSe(uint32_t j) const;
    // b(j) / SE(j).
    double TRatio(uint32_t j) const;
    // Two-tailed probability of the t ratio with n - p degrees of freedom.
    double CoefficientProbability(uint32_t j) const;
    // The t of a two-sided interval at level percent with n - p degrees of freedom.
    double CriticalT(double level) const;
    // t s sqrt(h): half the width of the confidence interval of the mean response.
    double ConfidenceHalfWidth(double t, double leverage) const;
    // t s sqrt(h + 1): half the width of the prediction interval of one observation.
    double PredictionHalfWidth(double t, double leverage) const;

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

// Fits model to the document's data set in the order every caller uses: ResetFit, the term
// matrix into the document's X and Y, FitRegression. On success (0) the document keeps a
// copy of the model as its fitted model, its y variable as the fit's y variable and -1 as
// the simple model; 1 after the message of a transform or of the fit.
int FitEquation(CLumoxDoc& doc, const EquationModel& model);

}  // namespace lumox

#endif
