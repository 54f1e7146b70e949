#include "regression/fit_bands.h"

#include "numeric/matrix.h"
#include "regression/equation_model.h"
#include "regression/regression_fit.h"

namespace lumox {

bool FitBands(const EquationModel& model, const RegressionFit& fit, const Matrix& data, int x,
              double low, double high, double level, Matrix& bands, Diagnostics& said) {
    Matrix grid(kBandPoints, data.Cols());
    for (uint32_t j = 0; j < data.Cols(); ++j) {
        double mean = 0.0;
        for (uint32_t i = 0; i < data.Rows(); ++i) mean += data.At(i, j);
        mean /= static_cast<double>(data.Rows());
        for (uint32_t i = 0; i < kBandPoints; ++i) grid.At(i, j) = mean;
    }
    bands.Resize(kBandPoints, kBandColumns);
    for (uint32_t i = 0; i < kBandPoints; ++i) {
        const double value = low + i * (high - low) / (kBandPoints - 1);
        grid.At(i, static_cast<uint32_t>(x)) = value;
        bands.At(i, kBandX) = value;
    }
    Matrix terms;
    Matrix unused;
    // A working copy: building x terms alone would clear the fitted model's record that
    // it transformed y.
    EquationModel working(model);
    if (working.BuildTermMatrix(terms, unused, grid, true, said) != 0) return false;
    const Matrix predicted = Multiply(terms, fit.m_coefficients);
    const double t = fit.CriticalT(level);
    for (uint32_t i = 0; i < kBandPoints; ++i) {
        const double h = fit.Leverage(terms.Data() + size_t{i} * fit.m_p);
        const double confidence = fit.ConfidenceHalfWidth(t, h);
        const double prediction = fit.PredictionHalfWidth(t, h);
        const double eta = predicted.At(i, 0);
        const double bounds[] = {eta - confidence, eta + confidence, eta - prediction,
                                 eta + prediction};
        for (int k = 0; k < 4; ++k) {
            double value = 0.0;
            if (model.BackTransformValue(bounds[k], value, said) != 0) return false;
            bands.At(i, static_cast<uint32_t>(kBandConfidenceLow + k)) = value;
        }
    }
    return true;
}

}  // namespace lumox
