#include "regression/derived_series.h"

#include "numeric/matrix.h"
#include "numeric/probability.h"
#include "regression/equation_model.h"
#include "regression/regression_fit.h"

namespace lumox {

const char* DerivedSeriesName(DerivedSeries which) {
    static const char* const kNames[kDerivedSeriesCount] = {"Predicted Y", "Residuals",
                                                            "Std. Residuals", "Normal Z"};
    return kNames[static_cast<int>(which)];
}

bool BuildDerivedSeries(const EquationModel& model, const RegressionFit& fit, DerivedSeries which,
                        Matrix& values, Diagnostics& said) {
    const uint32_t n = fit.m_fitted.Rows();
    switch (which) {
        case DerivedSeries::PredictedY:
            values = fit.m_fitted;
            return model.BackTransform(values, said) == 0;
        case DerivedSeries::Residuals: {
            Matrix predicted = fit.m_fitted;
            if (model.BackTransform(predicted, said) != 0) return false;
            values = fit.m_Y;
            if (model.BackTransform(values, said) != 0) return false;
            for (uint32_t i = 0; i < n; ++i) values.At(i, 0) -= predicted.At(i, 0);
            return true;
        }
        case DerivedSeries::StdResiduals:
            values.Resize(n, 1);
            for (uint32_t i = 0; i < n; ++i) values.At(i, 0) = fit.StandardizedResidual(i);
            return true;
        case DerivedSeries::NormalZ:
            values = NormalScores(n);
            return true;
    }
    return false;
}

}  // namespace lumox
