#ifndef LUMOX_REGRESSION_FIT_DIAGNOSTICS_H
#define LUMOX_REGRESSION_FIT_DIAGNOSTICS_H

#include <cstdint>
#include <optional>
#include <vector>

namespace lumox {

class EquationModel;
class Matrix;
class RegressionFit;

// An observation (0-based) with the value that singles it out.
struct FlaggedObservation {
    uint32_t observation = 0;
    double value = 0.0;
};

// The Shapiro-Wilk test of a sample: W and the probability of a W as small or smaller
// under normality.
struct ShapiroWilk {
    double w = 0.0;
    double probability = 0.0;
};

// How far a fit can be trusted, all on the scale fitted.
struct FitDiagnostics {
    // Largest over smallest singular value of the term matrix, its columns scaled to unit
    // length.
    double conditionNumber = 0.0;
    // For each coefficient, the significant digits that stay the same when the data are
    // moved within the rounding of their last written digits (0 .. 15): each value of a
    // column by up to half a unit in the finest digit written in that column.
    std::vector<int> digits;
    // Refits the digits were estimated from (those whose transforms succeeded).
    int refits = 0;
    // Variance inflation factor of each term but the constant; empty with fewer than two
    // such terms, and when the terms are linearly dependent (the inflation is unbounded).
    // A term without variance has none (no value).
    std::vector<std::optional<double>> vif;
    // Directions the fit set aside because the terms are linearly dependent.
    uint32_t droppedDirections = 0;
    // Cook's distance: the largest, and every observation above 4 / n (empty when an
    // observation of leverage 1 leaves it undefined).
    std::optional<FlaggedObservation> largestCook;
    std::vector<FlaggedObservation> cook;
    // Leverage: the largest, and every observation above 2p / n.
    FlaggedObservation largestLeverage;
    std::vector<FlaggedObservation> leverage;
    // Durbin-Watson statistic of the residuals in observation order (none when every
    // residual is 0).
    std::optional<double> durbinWatson;
    // Shapiro-Wilk of the standardized residuals, for 3 to 5000 observations whose
    // residuals are not all equal.
    std::optional<ShapiroWilk> shapiroWilk;
};

// The refits the significant digits are estimated from.
constexpr int kPerturbationRefits = 20;

// The diagnostics of fit, the successful fit of model to data (observations in rows).
FitDiagnostics DiagnoseFit(const Matrix& data, const EquationModel& model,
                           const RegressionFit& fit);

// Shapiro-Wilk W and its probability by Royston's approximations, for 3 to 5000 values
// that are not all equal; no value otherwise.
std::optional<ShapiroWilk> ShapiroWilkTest(std::vector<double> values);

// Half a unit of the last digit of value as the shortest decimal text that reads back as
// it writes it: 0.05 for 88.5, 0.5 for 1950; 0 for 0, which is left as it is (an exact
// zero: a count, an indicator, a base level).
double HalfLastDigit(double value);

}  // namespace lumox

#endif
