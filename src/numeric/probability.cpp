#include "numeric/probability.h"

#include <cmath>

#include "platform/diagnostics.h"
#include "platform/format.h"

namespace lumox {

namespace {

constexpr int kMaxIterations = 100;
constexpr double kTolerance = 3.0e-7;
constexpr double kFloor = 1.0e-30;

// Keeps a Lentz denominator away from zero; the floor is positive whatever the sign was.
double Floored(double value) { return std::fabs(value) < kFloor ? kFloor : value; }

}  // namespace

double LogGamma(double x) {
    static constexpr double kCoefficients[6] = {76.18009172947146,    -86.50532032941678,
                                                24.01409824083091,    -1.231739572450155,
                                                0.001208650973866179, -0.000005395239384953};
    double tmp = x + 5.5;
    tmp -= (x + 0.5) * std::log(tmp);
    double ser = 1.000000000190015;
    double y = x;
    for (double coefficient : kCoefficients) {
        y += 1.0;
        ser += coefficient / y;
    }
    return -tmp + std::log(2.5066282746310005 * ser / x);
}

double BetaContinuedFraction(double a, double b, double x) {
    const double qab = a + b;
    const double qap = a + 1.0;
    const double qam = a - 1.0;
    double c = 1.0;
    double d = 1.0 / Floored(1.0 - qab * x / qap);
    double h = d;
    for (int m = 1; m <= kMaxIterations; ++m) {
        const double m2 = 2.0 * m;
        double aa = m * (b - m) * x / ((qam + m2) * (a + m2));
        d = 1.0 / Floored(1.0 + aa * d);
        c = Floored(1.0 + aa / c);
        h *= d * c;
        aa = -(a + m) * (qab + m) * x / ((a + m2) * (qap + m2));
        d = 1.0 / Floored(1.0 + aa * d);
        c = Floored(1.0 + aa / c);
        const double del = d * c;
        h *= del;
        if (std::fabs(del - 1.0) < kTolerance) return h;
    }
    ProbabilityError(2);
}

double IncompleteBeta(double a, double b, double x) {
    if (x < 0.0 || x > 1.0) ProbabilityError(3);
    const double bt = (x == 0.0 || x == 1.0)
                          ? 0.0
                          : std::exp(LogGamma(a + b) - LogGamma(a) - LogGamma(b) + a * std::log(x) +
                                     b * std::log(1.0 - x));
    if (x < (a + 1.0) / (a + b + 2.0)) return bt * BetaContinuedFraction(a, b, x) / a;
    return 1.0 - bt * BetaContinuedFraction(b, a, 1.0 - x) / b;
}

double StudentTProbability(double t, double df) {
    if (df <= 0.0) ProbabilityError(4);
    return IncompleteBeta(df / 2.0, 0.5, df / (t * t + df));
}

double FProbability(double f, double df1, double df2) {
    if (df1 <= 0.0 || df2 <= 0.0 || f < 0.0) ProbabilityError(1);
    if (f == 0.0) return 1.0;
    double prob = 2.0 * IncompleteBeta(df2 / 2.0, df1 / 2.0, df2 / (df1 * f + df2));
    if (prob > 1.0) prob = 2.0 - prob;
    return prob / 2.0;
}

double FUpperTail(double f, double df1, double df2) {
    if (df1 <= 0.0 || df2 <= 0.0 || f < 0.0) ProbabilityError(1);
    if (f == 0.0) return 1.0;
    return IncompleteBeta(df2 / 2.0, df1 / 2.0, df2 / (df1 * f + df2));
}

double InverseStudentT(double alpha, double df) {
    if (df <= 0.0) ProbabilityError(5);
    // No finite t has a probability of 0, so the search below would never end.
    if (alpha <= 0.0 || alpha > 1.0) ProbabilityError(6);
    // The probability is 1 only at t = 0; the search below assumes a quantile above 0.
    if (alpha == 1.0) return 0.0;

    // Bracket: the first whole number k whose probability is at or below alpha.
    double t = 0.0;
    double prob = 1.0;
    while (prob > alpha) {
        prob = StudentTProbability(t, df);
        t += 1.0;
    }
    t -= 1.0;
    double low = t - 1.0;
    double width = t - low;

    // Bisection on [k - 1, k]: low stays at or below the quantile.
    for (int pass = 0; pass < 40; ++pass) {
        width *= 0.5;
        t = low + width;
        const double diff = alpha - StudentTProbability(t, df);
        if (diff <= 0.0) low = t;
        if (std::fabs(width) < 1.0e-6 || diff == 0.0) break;
    }
    return low;
}

double InverseNormal(double p) {
    if (p < 1.0e-6) return -5.0;
    if (p > 0.999999) return 5.0;
    if (p == 0.5) return 0.0;
    const double q = p > 0.5 ? 1.0 - p : p;
    const double t = std::sqrt(-std::log(q * q));
    const double z = t - (2.515517 + t * (0.802853 + t * 0.010328)) /
                             (1.0 + t * (1.432788 + t * (0.189269 + t * 0.001308)));
    return p < 0.5 ? -z : z;
}

Matrix NormalScores(uint32_t n) {
    Matrix scores(n, 1);
    const double denominator = 3.0 * n + 1.0;
    for (uint32_t i = 1; i <= n; ++i) {
        scores.At(i - 1, 0) = InverseNormal((3.0 * i - 1.0) / denominator);
    }
    return scores;
}

void ProbabilityError(int code) {
    throw ComputeError(
        Format("Probability calculation(%d) stopped due to bad equation data!", code), Icon::Stop);
}

}  // namespace lumox
