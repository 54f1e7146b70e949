#include "regression/point_estimate.h"

#include <cmath>
#include <utility>

#include "data/data_set.h"
#include "numeric/matrix.h"
#include "platform/format.h"
#include "platform/strings.h"
#include "regression/regression_fit.h"

namespace lumox {

PointEstimate::PointEstimate(const DataSet& data, const EquationModel& model,
                             const RegressionFit& fit)
    : m_data(data), m_equation(model), m_fit(fit), m_bYTransformed(model.m_bYTransformed != 0) {
    m_nVariableCount = m_equation.ListDistinctVariables(&m_anVariables);
}

std::vector<std::string> PointEstimate::VariableNames() const {
    std::vector<std::string> names;
    for (int variable : m_anVariables) {
        names.push_back(m_data.GetColName(static_cast<uint32_t>(variable)));
    }
    return names;
}

std::vector<double> PointEstimate::VariableMeans() const {
    const Matrix& data = m_data.GetData();
    const uint32_t n = m_fit.m_n;
    std::vector<double> means;
    for (int variable : m_anVariables) {
        double sum = 0.0;
        for (uint32_t i = 0; i < n; ++i) sum += data.At(i, static_cast<uint32_t>(variable));
        means.push_back(sum / static_cast<double>(n));
    }
    return means;
}

const std::string& PointEstimate::YName() const {
    return m_data.GetColName(static_cast<uint32_t>(m_equation.YColumn()));
}

std::string PointEstimate::PredictedLabel() const {
    return Format("Predicted %s:", YName().c_str());
}

int PointEstimate::Calculate(const std::vector<double>& values, double level, Diagnostics& said) {
    if (values.size() != static_cast<size_t>(m_nVariableCount)) {
        said.Add(ids::kWrongVariableCount, Icon::Stop);
        return 1;
    }
    // A row of the data set holding the values at their variables' columns; the other
    // columns are never read.
    Matrix row(1, m_data.Cols());
    row.Fill(0.0);
    for (size_t k = 0; k < values.size(); ++k) {
        row.At(0, static_cast<uint32_t>(m_anVariables[k])) = values[k];
    }
    Matrix x;
    Matrix unused;
    if (m_equation.BuildTermMatrix(x, unused, row, true, said) != 0) return 1;

    const RegressionFit& fit = m_fit;
    const double fitted = Multiply(x, fit.m_coefficients).At(0, 0);
    double predicted = 0.0;
    if (m_equation.BackTransformValue(fitted, predicted, said) != 0) return 1;

    const double h = fit.Leverage(x.Data());
    const double t = fit.CriticalT(level);
    double confidence[2];
    double prediction[2];
    if (BackTransformInterval(fitted, fit.ConfidenceHalfWidth(t, h), confidence, said) != 0)
        return 1;
    if (BackTransformInterval(fitted, fit.PredictionHalfWidth(t, h), prediction, said) != 0)
        return 1;

    // Values and results change together, so that Record never mixes two Calculates.
    m_adValues = values;
    m_dLevel = level;
    m_dPredicted = predicted;
    m_adConfidenceInterval[0] = confidence[0];
    m_adConfidenceInterval[1] = confidence[1];
    m_adPredictionInterval[0] = prediction[0];
    m_adPredictionInterval[1] = prediction[1];
    if (m_bYTransformed) said.Add(ids::kOriginalScaleNote, Icon::Information);
    return 0;
}

int PointEstimate::BackTransformInterval(double fitted, double half, double bounds[2],
                                         Diagnostics& said) {
    double low = fitted - half;
    double high = fitted + half;
    const TransformKind yTransform = m_equation.m_aTerms[0].transform.kind;
    // sqrt(y) is never negative: a bound below 0 stands for y = 0, not for its square.
    if (yTransform == TransformKind::Sqrt) {
        low = std::fmax(low, 0.0);
        high = std::fmax(high, 0.0);
    }
    // 1/y on the far side of 0 from the prediction is no bound on y: the interval is
    // unbounded, which the back-transform reports as it does a bound of exactly 0.
    if (yTransform == TransformKind::Reciprocal) {
        if (!(low * fitted > 0.0)) low = 0.0;
        if (!(high * fitted > 0.0)) high = 0.0;
    }
    if (m_equation.BackTransformValue(low, bounds[0], said) != 0) return 1;
    if (m_equation.BackTransformValue(high, bounds[1], said) != 0) return 1;
    if (bounds[0] > bounds[1]) std::swap(bounds[0], bounds[1]);
    return 0;
}

std::string PointEstimate::PredictedText() const { return Format("%.8g", m_dPredicted); }

std::string PointEstimate::ConfidenceText() const {
    return Format("[%-.6g, %.6g]", m_adConfidenceInterval[0], m_adConfidenceInterval[1]);
}

std::string PointEstimate::PredictionText() const {
    return Format("[%-.6g, %.6g]", m_adPredictionInterval[0], m_adPredictionInterval[1]);
}

}  // namespace lumox
