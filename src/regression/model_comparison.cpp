#include "regression/model_comparison.h"

#include <cmath>
#include <vector>

#include "numeric/matrix.h"
#include "platform/format.h"
#include "platform/strings.h"
#include "regression/regression_fit.h"

namespace lumox {
namespace {

// The first entry of equation (y or a term) whose transform fails on a value of data, or
// -1.
int FailingEntry(const EquationModel& equation, const Matrix& data) {
    for (int entry = 0; entry < equation.m_nEntryCount; ++entry) {
        const Term& term = equation.m_aTerms[entry];
        if (!term.IsVariable()) continue;
        for (uint32_t i = 0; i < data.Rows(); ++i) {
            Diagnostics ignored;
            double value = 0.0;
            const double v = data.At(i, static_cast<uint32_t>(term.factor.column));
            if (!EquationModel::ApplyTransform(term.transform, v, value, ignored)) return entry;
        }
    }
    return -1;
}

// Why a form's fit failed, from what the fit said.
std::string FailureReason(const EquationModel& equation, const Matrix& data,
                          const std::vector<std::string>& names, const Diagnostics& said) {
    const int entry = FailingEntry(equation, data);
    if (entry >= 0) {
        return Format("%s cannot be taken of every observation",
                      ScaleName(equation, entry, names).c_str());
    }
    for (const Diagnostic& item : said.Items()) {
        if (item.text == LoadString(ids::kEquationDoesNotFit)) {
            return "no better than the mean on the fitted scale";
        }
        if (item.text == LoadString(ids::kSvdFailed)) return "the decomposition failed";
    }
    for (const Diagnostic& item : said.Items()) {
        if (item.icon == Icon::Stop) return item.text;
    }
    return "the fit failed";
}

// The original-scale and leave-one-out scores of a fitted form.
void ScoreOnOriginalScale(const EquationModel& fitted, const RegressionFit& fit, const Matrix& data,
                          int y, ModelScore& score) {
    const uint32_t n = fit.m_n;
    std::vector<double> observed(n);
    double mean = 0.0;
    for (uint32_t i = 0; i < n; ++i) {
        observed[i] = data.At(i, static_cast<uint32_t>(y));
        mean += observed[i];
    }
    mean /= static_cast<double>(n);
    double sst = 0.0;
    for (const double v : observed) sst += (v - mean) * (v - mean);

    Diagnostics ignored;
    double sse = 0.0;
    for (uint32_t i = 0; i < n; ++i) {
        double predicted = 0.0;
        if (fitted.BackTransformValue(fit.m_fitted.At(i, 0), predicted, ignored) != 0) return;
        sse += (observed[i] - predicted) * (observed[i] - predicted);
    }
    score.original = true;
    score.rSquare = 1.0 - sse / sst;
    score.rmse = std::sqrt(sse / static_cast<double>(n));

    // Without observation i the fit predicts it at y'(i) - e'(i) / (1 - h(i)), on the
    // fitted scale; an observation of leverage 1 has no such prediction.
    double press = 0.0;
    for (uint32_t i = 0; i < n; ++i) {
        if (fit.HasLeverageOne(i)) return;
        const double left = fit.m_Y.At(i, 0) - fit.Residual(i) / (1.0 - fit.Leverage(i));
        double predicted = 0.0;
        if (fitted.BackTransformValue(left, predicted, ignored) != 0) return;
        press += (observed[i] - predicted) * (observed[i] - predicted);
    }
    score.leaveOneOut = true;
    score.pressRmse = std::sqrt(press / static_cast<double>(n));
}

}  // namespace

std::string ScaleName(const EquationModel& equation, int entry,
                      const std::vector<std::string>& names) {
    const std::string name = equation.TermName(entry, names);
    // An x term's reciprocal is written as a division in an equation; alone it is 1/x.
    return name.starts_with('/') ? "1" + name : name;
}

ModelComparison CompareSimpleModels(const Matrix& data, uint32_t rows, int x, int y,
                                    const std::vector<std::string>& names) {
    ModelComparison comparison;
    comparison.x = x;
    comparison.y = y;
    comparison.n = rows;
    for (int m = 0; m < kSimpleModelCount; ++m) {
        ModelScore& score = comparison.scores[static_cast<size_t>(m)];
        score.equation = SimpleModelEquation(x, y, m);
        if (m == kPowerExponential && rows < 4) {
            score.failure = "needs four or more observations";
            continue;
        }
        EquationModel fitted;
        RegressionFit fit;
        Diagnostics said;
        int result = 1;
        try {
            result = FitEquation(data, score.equation, fitted, fit, said);
        } catch (const ComputeError& error) {
            said.Add(error.Said().text, error.Said().icon);
        }
        if (result != 0) {
            score.failure = FailureReason(score.equation, data, names, said);
            continue;
        }
        score.linearRSquare = fit.m_ssr / fit.m_sst;
        score.linearStandardError = fit.m_standardError;
        ScoreOnOriginalScale(fitted, fit, data, y, score);
    }
    // Rank by the leave-one-out error; an equal error keeps the lower index ahead.
    auto ranked = [](const ModelScore& score) {
        return score.failure.empty() && score.leaveOneOut;
    };
    for (size_t m = 0; m < comparison.scores.size(); ++m) {
        ModelScore& score = comparison.scores[m];
        if (!ranked(score)) continue;
        score.rank = 1;
        for (size_t k = 0; k < comparison.scores.size(); ++k) {
            const ModelScore& other = comparison.scores[k];
            if (ranked(other) && (other.pressRmse < score.pressRmse ||
                                  (other.pressRmse == score.pressRmse && k < m))) {
                ++score.rank;
            }
        }
    }
    return comparison;
}

}  // namespace lumox
