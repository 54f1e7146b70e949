#include "regression/regression_fit.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <vector>

#include "numeric/double_double.h"
#include "numeric/probability.h"
#include "numeric/svd.h"
#include "platform/block_pipeline.h"
#include "platform/strings.h"
#include "regression/equation_model.h"

namespace lumox {
namespace {

constexpr double kSingularThreshold = 1.0e-16;
// Refinement passes at most: each gains the digits that the condition of the scaled X
// leaves, so a well-conditioned fit needs two or three and an offset X of 1e13 about ten.
constexpr int kMaxRefinements = 16;
// A step this small against the largest scaled coefficient changes nothing that is kept.
constexpr double kNegligibleStep = 0x1p-106;
// A step this small against a value leaves its rounding to double as it is.
constexpr double kSettled = 0x1p-64;

// The Euclidean length of column j, scaled by its largest element so that the squares
// cannot overflow or underflow; 0 for a column of zeros.
double ColumnLength(const Matrix& x, uint32_t j) {
    double largest = 0.0;
    for (uint32_t i = 0; i < x.Rows(); ++i) largest = std::max(largest, std::fabs(x.At(i, j)));
    if (largest == 0.0) return 0.0;
    double sum = 0.0;
    for (uint32_t i = 0; i < x.Rows(); ++i) {
        const double ratio = x.At(i, j) / largest;
        sum += ratio * ratio;
    }
    return largest * std::sqrt(sum);
}

// The decomposition of X with its columns divided by their lengths: X D = U diag(w) V'
// with D = diag(1 / length), singular values below the threshold already zeroed.
struct ScaledSvd {
    Matrix columns;  // U by columns (p x n)
    Matrix w;
    Matrix v;
    std::vector<double> length;

