#include "numeric/scale.h"

#include <climits>
#include <cmath>

#include "numeric/matrix.h"

namespace lumox {
namespace {

constexpr int kSignificantDigits = 4;
constexpr int kMultipliers[] = {1, 2, 3, 4, 5, 6, 8};
constexpr int kMinorSubdivisions[] = {5, 4, 6, 4, 5, 6, 4};
constexpr int kSteps = 7;

// Integer labels: the nearest whole number, the data having been made whole by the exponent.
int ToLabel(double value) { return static_cast<int>(value + (value < 0.0 ? -0.1 : 0.1)); }

// Whether ToLabel can represent value (false for infinities and NaN as well).
bool FitsLabel(double value) { return value > INT_MIN + 1.0 && value < INT_MAX - 1.0; }

}  // namespace

double PowerOfTen(int k) {
    double result = 1.0;
    for (int i = 0; i < k; ++i) result *= 10.0;
    for (int i = 0; i > k; --i) result /= 10.0;
    return result;
}

int ScaleAxis(const Matrix& matrix, int column, int n, int intervals, AxisScale& scale,
              bool includeZero) {
    scale = AxisScale();
    // Without values or intervals there is nothing to scale (and no step to divide by).
    if (n < 1 || intervals < 1) return 1;
    double lo = matrix.At(0, column);
    double hi = lo;
    for (int i = 0; i < n; ++i) {
        const double value = matrix.At(i, column);
        if (value < lo) lo = value;
        if (value > hi) hi = value;
    }
    // Infinite values (a number too large for a double in the file) have no nice step.
    if (!std::isfinite(lo) || !std::isfinite(hi)) return 1;
    if (!(hi > lo && intervals >= 2)) {
        if (!includeZero) return 1;
        lo = 0.0;
        if (!(hi > 0.0)) return 1;
    }

    double d = (hi - lo) / intervals;
    // No step finer than the fourth significant digit of the larger limit.
    const double larger = std::fabs(lo) >= std::fabs(hi) ? lo : hi;
    const double finest = PowerOfTen(static_cast<int>(std::floor(std::log10(std::fabs(larger)))) -
                                     kSignificantDigits + 1);
    if (finest > d) d = finest;
    // A spread wider than the largest double, or one that underflows to 0 among the
    // smallest doubles, has no step, nor a logarithm to find one by.
    if (!(d > 0.0) || !std::isfinite(d)) return 1;
    int p = static_cast<int>(std::floor(std::log10(d)));
    d /= PowerOfTen(p);
    if (!std::isfinite(d)) return 1;  // magnitudes so small that 10^p underflows

    double step = 0.0;
    double base = 0.0;
    double top = lo;
    int k = 0;
    int index = -1;
    while (top < hi) {
        if (++index == kSteps) {
            ++p;
            index = 0;
            d /= 10.0;
        }
        if (kMultipliers[index] >= d) {
            step = PowerOfTen(p) * kMultipliers[index];
            k = static_cast<int>(std::floor(lo / step));
            base = k * step;
            top = base + intervals * step;
        }
    }
    scale.minor = kMinorSubdivisions[index];

    // Centre the data among the intervals, keeping 0 as a limit where the data allow.
    const int m = static_cast<int>(std::ceil(hi / step));
    const int spare = intervals - (m - k);
    int shift = spare / 2;
    if (spare % 2 != 0) {
        if (k == 1) {
            ++shift;
        } else if (m * step - hi > lo - base) {
            ++shift;
        }
    }
    if (k >= 0 && k - shift < 0) shift = k;
    if (m <= 0 && intervals + k - shift > 0) shift = intervals + k;
    const double shiftedBase = base - shift * step;
    const double shiftedTop = top - shift * step;
    if (shiftedBase <= lo && shiftedTop >= hi) {
        base = shiftedBase;
        top = shiftedTop;
    }

    int exponent = p;
    if (step > 9.99) --exponent;
    if (step > 99.9) --exponent;
    // Near the largest double the limits themselves overflow: no axis can show them.
    const double low = base / PowerOfTen(exponent);
    const double high = top / PowerOfTen(exponent);
    if (!FitsLabel(low) || !FitsLabel(high)) {
        scale = AxisScale();
        return 1;
    }
    scale.exponent = exponent;
    scale.low = ToLabel(low);
    scale.high = ToLabel(high);
    return 0;
}

}  // namespace lumox
