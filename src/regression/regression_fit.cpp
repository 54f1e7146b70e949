#include "regression/regression_fit.h"

#include <cmath>
#include <vector>

#include "regression/equation_model.h"
#include "numeric/probability.h"
#include "numeric/svd.h"
#include "platform/prompt.h"
#include "platform/strings.h"

namespace lumox {
namespace {

constexpr double kSingularThreshold = 1.0e-16;
// A leverage of exactly 1 comes out of the arithmetic a few units of rounding below 1;
// such an observation still has no residual degree of freedom of its own.
constexpr double kLeverageOne = 1.0 - 1.0e-9;

// The Euclidean length of column j, scaled by its largest element so that the squares
// cannot overflow or underflow; 0 for a column of zeros.
double ColumnLength(const Matrix& x, uint32_t j) {
    double largest = 0.0;
    for (uint32_t i = 0; i < x.Rows(); ++i) largest = std::fmax(largest, std::fabs(x.At(i, j)));
    if (largest == 0.0) return 0.0;
    double sum = 0.0;
    for (uint32_t i = 0; i < x.Rows(); ++i) {
        const double ratio = x.At(i, j) / largest;
        sum += ratio * ratio;
    }
    return largest * std::sqrt(sum);
}

}  // namespace

void RegressionFit::ResetFit() { *this = RegressionFit(); }

int RegressionFit::FitRegression() {
    const Matrix& x = m_X;
    const Matrix& y = m_Y;
    m_n = x.Rows();
    m_p = x.Cols();

    // Each column is scaled to unit length, so that the threshold on the singular values
    // judges the columns' directions and not their units (a cubic in years would otherwise
    // lose every digit); a column of zeros keeps the scale 1.
    std::vector<double> length(m_p);
    Matrix u(x);
    for (uint32_t j = 0; j < m_p; ++j) {
        length[j] = ColumnLength(x, j);
        if (length[j] == 0.0) length[j] = 1.0;
        for (uint32_t i = 0; i < m_n; ++i) u.At(i, j) /= length[j];
    }

    Matrix w(m_p, 1);
    Matrix v(m_p, m_p);
    if (SingularValueDecomposition(u, w, v) != 0) {
        ShowMessage(ids::kSvdFailed, Icon::Stop);
        return 1;
    }

    double wmin = 0.0;
    double wmax = 0.0;
    ColumnMinMax(w, 0, wmin, wmax);
    const double threshold = wmax * kSingularThreshold;
    bool adjusted = false;
    for (uint32_t i = 0; i < m_p; ++i) {
        if (w.At(i, 0) < threshold) {
            w.At(i, 0) = 0.0;
            adjusted = true;
        }
    }
    if (adjusted) ShowMessage(ids::kIllConditioned, Icon::Information);

    Matrix wi(m_p, m_p);
    wi.Fill(0.0);
    for (uint32_t i = 0; i < m_p; ++i) {
        if (std::fabs(w.At(i, 0)) > 0.0) wi.At(i, i) = 1.0 / w.At(i, 0);
    }
    m_coefficients = Multiply(Multiply(Multiply(v, wi), Transpose(u)), y);
    m_covariance.Resize(m_p, m_p);
    SvdCovariance(v, w, m_covariance);

    // Back to the units of the data: b = D b', C = D C' D with D = diag(1 / length).
    for (uint32_t i = 0; i < m_p; ++i) {
        m_coefficients.At(i, 0) /= length[i];
        for (uint32_t j = 0; j < m_p; ++j) m_covariance.At(i, j) /= length[i] * length[j];
    }

    m_fitted = Multiply(x, m_coefficients);
    m_bAlternateResiduals = CheckLeverage();
    return ComputeAnova() != 0 ? 1 : 0;
}

int RegressionFit::CheckLeverage() {
    m_bAlternateResiduals = 0;
    for (uint32_t i = 0; i < m_n; ++i) {
        if (Leverage(i) >= kLeverageOne) {
            m_bAlternateResiduals = 1;
            ShowMessage(ids::kAlternateResiduals, Icon::Information);
            break;
        }
    }
    return m_bAlternateResiduals;
}

int RegressionFit::ComputeAnova() {
    const Matrix& y = m_Y;
    const double n = static_cast<double>(m_n);
    const double p = static_cast<double>(m_p);

    // The total sum of squares is taken about the mean in two passes: the one-pass
    // formula loses every digit when the mean is large against the spread.
    double sum = 0.0;
    for (uint32_t i = 0; i < m_n; ++i) sum += y.At(i, 0);
    const double mean = sum / n;
    double sst = 0.0;
    double sse = 0.0;
    for (uint32_t i = 0; i < m_n; ++i) {
        const double deviation = y.At(i, 0) - mean;
        sst += deviation * deviation;
        const double residual = y.At(i, 0) - m_fitted.At(i, 0);
        sse += residual * residual;
    }
    m_sst = sst;
    m_sse = sse;
    if (!(m_sse < m_sst)) {
        ShowMessage(ids::kEquationDoesNotFit, Icon::Stop);
        m_ssr = 0.0;
        return 1;
    }
    m_ssr = m_sst - m_sse;
    m_rSquare = m_ssr / m_sst;
    m_adjustedRSquare = m_ssr == 0.0 ? 0.0 : ((n - 1.0) * m_rSquare - p + 1.0) / (n - p);
    m_mse = m_sse / (n - p);
    m_standardError = std::sqrt(std::fabs(m_mse));
    m_msr = m_ssr / (p - 1.0);
    m_f = m_msr / m_mse;
    m_probF = FProbability(m_f, p - 1.0, n - p);
    return 0;
}

double RegressionFit::Leverage(const double* termRow) const {
    // (x' C) x, each product summed in ascending order.
    double h = 0.0;
    for (uint32_t j = 0; j < m_p; ++j) {
        double column = 0.0;
        for (uint32_t k = 0; k < m_p; ++k) column += termRow[k] * m_covariance.At(k, j);
        h += column * termRow[j];
    }
    return h;
}

double RegressionFit::Leverage(uint32_t i) const {
    return Leverage(m_X.Data() + static_cast<uint64_t>(i) * m_p);
}

double RegressionFit::PredictionSd(double leverage) const { return std::sqrt(leverage * m_mse); }

double RegressionFit::Residual(uint32_t i) const {
    return m_Y.At(i, 0) - m_fitted.At(i, 0);
}

double RegressionFit::StandardizedResidual(uint32_t i) const {
    if (m_bAlternateResiduals) return Residual(i) / m_standardError;
    return Residual(i) / (std::sqrt(1.0 - Leverage(i)) * m_standardError);
}

double RegressionFit::CoefficientSe(uint32_t j) const {
    return std::sqrt(m_covariance.At(j, j)) * m_standardError;
}

double RegressionFit::TRatio(uint32_t j) const {
    return m_coefficients.At(j, 0) / CoefficientSe(j);
}

double RegressionFit::CoefficientProbability(uint32_t j) const {
    return StudentTProbability(TRatio(j), static_cast<double>(m_n) - static_cast<double>(m_p));
}

double RegressionFit::CriticalT(double level) const {
    return InverseStudentT((100.0 - level) / 100.0,
                           static_cast<double>(m_n) - static_cast<double>(m_p));
}

double RegressionFit::ConfidenceHalfWidth(double t, double leverage) const {
    return t * m_standardError * std::sqrt(leverage);
}

double RegressionFit::PredictionHalfWidth(double t, double leverage) const {
    return t * m_standardError * std::sqrt(leverage + 1.0);
}

int FitEquation(const Matrix& data, const EquationModel& model, EquationModel& fitted,
                RegressionFit& fit) {
    fit.ResetFit();
    EquationModel working(model);
    if (working.BuildTermMatrix(fit.m_X, fit.m_Y, data, false) != 0) return 1;
    if (fit.FitRegression() != 0) return 1;
    fitted = working;
    return 0;
}

}  // namespace lumox