    // The solution of the least-squares system [I X; X' 0] [r; b] = [f; g] for b, in the
    // units of the data: b = X+ f - (X'X)+ g, each inverse restricted to the kept
    // singular values.
    std::vector<double> Solve(const std::vector<double>& f, const std::vector<double>& g) const {
        const uint32_t n = columns.Cols();
        const uint32_t p = columns.Rows();
        // z = diag(1/w) U' f - diag(1/w^2) V' D g, in the scaled coordinates.
        std::vector<double> z(p, 0.0);
        for (uint32_t k = 0; k < p; ++k) {
            const double wk = w.At(k, 0);
            if (wk == 0.0) continue;
            double uf = 0.0;
            const double* const uk = columns.Data() + size_t{k} * n;
            for (uint32_t i = 0; i < n; ++i) uf += uk[i] * f[i];
            double vg = 0.0;
            for (uint32_t j = 0; j < p; ++j) vg += v.At(j, k) * g[j] / length[j];
            z[k] = (uf - vg / wk) / wk;
        }
        std::vector<double> b(p, 0.0);
        for (uint32_t j = 0; j < p; ++j) {
            double sum = 0.0;
            for (uint32_t k = 0; k < p; ++k) sum += v.At(j, k) * z[k];
            b[j] = sum / length[j];
        }
        return b;
    }
};

// The refinement's exact products are fused multiply-adds. Where the processor has them,
// a clone of the refinement makes each one instruction instead of a library call (around
// which every register would be saved); contraction stays off, so every result is the same.
// (Not under ThreadSanitizer, whose runtime is not up yet when the clone is chosen.)
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__) && \
    !defined(__SANITIZE_THREAD__)
#define LUMOX_FMA_CLONES __attribute__((target_clones("fma", "default")))
#define LUMOX_ALWAYS_INLINE __attribute__((always_inline))
#else
#define LUMOX_FMA_CLONES
#define LUMOX_ALWAYS_INLINE
#endif

// X b for the row i of x: the products with the high parts exact, those with the low
// parts (already below the high parts' rounding) in plain double.
LUMOX_ALWAYS_INLINE inline DoubleDouble RowTimes(const Matrix& x, uint32_t i,
                                                 const std::vector<DoubleDouble>& b) {
    DoubleDouble sum;
    double low = 0.0;
    for (uint32_t j = 0; j < x.Cols(); ++j) {
        sum.AddProduct(x.At(i, j), b[j].hi);
        low += x.At(i, j) * b[j].lo;
    }
    sum.Add(low, 0.0);
    return sum;
}

// RowTimes of rows i and i + 1: the same operations for each row, done side by side so
// that the two chains of dependent additions overlap.
LUMOX_ALWAYS_INLINE inline std::array<DoubleDouble, 2> RowPairTimes(
    const Matrix& x, uint32_t i, const std::vector<DoubleDouble>& b) {
    const uint32_t p = x.Cols();
    const double* const first = x.Data() + size_t{i} * p;
    const double* const second = first + p;
    std::array<DoubleDouble, 2> sums;
    double low[2] = {0.0, 0.0};
    for (uint32_t j = 0; j < p; ++j) {
        sums[0].AddProduct(first[j], b[j].hi);
        low[0] += first[j] * b[j].lo;
        sums[1].AddProduct(second[j], b[j].hi);
        low[1] += second[j] * b[j].lo;
    }
    sums[0].Add(low[0], 0.0);
    sums[1].Add(low[1], 0.0);
    return sums;
}

// Least squares of y on x through the decomposition, then refined on the augmented system
// with both residuals (y - r - X b and -X' r) and the coefficients themselves carried in
// double-double: the refinement brings back the digits that the decomposition's rounding
// costs an ill-conditioned or offset X, so that an exact fit comes out exact, and the
// fitted values do not inherit the rounding of a large intercept. A step that fails to
// halve the last one ends it, so a hopeless system keeps what it has.
LUMOX_FMA_CLONES void RefinedSolution(const Matrix& x, const Matrix& y, const ScaledSvd& svd,
                                      Matrix& b, Matrix& fitted) {
    const uint32_t n = x.Rows();
    const uint32_t p = x.Cols();
    std::vector<double> f(n);
    std::vector<double> g(p, 0.0);
    for (uint32_t i = 0; i < n; ++i) f[i] = y.At(i, 0);
    std::vector<DoubleDouble> coefficients(p);
    const std::vector<double> first = svd.Solve(f, g);
    double largest = 0.0;
    for (uint32_t j = 0; j < p; ++j) {
        coefficients[j].hi = first[j];
        largest = std::fmax(largest, std::fabs(first[j]) * svd.length[j]);
    }
    double largestY = 0.0;
    for (uint32_t i = 0; i < n; ++i) largestY = std::max(largestY, std::fabs(y.At(i, 0)));
    // The residual is only a starting point here; the passes make it exact.
    std::vector<double> r(n);
    for (uint32_t i = 0; i < n; ++i) {
        double sum = 0.0;
        for (uint32_t j = 0; j < p; ++j) sum += x.At(i, j) * first[j];
        r[i] = y.At(i, 0) - sum;
    }

    // Each pass leaves fitted as X b of the coefficients it ends with, unless the last
    // allowed pass moved them.
    std::vector<double> moved(n);
    bool fresh = false;
    double lastStep = std::numeric_limits<double>::infinity();
    for (int pass = 0; pass < kMaxRefinements; ++pass) {
        std::vector<DoubleDouble> gradient(p);
        const auto take = [&](uint32_t i, DoubleDouble sum) LUMOX_ALWAYS_INLINE {
            fitted.At(i, 0) = sum.Value();
            sum.Add(r[i], 0.0);
            DoubleDouble residual{y.At(i, 0), 0.0};
            residual.Add(-sum.hi, -sum.lo);
            f[i] = residual.Value();
            for (uint32_t j = 0; j < p; ++j) gradient[j].AddProduct(-x.At(i, j), r[i]);
        };
        // The rows' products go two at a time; the gradient still takes them in order.
        uint32_t i = 0;
        for (; i + 1 < n; i += 2) {
            const std::array<DoubleDouble, 2> sums = RowPairTimes(x, i, coefficients);
            take(i, sums[0]);
            take(i + 1, sums[1]);
        }
        if (i < n) take(i, RowTimes(x, i, coefficients));
        fresh = true;
        for (uint32_t j = 0; j < p; ++j) g[j] = gradient[j].Value();
        const std::vector<double> step = svd.Solve(f, g);

        // The step's size in the scaled coordinates, where every column counts alike.
        double size = 0.0;
        for (uint32_t j = 0; j < p; ++j) size = std::fmax(size, std::fabs(step[j]) * svd.length[j]);
        if (!(size < 0.5 * lastStep)) break;
        lastStep = size;
        // Settled: a step that would move neither a coefficient nor a fitted value by more
        // than a small fraction of its last digit is not taken.
        bool settled = true;
        for (uint32_t j = 0; j < p; ++j) {
            if (std::fabs(step[j]) > kSettled * std::fabs(coefficients[j].hi) &&
                std::fabs(step[j]) * svd.length[j] > kNegligibleStep * largest) {
                settled = false;
            }
        }
        double largestMove = 0.0;
        for (uint32_t i = 0; i < n; ++i) {
            moved[i] = 0.0;
            for (uint32_t j = 0; j < p; ++j) moved[i] += x.At(i, j) * step[j];
            largestMove = std::max(largestMove, std::fabs(moved[i]));
        }
        if (settled && largestMove <= kSettled * largestY) break;
        for (uint32_t j = 0; j < p; ++j) coefficients[j].Add(step[j], 0.0);
        for (uint32_t i = 0; i < n; ++i) r[i] += f[i] - moved[i];
        fresh = false;
    }
    // What lies below the arithmetic's resolution against the largest coefficient is no
    // coefficient: an exact 0 stays 0.
    for (uint32_t j = 0; j < p; ++j) {
        const double value = coefficients[j].Value();
        b.At(j, 0) = std::fabs(value) * svd.length[j] <= kNegligibleStep * largest ? 0.0 : value;
    }
    // Each fitted value is the exact X b rounded once, so that an exact fit leaves
    // residuals of exactly 0.
    if (!fresh) {
        for (uint32_t i = 0; i < n; ++i) fitted.At(i, 0) = RowTimes(x, i, coefficients).Value();
    }
}
}  // namespace

