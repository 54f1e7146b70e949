#ifndef LUMOX_NUMERIC_PROBABILITY_H
#define LUMOX_NUMERIC_PROBABILITY_H

#include <cstdint>

#include "numeric/matrix.h"

namespace lumox {

// ln Gamma(x) for x > 0 (Lanczos).
double LogGamma(double x);
// Continued fraction of the incomplete beta (modified Lentz); code 2 without convergence.
double BetaContinuedFraction(double a, double b, double x);
// Regularized incomplete beta I_x(a, b), 0 <= x <= 1 (else code 3).
double IncompleteBeta(double a, double b, double x);
// Two-tailed P(|T| >= |t|) with df degrees of freedom (df <= 0: code 4).
double StudentTProbability(double t, double df);
// The smaller tail probability of F with df1 and df2 degrees of freedom (1.0 for F = 0).
double FProbability(double f, double df1, double df2);
// The upper tail P(F' >= f) with df1 and df2 degrees of freedom: 1.0 for F = 0, 0 for an
// infinite F; the same checks as FProbability (code 1).
double FUpperTail(double f, double df1, double df2);
// t with P(|T| >= t) = alpha, approached from below on the 2^-20 grid.
double InverseStudentT(double alpha, double df);
// z with Phi(z) = p, approximately; clamped to -5 and 5 in the far tails.
double InverseNormal(double p);
// z with Phi(z) = p to full double precision (Wichura's algorithm AS 241), 0 < p < 1.
double NormalQuantile(double p);
// The upper tail P(Z >= z) of the standard normal distribution.
double NormalUpperTail(double z);
// n x 1 expected normal scores at the plotting positions (3i - 1) / (3n + 1).
Matrix NormalScores(uint32_t n);
// Throws a ComputeError "Probability calculation(code) stopped due to bad equation data!".
[[noreturn]] void ProbabilityError(int code);

}  // namespace lumox

#endif
