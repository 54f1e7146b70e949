#ifndef LUMOX_REGRESSION_MATH_HOOK_H
#define LUMOX_REGRESSION_MATH_HOOK_H

#include "platform/diagnostics.h"

namespace lumox {

// The runtime mathematical functions as the program calls them on data: the floating-point
// exception flags are cleared before the call and tested after it. On an error its kind
// is added to said as a plain message (overflow 18, domain 19, singularity 20, a NaN
// result with no flag raised 21) and the result is replaced by +infinity, which the
// caller's own test then turns into its message. Underflow is no error: it gives 0 or a
// tiny value.
double CheckedSqrt(double value, Diagnostics& said);
double CheckedLog(double value, Diagnostics& said);
double CheckedExp(double value, Diagnostics& said);
double CheckedPow(double value, double exponent, Diagnostics& said);

// The message id of the math-error hook for the raised flags (as fetestexcept gives them)
// and the result; 0 when the call went well.
int MathErrorId(int raisedFlags, double result);

}  // namespace lumox

#endif