void RegressionFit::ResetFit() { *this = RegressionFit(); }

int RegressionFit::FitRegression(Diagnostics& said) {
    const Matrix& x = m_X;
    const Matrix& y = m_Y;
    m_n = x.Rows();
    m_p = x.Cols();

    // Each column is scaled to unit length, so that the threshold on the singular values
    // judges the columns' directions and not their units (a cubic in years would otherwise
    // lose every digit); a column of zeros keeps the scale 1.
    ScaledSvd svd;
    svd.length.resize(m_p);
    svd.columns.Resize(m_p, m_n);
    for (uint32_t j = 0; j < m_p; ++j) {
        svd.length[j] = ColumnLength(x, j);
        if (svd.length[j] == 0.0) svd.length[j] = 1.0;
        double* const column = svd.columns.Data() + size_t{j} * m_n;
        for (uint32_t i = 0; i < m_n; ++i) column[i] = x.At(i, j) / svd.length[j];
    }

    svd.w.Resize(m_p, 1);
    svd.v.Resize(m_p, m_p);
    if (SingularValueDecomposition(svd.columns, svd.w, svd.v) != 0) {
        said.Add(ids::kSvdFailed, Icon::Stop);
        return 1;
    }

    double wmin = 0.0;
    double wmax = 0.0;
    ColumnMinMax(svd.w, 0, wmin, wmax);
    m_conditionNumber = wmin > 0.0 ? wmax / wmin : std::numeric_limits<double>::infinity();
    const double threshold = wmax * kSingularThreshold;
    bool adjusted = false;
    m_nDroppedDirections = 0;
    for (uint32_t i = 0; i < m_p; ++i) {
        if (svd.w.At(i, 0) < threshold) {
            svd.w.At(i, 0) = 0.0;
            adjusted = true;
            ++m_nDroppedDirections;
        }
    }
    if (adjusted) said.Add(ids::kIllConditioned, Icon::Information);

    m_coefficients.Resize(m_p, 1);
    m_fitted.Resize(m_n, 1);
    m_covariance.Resize(m_p, m_p);
    m_leverage.resize(m_n);
    // The refinement, and the covariance with the leverages, each need only the
    // decomposition: they go side by side when a second core is free.
    RunSideBySide([&] { RefinedSolution(x, y, svd, m_coefficients, m_fitted); },
                  [&] {
                      SvdCovariance(svd.v, svd.w, m_covariance);
                      // Back to the units of the data: C = D C' D with D = diag(1 / length).
                      for (uint32_t i = 0; i < m_p; ++i) {
                          for (uint32_t j = 0; j < m_p; ++j) {
                              m_covariance.At(i, j) /= svd.length[i] * svd.length[j];
                          }
                      }
                      for (uint32_t i = 0; i < m_n; ++i) {
                          m_leverage[i] = Leverage(m_X.Data() + size_t{i} * m_p);
                      }
                  });
    m_bAlternateResiduals = CheckLeverage(said);
    return ComputeAnova(said) != 0 ? 1 : 0;
}

