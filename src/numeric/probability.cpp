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

double NormalQuantile(double p) {
    const double q = p - 0.5;
    if (std::fabs(q) <= 0.425) {
        const double r = 0.180625 - q * q;
        return q *
               (((((((r * 2509.0809287301226727 + 33430.575583588128105) * r +
                     67265.770927008700853) *
                        r +
                    45921.953931549871457) *
                       r +
                   13731.693765509461125) *
                      r +
                  1971.5909503065514427) *
                     r +
                 133.14166789178437745) *
                    r +
                3.387132872796366608) /
               (((((((r * 5226.495278852545925 + 28729.085735721942674) * r +
                     39307.89580009271061) *
                        r +
                    21213.794301586595867) *
                       r +
                   5394.1960214247511077) *
                      r +
                  687.1870074920579083) *
                     r +
                 42.313330701600911252) *
                    r +
                1.0);
    }
    double r = std::sqrt(-std::log(q < 0.0 ? p : 1.0 - p));
    double value = 0.0;
    if (r <= 5.0) {
        r -= 1.6;
        value = (((((((r * 7.7454501427834140764e-4 + 0.0227238449892691845833) * r +
                      0.24178072517745061177) *
                         r +
                     1.27045825245236838258) *
                        r +
                    3.64784832476320460504) *
                       r +
                   5.7694972214606914055) *
                      r +
                  4.6303378461565452959) *
                     r +
                 1.42343711074968357734) /
                (((((((r * 1.05075007164441684324e-9 + 5.475938084995344946e-4) * r +
                      0.0151986665636164571966) *
                         r +
                     0.14810397642748007459) *
                        r +
                    0.68976733498510000455) *
                       r +
                   1.6763848301838038494) *
                      r +
                  2.05319162663775882187) *
                     r +
                 1.0);
    } else {
        r -= 5.0;
        value = (((((((r * 2.01033439929228813265e-7 + 2.71155556874348757815e-5) * r +
                      0.0012426609473880784386) *
                         r +
                     0.026532189526576123093) *
                        r +
                    0.29656057182850489123) *
                       r +
                   1.7848265399172913358) *
                      r +
                  5.4637849111641143699) *
                     r +
                 6.6579046435011037772) /
                (((((((r * 2.04426310338993978564e-15 + 1.4215117583164458887e-7) * r +
                      1.8463183175100546818e-5) *
                         r +
                     7.868691311456132591e-4) *
                        r +
                    0.0148753612908506148525) *
                       r +
                   0.13692988092273580531) *
                      r +
                  0.59983220655588793769) *
                     r +
                 1.0);
    }
    return q < 0.0 ? -value : value;
}

double NormalUpperTail(double z) { return 0.5 * std::erfc(z / std::sqrt(2.0)); }

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
