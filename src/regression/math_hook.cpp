#include "regression/math_hook.h"

#include <cfenv>
#include <cmath>
#include <limits>

#include "platform/strings.h"

namespace lumox {
namespace {

// The argument and the result pass through volatile objects so that the compiler cannot
// move the computation outside the window in which the flags are cleared and tested.
template <class Function>
double CallHooked(Function function, Diagnostics& said) {
    std::feclearexcept(FE_ALL_EXCEPT);
    volatile double result = function();
    const int raised = std::fetestexcept(FE_OVERFLOW | FE_INVALID | FE_DIVBYZERO);
    const double value = result;
    const int id = MathErrorId(raised, value);
    if (id == 0) return value;
    said.Add(id, Icon::None);
    return std::numeric_limits<double>::infinity();
}

}  // namespace

int MathErrorId(int raisedFlags, double result) {
    if (raisedFlags & FE_OVERFLOW) return ids::kMathOverflow;
    if (raisedFlags & FE_INVALID) return ids::kMathDomain;
    if (raisedFlags & FE_DIVBYZERO) return ids::kMathSingularity;
    if (std::isnan(result)) return ids::kMathOther;
    return 0;
}

double CheckedSqrt(double value, Diagnostics& said) {
    volatile double argument = value;
    return CallHooked([&argument] { return std::sqrt(argument); }, said);
}

double CheckedLog(double value, Diagnostics& said) {
    volatile double argument = value;
    return CallHooked([&argument] { return std::log(argument); }, said);
}

double CheckedExp(double value, Diagnostics& said) {
    volatile double argument = value;
    return CallHooked([&argument] { return std::exp(argument); }, said);
}

double CheckedPow(double value, double exponent, Diagnostics& said) {
    volatile double argument = value;
    volatile double power = exponent;
    return CallHooked([&argument, &power] { return std::pow(argument, power); }, said);
}

}  // namespace lumox