int RegressionFit::CheckLeverage(Diagnostics& said) {
    m_bAlternateResiduals = 0;
    for (uint32_t i = 0; i < m_n; ++i) {
        if (HasLeverageOne(i)) {
            m_bAlternateResiduals = 1;
            said.Add(ids::kAlternateResiduals, Icon::Information);
            break;
        }
    }
    return m_bAlternateResiduals;
}

int RegressionFit::ComputeAnova(Diagnostics& said) {
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
        said.Add(ids::kEquationDoesNotFit, Icon::Stop);
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
    m_probF = FUpperTail(m_f, p - 1.0, n - p);
    return 0;
}

double RegressionFit::Leverage(const double* termRow) const {
    // (x' C) x, each product summed in ascending order. Four of the sums of x' C go side by
    // side, so that the additions are four chains rather than one; each keeps its order.
    const double* c = m_covariance.Data();
    double h = 0.0;
    uint32_t j = 0;
    for (; j + 4 <= m_p; j += 4) {
        double c0 = 0.0;
        double c1 = 0.0;
        double c2 = 0.0;
        double c3 = 0.0;
        for (uint32_t k = 0; k < m_p; ++k) {
            const double x = termRow[k];
            const double* row = c + size_t{k} * m_p + j;
            c0 += x * row[0];
            c1 += x * row[1];
            c2 += x * row[2];
            c3 += x * row[3];
        }
        h += c0 * termRow[j];
        h += c1 * termRow[j + 1];
        h += c2 * termRow[j + 2];
        h += c3 * termRow[j + 3];
    }
    for (; j < m_p; ++j) {
        double column = 0.0;
        for (uint32_t k = 0; k < m_p; ++k) column += termRow[k] * c[size_t{k} * m_p + j];
        h += column * termRow[j];
    }
    return h;
}

double RegressionFit::PredictionSd(double leverage) const { return std::sqrt(leverage * m_mse); }

double RegressionFit::Residual(uint32_t i) const { return m_Y.At(i, 0) - m_fitted.At(i, 0); }

double RegressionFit::StandardizedResidual(uint32_t i) const {
    // A perfect fit leaves every residual at 0 and nothing to scale it by.
    if (m_standardError == 0.0) return 0.0;
    if (m_bAlternateResiduals) return Residual(i) / m_standardError;
    return Residual(i) / (std::sqrt(1.0 - Leverage(i)) * m_standardError);
}

double RegressionFit::CoefficientSe(uint32_t j) const {
    return std::sqrt(m_covariance.At(j, j)) * m_standardError;
}

double RegressionFit::TRatio(uint32_t j) const {
    // A coefficient of exactly 0 has the ratio 0 even when a perfect fit leaves it no error.
    const double b = m_coefficients.At(j, 0);
    return b == 0.0 ? 0.0 : b / CoefficientSe(j);
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
                RegressionFit& fit, Diagnostics& said) {
    fit.ResetFit();
    EquationModel working(model);
    if (working.BuildTermMatrix(fit.m_X, fit.m_Y, data, false, said) != 0) return 1;
    if (fit.FitRegression(said) != 0) return 1;
    fitted = working;
    return 0;
}

}  // namespace lumox
