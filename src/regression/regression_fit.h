#ifndef LUMOX_REGRESSION_REGRESSION_FIT_H
#define LUMOX_REGRESSION_REGRESSION_FIT_H

#include <cstdint>
#include <vector>

#include "numeric/matrix.h"
#include "platform/diagnostics.h"

namespace lumox {

class EquationModel;

// The least-squares fit of a term matrix X and response Y, with its analysis of variance.
// It owns X and Y, so that its per-observation results can be read as long as it lives.
class RegressionFit {
public:
    // Forgets the fit: every result, X and Y.
    void ResetFit();

    // Least squares of m_Y on m_X (n > p, column 0 the intercept) by
    // singular value decomposition of X with its columns scaled to unit length, which
    // decides the rank, refined with residuals in double-double to the last digit. 0, or 1
    // with its message in said (32783 decomposition failed, 32798 no fit); notes on the way
    // (ill-conditioned, alternate residuals) go to said too.
    int FitRegression(Diagnostics& said);
    // The analysis of variance of the fit; 0, or 1 with message 32798 when SSE is not
    // below SST (SSR is then 0, the other statistics keep their values).
    int ComputeAnova(Diagnostics& said);
    // Sets and returns the alternate residual flag: 1 (with message 34) when some
    // observation has leverage 1 (allowing for rounding, 1 - 1e-9) or more.
    int CheckLeverage(Diagnostics& said);

    // x' C x for a term row x of p values: the leverage of an observation or of a point.
    double Leverage(const double* termRow) const;
    // The leverage of observation i of X, as the fit found it.
    double Leverage(uint32_t i) const { return m_leverage[i]; }
    // Whether observation i alone determines part of the fit: its leverage is 1, allowing
    // for the few units of rounding below 1 that the arithmetic leaves.
    bool HasLeverageOne(uint32_t i) const { return Leverage(i) >= 1.0 - 1.0e-9; }
    // sqrt(h MSE), the standard deviation of the prediction at leverage h.
    double PredictionSd(double leverage) const;
    // Y(i) - y-hat(i).
    double Residual(uint32_t i) const;
    // The residual over sqrt(1 - h) s, or over s alone when the alternate flag is set; 0
    // for a perfect fit (s = 0).
    double StandardizedResidual(uint32_t i) const;
    // sqrt(C(j, j)) s.
    double CoefficientSe(uint32_t j) const;
    // b(j) / SE(j); 0 for a coefficient of 0.
    double TRatio(uint32_t j) const;
    // Two-tailed probability of the t ratio with n - p degrees of freedom.
    double CoefficientProbability(uint32_t j) const;
    // The t of a two-sided interval at level percent with n - p degrees of freedom.
    double CriticalT(double level) const;
    // t s sqrt(h): half the width of the confidence interval of the mean response.
    double ConfidenceHalfWidth(double t, double leverage) const;
    // t s sqrt(h + 1): half the width of the prediction interval of one observation.
    double PredictionHalfWidth(double t, double leverage) const;

    Matrix m_X;  // the term matrix, n x p
    Matrix m_Y;  // the response, n x 1, on the fitted (transformed) scale
    uint32_t m_n = 0;
    uint32_t m_p = 0;
    Matrix m_coefficients;  // b, p x 1
    Matrix m_fitted;        // y-hat = X b, n x 1, on the transformed scale
    Matrix m_covariance;    // C = (X'X)^-1, p x p
    // h(i), taken once by the fit: every per-observation report reads it.
    std::vector<double> m_leverage;
    double m_ssr = 0.0;
    double m_sse = 0.0;
    double m_sst = 0.0;
    double m_msr = 0.0;
    double m_mse = 0.0;
    double m_standardError = 0.0;
    double m_rSquare = 0.0;
    double m_adjustedRSquare = 0.0;
    double m_f = 0.0;
    double m_probF = 0.0;  // the upper tail P(F' >= F)
    // Largest over smallest singular value of X with its columns scaled to unit length;
    // infinite when X has a column that the others determine.
    double m_conditionNumber = 0.0;
    // Directions of the scaled X that the fit set aside as below the threshold: the terms
    // are linearly dependent when it is not 0.
    uint32_t m_nDroppedDirections = 0;
    int m_bAlternateResiduals = 0;
};

// Fits model to the data matrix in the order every caller uses: ResetFit, the term matrix
// into the fit's X and Y, FitRegression. On success (0) fitted holds the model as fitted
// (with its record of what it transformed); 1 with the message of a transform or of the
// fit in said, with fit partly filled.
int FitEquation(const Matrix& data, const EquationModel& model, EquationModel& fitted,
                RegressionFit& fit, Diagnostics& said);

}  // namespace lumox

#endif
