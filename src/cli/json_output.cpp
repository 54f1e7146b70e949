#include "cli/json_output.h"

#include <nlohmann/json.hpp>

#include "cli/cli_options.h"
#include "document/lumox_doc.h"
#include "document/simple_regression.h"
#include "platform/prompt.h"
#include "regression/fit_diagnostics.h"
#include "regression/model_comparison.h"
#include "regression/point_estimate.h"
#include "regression/regression_fit.h"
#include "regression/simple_models.h"
#include "reports/regression_reports.h"
#include "stats/descriptive_statistics.h"

namespace lumox::cli {
namespace {

// Keys stay in the order written, the order of the reports.
using Json = nlohmann::ordered_json;

Json Interval(double low, double high) { return Json::array({low, high}); }

// A model index, -1 for none, as a number or null.
Json Index(int index) { return index < 0 ? Json(nullptr) : Json(index); }

// The text of a report line without its line end.
std::string Line(std::string text) {
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
    return text;
}

// A matrix as a list of its rows.
Json Rows(const Matrix& matrix) {
    Json rows = Json::array();
    for (uint32_t i = 0; i < matrix.Rows(); ++i) {
        Json row = Json::array();
        for (uint32_t j = 0; j < matrix.Cols(); ++j) row.push_back(matrix.At(i, j));
        rows.push_back(std::move(row));
    }
    return rows;
}

Json Observation(const FlaggedObservation& item) {
    return {{"observation", item.observation + 1}, {"value", item.value}};
}

Json Observations(const std::vector<FlaggedObservation>& items) {
    Json list = Json::array();
    for (const FlaggedObservation& item : items) list.push_back(Observation(item));
    return list;
}

Json EquationJson(const FitResults& results) {
    const RegressionFit& fit = results.fit;
    Json equation;
    Diagnostics said;
    std::string text;
    if (SimpleModelTransformsY(results.simpleModel)) {
        WriteModelEquation(results, text, said, false);
        equation["text"] = Line(text);
        text.clear();
        WriteEquation(results, text, false);
        equation["linearized"] = Line(text);
    } else {
        WriteEquation(results, text, false);
        equation["text"] = Line(text);
    }
    Speak(said);
    equation["r_square"] = fit.m_rSquare;
    equation["adjusted_r_square"] = fit.m_adjustedRSquare;
    equation["standard_error"] = fit.m_standardError;
    Json coefficients = Json::array();
    for (uint32_t j = 0; j < fit.m_p; ++j) {
        coefficients.push_back({{"term", CoefficientLabel(results, j)},
                                {"coefficient", fit.m_coefficients.At(j, 0)},
                                {"standard_error", fit.CoefficientSe(j)},
                                {"t", fit.TRatio(j)},
                                {"probability", fit.CoefficientProbability(j)}});
    }
    equation["coefficients"] = std::move(coefficients);
    return equation;
}

Json AnovaJson(const RegressionFit& fit) {
    return {
        {"regression",
         {{"df", fit.m_p - 1},
          {"sum_of_squares", fit.m_ssr},
          {"mean_square", fit.m_msr},
          {"f", fit.m_f},
          {"probability", fit.m_probF}}},
        {"residual",
         {{"df", fit.m_n - fit.m_p}, {"sum_of_squares", fit.m_sse}, {"mean_square", fit.m_mse}}},
        {"total", {{"df", fit.m_n - 1}, {"sum_of_squares", fit.m_sst}}}};
}

Json CorrelationJson(const FitResults& results) {
    const TermCorrelations correlations = CorrelateTerms(results);
    return {{"variables", correlations.names},
            {"r", Rows(correlations.r)},
            {"probability", Rows(correlations.probability)}};
}

Json ResidualsJson(const RegressionFit& fit) {
    Json list = Json::array();
    for (uint32_t i = 0; i < fit.m_n; ++i) {
        list.push_back({{"observation", i + 1},
                        {"y", fit.m_Y.At(i, 0)},
                        {"predicted", fit.m_fitted.At(i, 0)},
                        {"sd_predicted", fit.PredictionSd(fit.Leverage(i))},
                        {"residual", fit.Residual(i)},
                        {"standardized_residual", fit.StandardizedResidual(i)}});
    }
    return list;
}

Json IntervalsJson(const RegressionFit& fit, double level) {
    const double t = fit.CriticalT(level);
    Json list = Json::array();
    for (uint32_t i = 0; i < fit.m_n; ++i) {
        const double h = fit.Leverage(i);
        const double predicted = fit.m_fitted.At(i, 0);
        const double confidence = fit.ConfidenceHalfWidth(t, h);
        const double prediction = fit.PredictionHalfWidth(t, h);
        list.push_back({{"observation", i + 1},
                        {"y", fit.m_Y.At(i, 0)},
                        {"predicted", predicted},
                        {"confidence", Interval(predicted - confidence, predicted + confidence)},
                        {"prediction", Interval(predicted - prediction, predicted + prediction)}});
    }
    return {{"level", level}, {"observations", std::move(list)}};
}

Json DiagnosticsJson(const FitResults& results, const Matrix& data) {
    const RegressionFit& fit = results.fit;
    const FitDiagnostics diagnostics = DiagnoseFit(data, results.model, fit);
    Json coefficients = Json::array();
    for (uint32_t j = 0; j < fit.m_p; ++j) {
        coefficients.push_back(
            {{"term", CoefficientLabel(results, j)},
             {"coefficient", fit.m_coefficients.At(j, 0)},
             {"digits", diagnostics.refits > 0 ? Json(diagnostics.digits[j]) : Json(nullptr)}});
    }
    // The inflation of each term but the constant; none when the terms are dependent.
    Json inflation = Json::array();
    if (diagnostics.droppedDirections == 0) {
        for (size_t k = 0; k < diagnostics.vif.size(); ++k) {
            const std::optional<double>& vif = diagnostics.vif[k];
            inflation.push_back({{"term", CoefficientLabel(results, static_cast<uint32_t>(k + 1))},
                                 {"vif", vif ? Json(*vif) : Json(nullptr)}});
        }
    }
    Json shapiroWilk = nullptr;
    if (diagnostics.shapiroWilk) {
        shapiroWilk = {{"w", diagnostics.shapiroWilk->w},
                       {"probability", diagnostics.shapiroWilk->probability}};
    }
    return {
        {"dependent", ScaleName(results.model, 0, results.names)},
        {"condition_number", diagnostics.conditionNumber},
        {"refits", diagnostics.refits},
        {"coefficients", std::move(coefficients)},
        {"dropped_directions", diagnostics.droppedDirections},
        {"variance_inflation", std::move(inflation)},
        {"cook",
         {{"largest",
           diagnostics.largestCook ? Observation(*diagnostics.largestCook) : Json(nullptr)},
          {"above", Observations(diagnostics.cook)}}},
        {"leverage",
         {{"largest", Observation(diagnostics.largestLeverage)},
          {"above", Observations(diagnostics.leverage)}}},
        {"durbin_watson",
         diagnostics.durbinWatson ? Json(*diagnostics.durbinWatson) : Json(nullptr)},
        {"shapiro_wilk", std::move(shapiroWilk)},
    };
}

class JsonResults final : public ResultsSink {
public:
    JsonResults(CLumoxDoc& doc, const std::string& dataFile) : doc_(doc), dataFile_(dataFile) {
        root_["data"] = nullptr;
        root_["actions"] = Json::array();
    }

