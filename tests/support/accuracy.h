#ifndef LUMOX_TESTS_SUPPORT_ACCURACY_H
#define LUMOX_TESTS_SUPPORT_ACCURACY_H

#include <algorithm>
#include <cmath>

namespace lumox::test {

// Log relative error: the number of correct significant digits of estimate against a
// certified value (absolute against 0), capped at digits.
inline double LogRelativeError(double estimate, double certified, double digits = 15.0) {
    const double error = certified == 0.0 ? std::fabs(estimate)
                                          : std::fabs(estimate - certified) / std::fabs(certified);
    if (error == 0.0) return digits;
    return std::clamp(-std::log10(error), 0.0, digits);
}

// Relative and absolute tolerance in one comparison.
inline bool Near(double actual, double expected, double relative, double absolute = 0.0) {
    return std::fabs(actual - expected) <= std::max(absolute, relative * std::fabs(expected));
}

}  // namespace lumox::test

#endif
