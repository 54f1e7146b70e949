#include "stats/descriptive_statistics.h"

#include <cmath>
#include <numbers>

#include "numeric/probability.h"
#include "platform/format.h"

namespace lumox {

namespace {

// Percentile p (in percent) of the n ascending values by the (n + 1) p / 100 rule, with
// linear interpolation between neighbouring ranks and the extremes outside them.
double Percentile(const Matrix& sorted, double p) {
    const uint32_t n = sorted.Rows();
    const double pos = (static_cast<double>(n) + 1.0) * p / 100.0;
    const auto k = static_cast<uint32_t>(pos);
    if (k == 0) return sorted.At(0, 0);
    if (k >= n) return sorted.At(n - 1, 0);
    const double below = sorted.At(k - 1, 0);
    const double above = sorted.At(k, 0);
    const double step = above - below;
    // Neighbours of opposite sign near the ends of the range differ by more than a double
    // holds, while their weighted mean does not.
    if (std::isinf(step)) return below * (1.0 - (pos - k)) + above * (pos - k);
    return below + step * (pos - k);
}

// Confidence limits of the mean at level percent, from the two-tailed t quantile.
void MeanInterval(double level, const DescriptiveStatistics& s, double& lower, double& upper) {
    const double alpha = (100.0 - level) / 100.0;
    const double t = InverseStudentT(alpha, static_cast<double>(s.count) - 1.0);
    const double half = t * s.stdErrorOfMean;
    lower = s.mean - half;
    upper = s.mean + half;
}

}  // namespace

DescriptiveStatistics::DescriptiveStatistics(const Matrix& data, uint32_t column)
    : data(data), column(column), count(data.Rows()) {
    Matrix sorted(count, 1);
    sorted.CopyColumn(data, column, 0);
    SortVector(sorted, false);
    minimum = sorted.At(0, 0);
    maximum = sorted.At(count - 1, 0);
    median = Percentile(sorted, 50.0);
    percentile25 = Percentile(sorted, 25.0);
    percentile75 = Percentile(sorted, 75.0);
    percentile10 = Percentile(sorted, 10.0);
    percentile90 = Percentile(sorted, 90.0);

    // Squares are summed about the mean in a second pass: the one-pass formula loses every
    // digit on data with a large mean and a small spread. The moments are taken of the
    // values scaled by the power of two that brings the largest near 1: exact in the normal
    // range, and then no sum or square overflows or underflows unless its result does.
    const double n = count;
    const double largest = std::fmax(std::fabs(minimum), std::fabs(maximum));
    const int exponent = largest > 0.0 && std::isfinite(largest) ? std::ilogb(largest) : 0;
    double scaledSum = 0.0;
    for (uint32_t i = 0; i < count; ++i) scaledSum += std::ldexp(data.At(i, column), -exponent);
    sum = std::ldexp(scaledSum, exponent);
    double ss = 0.0;
    if (minimum == maximum) {
        // Equal values: sum / n can miss the value by a rounding, which would leave a
        // variance of rounding size.
        mean = minimum;
    } else {
        const double scaledMean = scaledSum / n;
        mean = std::ldexp(scaledMean, exponent);
        for (uint32_t i = 0; i < count; ++i) {
            const double deviation = std::ldexp(data.At(i, column), -exponent) - scaledMean;
            ss += deviation * deviation;
        }
    }
    variance = std::ldexp(ss / (n - 1.0), 2 * exponent);
    stdDeviation = std::ldexp(std::sqrt(ss / (n - 1.0)), exponent);
    stdDeviationN = std::ldexp(std::sqrt(ss / n), exponent);
    stdErrorOfMean = stdDeviation / std::sqrt(n);

    MeanInterval(90.0, *this, ci90Lower, ci90Upper);
    MeanInterval(95.0, *this, ci95Lower, ci95Upper);
    MeanInterval(99.0, *this, ci99Lower, ci99Upper);
}

Matrix DescriptiveStatistics::NormalCurve(double width, double low, double high, int counts) const {
    Matrix curve(100, 2);
    const double step = (high - low) / 100.0;
    const double area = counts != 0 ? static_cast<double>(count) * width : width * 100.0;
    const double factor = area / (std::sqrt(2.0 * std::numbers::pi) * stdDeviation);
    double x = low;
    for (uint32_t i = 0; i < 100; ++i) {
        const double z = (x - mean) / stdDeviation;
        curve.At(i, 0) = x;
        curve.At(i, 1) = std::exp(-z * z / 2.0) * factor;
        x += step;
    }
    return curve;
}

}  // namespace lumox
