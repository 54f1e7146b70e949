#ifndef LUMOX_REGRESSION_DERIVED_SERIES_H
#define LUMOX_REGRESSION_DERIVED_SERIES_H

#include "platform/diagnostics.h"

namespace lumox {

class EquationModel;
class Matrix;
class RegressionFit;

// The series a fit adds to the variables a graph can plot, in the order the graph
// selection lists them after the data's variables.
enum class DerivedSeries { PredictedY, Residuals, StdResiduals, NormalZ };
constexpr int kDerivedSeriesCount = 4;

// The series' name, which is also its axis label: "Predicted Y", "Residuals",
// "Std. Residuals" or "Normal Z".
const char* DerivedSeriesName(DerivedSeries which);

// The values of a derived series of a fit, one per observation, in a one-column matrix:
// predicted Y and residuals on the original scale of y, standardized residuals, normal
// scores. False when back-transforming failed (its messages in said). model is the model
// as fitted; it is not changed.
bool BuildDerivedSeries(const EquationModel& model, const RegressionFit& fit, DerivedSeries which,
                        Matrix& values, Diagnostics& said);

}  // namespace lumox

#endif
