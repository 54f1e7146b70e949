#ifndef LUMOX_NUMERIC_DOUBLE_DOUBLE_H
#define LUMOX_NUMERIC_DOUBLE_DOUBLE_H

#include <cmath>

namespace lumox {

// An unevaluated sum hi + lo of two doubles, |lo| <= half an ulp of hi: about 32
// significant digits, for the few sums whose cancellation decides a result's last digit.
struct DoubleDouble {
    double hi = 0.0;
    double lo = 0.0;

    double Value() const { return hi + lo; }

    // this += a * b, the product exact before it is added.
    void AddProduct(double a, double b) {
        const double product = a * b;
        Add(product, std::fma(a, b, -product));
    }
    // this += a * (b.hi + b.lo).
    void AddProduct(double a, const DoubleDouble& b) {
        const double product = a * b.hi;
        Add(product, std::fma(a, b.hi, -product) + a * b.lo);
    }
    // this += high + low, where low is small against high.
    void Add(double high, double low) {
        const double sum = hi + high;
        const double bv = sum - hi;
        const double error = (hi - (sum - bv)) + (high - bv);
        const double tail = error + lo + low;
        hi = sum + tail;
        lo = tail - (hi - sum);
    }
};

}  // namespace lumox

#endif
