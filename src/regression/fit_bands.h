#ifndef LUMOX_REGRESSION_FIT_BANDS_H
#define LUMOX_REGRESSION_FIT_BANDS_H

#include "platform/diagnostics.h"

namespace lumox {

class EquationModel;
class Matrix;
class RegressionFit;

// The points of the curve and its bands: a grid over the X range.
constexpr int kBandPoints = 101;

// The columns of the matrix FitBands fills.
enum BandColumn {
    kBandX,
    kBandConfidenceLow,
    kBandConfidenceHigh,
    kBandPredictionLow,
    kBandPredictionHigh,
    kBandColumns
};

// The confidence band of the mean response and the prediction band of one observation at
// level percent, over kBandPoints values of data column x from low to high with every
// other variable at its mean, brought back to the scale of y. model is the model as
// fitted and fit its successful fit of data. False with the message of a transform in said
// when a term or a bound cannot be computed.
bool FitBands(const EquationModel& model, const RegressionFit& fit, const Matrix& data, int x,
              double low, double high, double level, Matrix& bands, Diagnostics& said);

}  // namespace lumox

#endif