    void BeginAction(const Action& action) override {
        root_["actions"].push_back({{"action", action.name}, {"arguments", action.args}});
    }

    void InputData() override { Current()["data"] = Rows(doc_.GetData()); }

    void Descriptive(uint32_t column) override {
        const DescriptiveStatistics s(doc_.GetData(), column);
        Json& entry = Current();
        entry["variable"] = doc_.GetColName(column);
        entry["observations"] = s.count;
        entry["minimum"] = s.minimum;
        entry["maximum"] = s.maximum;
        entry["mean"] = s.mean;
        entry["median"] = s.median;
        entry["variance"] = s.variance;
        entry["std_deviation"] = s.stdDeviation;
        entry["std_deviation_n"] = s.stdDeviationN;
        entry["std_error_of_mean"] = s.stdErrorOfMean;
        entry["sum"] = s.sum;
        entry["percentiles"] = {{"10", s.percentile10},
                                {"25", s.percentile25},
                                {"50", s.median},
                                {"75", s.percentile75},
                                {"90", s.percentile90}};
        entry["mean_confidence_intervals"] = {{"90", Interval(s.ci90Lower, s.ci90Upper)},
                                              {"95", Interval(s.ci95Lower, s.ci95Upper)},
                                              {"99", Interval(s.ci99Lower, s.ci99Upper)}};
    }

    void BestModel(const SimpleRegression& search) override {
        Json models = Json::array();
        for (int m = 0; m < kSimpleModelCount; ++m) {
            const auto k = static_cast<size_t>(m);
            // A form the data could not be fitted to has no values, not zeros.
            const bool fitted = search.m_abSearched[k];
            models.push_back({{"model", m},
                              {"form", SimpleModels()[k].name},
                              {"fitted", fitted},
                              {"r_square", fitted ? Json(search.m_adRSquare[k]) : Json()},
                              {"standard_error",
                               fitted ? Json(search.m_adStandardError[k]) : Json()}});
        }
        Current()["search"] = {{"best_r_square", Index(search.m_nBestRSquareModel)},
                               {"best_standard_error", Index(search.m_nBestStandardErrorModel)},
                               {"models", std::move(models)}};
    }

