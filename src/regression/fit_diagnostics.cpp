#include "regression/fit_diagnostics.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <random>

#include "numeric/matrix.h"
#include "numeric/probability.h"
#include "regression/equation_model.h"
#include "regression/regression_fit.h"

namespace lumox {
namespace {

// The digits a coefficient keeps at most: what a double carries.
constexpr int kMostDigits = 15;
// The perturbations are drawn from a fixed sequence, so that a recording says the same
// every time, in the window and from the command line.
constexpr uint64_t kPerturbationSeed = 20260;

// The significant digits of each coefficient that the perturbed refits leave unchanged.
std::vector<int> PerturbationDigits(const Matrix& data, const EquationModel& model,
                                    const RegressionFit& fit, int& refits) {
    const uint32_t p = fit.m_p;
    std::vector<double> largestChange(p, 0.0);
    // A column's values were written to its finest digit: 1 among 0.5, 1.5 and 2.5 stands
    // for 1.0, its last zero dropped.
    std::vector<double> rounding(data.Cols(), 0.0);
    for (uint32_t j = 0; j < data.Cols(); ++j) {
        for (uint32_t i = 0; i < data.Rows(); ++i) {
            const double half = HalfLastDigit(data.At(i, j));
            if (half > 0.0 && (rounding[j] == 0.0 || half < rounding[j])) rounding[j] = half;
        }
    }
    std::mt19937_64 random(kPerturbationSeed);
    refits = 0;
    for (int k = 0; k < kPerturbationRefits; ++k) {
        Matrix moved(data);
        for (uint32_t i = 0; i < moved.Rows(); ++i) {
            for (uint32_t j = 0; j < moved.Cols(); ++j) {
                // Uniform in [-1, 1) from the top 53 bits, the same on every platform; a
                // zero stays as it is.
                const double u = static_cast<double>(random() >> 11) * 0x1p-52 - 1.0;
                if (moved.At(i, j) != 0.0) moved.At(i, j) += u * rounding[j];
            }
        }
        EquationModel fitted;
        RegressionFit refit;
        Diagnostics ignored;
        try {
            if (FitEquation(moved, model, fitted, refit, ignored) != 0) continue;
        } catch (const ComputeError&) {
            continue;
        }
        ++refits;
        for (uint32_t j = 0; j < p; ++j) {
            const double change =
                std::fabs(refit.m_coefficients.At(j, 0) - fit.m_coefficients.At(j, 0));
            largestChange[j] = std::fmax(largestChange[j], change);
        }
    }
    std::vector<int> digits(p, 0);
    if (refits == 0) return digits;
    for (uint32_t j = 0; j < p; ++j) {
        const double b = std::fabs(fit.m_coefficients.At(j, 0));
        if (b == 0.0) continue;
        if (largestChange[j] == 0.0) {
            digits[j] = kMostDigits;
            continue;
        }
        const double kept = std::floor(-std::log10(largestChange[j] / b));
        digits[j] = static_cast<int>(std::clamp(kept, 0.0, static_cast<double>(kMostDigits)));
    }
    return digits;
}

// a(1) .. a(n/2) of the Shapiro-Wilk statistic by Royston's approximation, largest first;
// they sum with their mirror images to 0 and their squares to 1.
std::vector<double> ShapiroWilkCoefficients(size_t n) {
    const size_t half = n / 2;
    std::vector<double> a(half);
    if (n == 3) {
        a[0] = std::sqrt(0.5);
        return a;
    }
    const double dn = static_cast<double>(n);
    double summ2 = 0.0;
    std::vector<double> m(half);
    for (size_t i = 0; i < half; ++i) {
        m[i] = -NormalQuantile((static_cast<double>(i) + 1.0 - 0.375) / (dn + 0.25));
        summ2 += m[i] * m[i];
    }
    summ2 *= 2.0;
    const double root = std::sqrt(summ2);
    const double u = 1.0 / std::sqrt(dn);
    auto poly = [u](const double(&c)[5]) {
        return u * (c[0] + u * (c[1] + u * (c[2] + u * (c[3] + u * c[4]))));
    };
    static const double kFirst[5] = {0.221157, -0.147981, -2.071190, 4.434685, -2.706056};
    static const double kSecond[5] = {0.042981, -0.293762, -1.752461, 5.682633, -3.582633};
    const double a1 = m[0] / root + poly(kFirst);
    size_t middle = 1;
    double factor = 0.0;
    if (n > 5) {
        const double a2 = m[1] / root + poly(kSecond);
        factor = std::sqrt((summ2 - 2.0 * m[0] * m[0] - 2.0 * m[1] * m[1]) /
                           (1.0 - 2.0 * a1 * a1 - 2.0 * a2 * a2));
        a[1] = a2;
        middle = 2;
    } else {
        factor = std::sqrt((summ2 - 2.0 * m[0] * m[0]) / (1.0 - 2.0 * a1 * a1));
    }
    a[0] = a1;
    for (size_t i = middle; i < half; ++i) a[i] = m[i] / factor;
    return a;
}

}  // namespace

double HalfLastDigit(double value) {
    if (value == 0.0 || !std::isfinite(value)) return 0.0;
    char text[400];
    if (std::fabs(value) < 1.0e15) {
        // Written without an exponent, as a data file holds such numbers: a whole number's
        // last digit is its units, however many zeros end it.
        const auto [end, error] =
            std::to_chars(text, text + sizeof text, value, std::chars_format::fixed);
        if (error != std::errc()) return 0.0;
        const char* point = std::find(text, end, '.');
        const long decimals = point == end ? 0 : end - point - 1;
        return 0.5 * std::pow(10.0, -static_cast<double>(decimals));
    }
    // d.ddde+x: the last digit's place is the exponent less the digits after the first.
    const auto [end, error] =
        std::to_chars(text, text + sizeof text, value, std::chars_format::scientific);
    if (error != std::errc()) return 0.0;
    const char* e = std::find(text, end, 'e');
    int digits = 0;
    for (const char* c = text; c != e; ++c) digits += *c >= '0' && *c <= '9';
    // The exponent's text is not terminated: read it within its bounds ("+20" or "-7").
    int exponent = 0;
    std::from_chars(e + (e[1] == '+' ? 2 : 1), end, exponent);
    return 0.5 * std::pow(10.0, exponent - digits + 1);
}

std::optional<ShapiroWilk> ShapiroWilkTest(std::vector<double> values) {
    const size_t n = values.size();
    if (n < 3 || n > 5000) return std::nullopt;
    std::sort(values.begin(), values.end());
    const double range = values.back() - values.front();
    if (!(range > 0.0)) return std::nullopt;
    // Scaled by the range, so that no square overflows.
    double mean = 0.0;
    for (double& v : values) {
        v /= range;
        mean += v;
    }
    mean /= static_cast<double>(n);
    const std::vector<double> a = ShapiroWilkCoefficients(n);
    double linear = 0.0;
    for (size_t i = 0; i < a.size(); ++i) linear += a[i] * (values[n - 1 - i] - values[i]);
    double squares = 0.0;
    for (const double v : values) squares += (v - mean) * (v - mean);
    ShapiroWilk result;
    result.w = std::fmin(1.0, linear * linear / squares);

    const double dn = static_cast<double>(n);
    if (n == 3) {
        // Exact for three values.
        constexpr double kSixOverPi = 1.90985931710274;
        constexpr double kAsinRootThreeQuarters = 1.04719755119660;
        result.probability =
            std::fmax(0.0, kSixOverPi * (std::asin(std::sqrt(result.w)) - kAsinRootThreeQuarters));
        return result;
    }
    // Royston's normalising transformations of 1 - W.
    double y = std::log(1.0 - result.w);
    double mu = 0.0;
    double sigma = 1.0;
    if (n <= 11) {
        const double gamma = -2.273 + 0.459 * dn;
        if (y >= gamma) {
            result.probability = 0.0;
            return result;
        }
        y = -std::log(gamma - y);
        mu = 0.544 + dn * (-0.39978 + dn * (0.025054 + dn * -6.714e-4));
        sigma = std::exp(1.3822 + dn * (-0.77857 + dn * (0.062767 + dn * -0.0020322)));
    } else {
        const double ln = std::log(dn);
        mu = -1.5861 + ln * (-0.31082 + ln * (-0.083751 + ln * 0.0038915));
        sigma = std::exp(-0.4803 + ln * (-0.082676 + ln * 0.0030302));
    }
    result.probability = NormalUpperTail((y - mu) / sigma);
    return result;
}

FitDiagnostics DiagnoseFit(const Matrix& data, const EquationModel& model,
                           const RegressionFit& fit) {
    FitDiagnostics result;
    const uint32_t n = fit.m_n;
    const uint32_t p = fit.m_p;
    const double dn = static_cast<double>(n);
    const double dp = static_cast<double>(p);
    result.conditionNumber = fit.m_conditionNumber;
    result.digits = PerturbationDigits(data, model, fit, result.refits);

    // With the constant in column 0, C(j, j) = 1 / (S(j, j) (1 - R(j)^2)), so the variance
    // inflation 1 / (1 - R(j)^2) is C(j, j) S(j, j), S(j, j) the term's sum of squares about
    // its mean.
    // With dependent terms C is a pseudo-inverse, whose finite C(j, j) would hide an
    // unbounded inflation.
    result.droppedDirections = fit.m_nDroppedDirections;
    if (p >= 3 && result.droppedDirections == 0) {
        for (uint32_t j = 1; j < p; ++j) {
            double mean = 0.0;
            for (uint32_t i = 0; i < n; ++i) mean += fit.m_X.At(i, j);
            mean /= dn;
            double squares = 0.0;
            for (uint32_t i = 0; i < n; ++i) {
                squares += (fit.m_X.At(i, j) - mean) * (fit.m_X.At(i, j) - mean);
            }
            result.vif.push_back(squares > 0.0
                                     ? std::optional<double>(fit.m_covariance.At(j, j) * squares)
                                     : std::nullopt);
        }
    }

    bool cookDefined = true;
    std::vector<double> cook(n, 0.0);
    for (uint32_t i = 0; i < n; ++i) {
        const double h = fit.Leverage(i);
        if (i == 0 || h > result.largestLeverage.value) result.largestLeverage = {i, h};
        if (h > 2.0 * dp / dn) result.leverage.push_back({i, h});
        if (fit.HasLeverageOne(i)) {
            cookDefined = false;
        } else if (fit.m_mse > 0.0) {
            const double e = fit.Residual(i);
            cook[i] = e * e * h / (dp * fit.m_mse * (1.0 - h) * (1.0 - h));
        }
    }
    if (cookDefined) {
        for (uint32_t i = 0; i < n; ++i) {
            if (!result.largestCook || cook[i] > result.largestCook->value)
                result.largestCook = FlaggedObservation{i, cook[i]};
            if (cook[i] > 4.0 / dn) result.cook.push_back({i, cook[i]});
        }
    }

    double squares = 0.0;
    double steps = 0.0;
    for (uint32_t i = 0; i < n; ++i) {
        const double e = fit.Residual(i);
        squares += e * e;
        if (i > 0) steps += (e - fit.Residual(i - 1)) * (e - fit.Residual(i - 1));
    }
    if (squares > 0.0) result.durbinWatson = steps / squares;

    std::vector<double> standardized(n);
    for (uint32_t i = 0; i < n; ++i) standardized[i] = fit.StandardizedResidual(i);
    result.shapiroWilk = ShapiroWilkTest(std::move(standardized));
    return result;
}

}  // namespace lumox