    void Regression(const ReportKinds& reports, double level) override {
        const FitResults results = doc_.GetFitResults();
        const RegressionFit& fit = results.fit;
        Json& entry = Current();
        entry["dependent"] = results.names[static_cast<size_t>(results.model.YColumn())];
        if (doc_.LastFitWasSimple()) {
            entry["model"] = {
                {"index", results.simpleModel},
                {"form", SimpleModels()[static_cast<size_t>(results.simpleModel)].name}};
        }
        entry["observations"] = fit.m_n;
        const ReportKinds offered = doc_.OfferedRegressionReports(reports);
        auto chosen = [&offered](ReportKind kind) { return Holds(offered, kind); };
        if (chosen(ReportKind::Equation)) entry["equation"] = EquationJson(results);
        if (chosen(ReportKind::Anova)) entry["anova"] = AnovaJson(fit);
        if (chosen(ReportKind::Correlation)) entry["correlation"] = CorrelationJson(results);
        if (chosen(ReportKind::Residuals)) entry["residuals"] = ResidualsJson(fit);
        if (chosen(ReportKind::Intervals)) entry["intervals"] = IntervalsJson(fit, level);
        if (chosen(ReportKind::Diagnostics)) {
            entry["diagnostics"] = DiagnosticsJson(results, doc_.GetData());
        }
    }

    void Comparison(int x, int y) override {
        const std::vector<std::string>& names = doc_.ColNames();
        const ModelComparison comparison =
            CompareSimpleModels(doc_.GetData(), doc_.Rows(), x, y, names);
        Json models = Json::array();
        for (int m = 0; m < kSimpleModelCount; ++m) {
            const ModelScore& score = comparison.scores[static_cast<size_t>(m)];
            Json model = {{"model", m}, {"form", SimpleModels()[static_cast<size_t>(m)].name}};
            if (!score.failure.empty()) {
                model["failure"] = score.failure;
            } else {
                model["linearised"] = {{"r_square", score.linearRSquare},
                                       {"standard_error", score.linearStandardError}};
                model["original_scale"] =
                    score.original ? Json{{"r_square", score.rSquare}, {"rmse", score.rmse}}
                                   : Json(nullptr);
                model["leave_one_out"] =
                    score.original && score.leaveOneOut
                        ? Json{{"press_rmse", score.pressRmse}, {"rank", score.rank}}
                        : Json(nullptr);
            }
            models.push_back(std::move(model));
        }
        Json& entry = Current();
        entry["dependent"] = names[static_cast<size_t>(y)];
        entry["independent"] = names[static_cast<size_t>(x)];
        entry["observations"] = comparison.n;
        entry["models"] = std::move(models);
    }

    void Estimate(const PointEstimate& estimate) override {
        Json values = Json::array();
        const std::vector<std::string> names = estimate.VariableNames();
        for (size_t k = 0; k < names.size() && k < estimate.m_adValues.size(); ++k) {
            values.push_back({{"variable", names[k]}, {"value", estimate.m_adValues[k]}});
        }
        Json& entry = Current();
        entry["level"] = estimate.m_dLevel;
        entry["values"] = std::move(values);
        entry["dependent"] = estimate.YName();
        entry["y_transformed"] = estimate.YTransformed();
        entry["predicted"] = estimate.m_dPredicted;
        entry["confidence"] =
            Interval(estimate.m_adConfidenceInterval[0], estimate.m_adConfidenceInterval[1]);
        entry["prediction"] =
            Interval(estimate.m_adPredictionInterval[0], estimate.m_adPredictionInterval[1]);
    }

    void ImageWritten(const std::string& path) override { Current()["file"] = path; }

    const std::string& Output() override {
        Json variables = Json::array();
        for (uint32_t j = 0; j < doc_.Cols(); ++j) {
            variables.push_back(
                {{"name", doc_.GetColName(j)}, {"full_name", doc_.Data().FullNames()[j]}});
        }
        root_["data"] = {{"file", dataFile_}};
        if (!doc_.SheetName().empty()) root_["data"]["sheet"] = doc_.SheetName();
        root_["data"]["observations"] = doc_.Rows();
        root_["data"]["variables"] = std::move(variables);
        // Names are the data file's bytes: any that are not UTF-8 are replaced, not refused.
        text_ = root_.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
        return text_;
    }

private:
    Json& Current() { return root_["actions"].back(); }

    CLumoxDoc& doc_;
    const std::string dataFile_;
    Json root_;
    std::string text_;
};

}  // namespace

std::unique_ptr<ResultsSink> MakeJsonResults(CLumoxDoc& doc, const std::string& dataFile) {
    return std::make_unique<JsonResults>(doc, dataFile);
}

}  // namespace lumox::cli
