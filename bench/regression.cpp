// The largest fits the data matrix allows: a multiple regression with every report, and
// the twelve-model search of the simple regression.
#include <benchmark/benchmark.h>

#include <cmath>
#include <string>

#include "document/lumox_doc.h"
#include "document/simple_regression.h"
#include "regression/equation_model.h"
#include "regression/regression_fit.h"
#include "reports/regression_reports.h"

namespace {

using lumox::CLumoxDoc;
using lumox::EquationModel;
using lumox::FitResults;
using lumox::RegressionFit;
using lumox::Term;

// Fills the document's data set with rows x cols values: column 0 depends on the others
// with some noise; every value is positive so that every transform applies.
void FillData(CLumoxDoc& doc, uint32_t rows, uint32_t cols) {
    doc.DeleteContents();
    lumox::Matrix values(rows, cols);
    std::vector<std::string> names;
    for (uint32_t j = 0; j < cols; ++j) names.push_back("V" + std::to_string(j));
    for (uint32_t i = 0; i < rows; ++i) {
        double y = 5.0 + 0.3 * std::sin(i * 0.7);
        for (uint32_t j = 1; j < cols; ++j) {
            const double x = 1.0 + std::fmod(i * (0.37 + 0.11 * j) + j * j, 10.0);
            values.At(i, j) = x;
            y += x * (0.5 + 0.1 * j);
        }
        values.At(i, 0) = y;
    }
    lumox::DataSet data;
    data.Assign("", names, std::move(values));
    doc.AdoptDataSet(std::move(data));
}

// y = V0 on 1 and V1 .. V9: 6553 observations x 10 columns, the most the matrix holds.
void BM_MultipleRegressionWithReports(benchmark::State& state) {
    CLumoxDoc doc;
    FillData(doc, 6553, 10);
    EquationModel model;
    for (int entry = 0; entry <= 10; ++entry) {
        model.m_aTerms[entry] =
            entry == 1 ? Term::Constant() : Term::Variable(entry == 0 ? 0 : entry - 1);
    }
    model.CompactModel();
    size_t bytes = 0;
    for (auto _ : state) {
        EquationModel fitted;
        RegressionFit fit;
        lumox::Diagnostics said;
        if (FitEquation(doc.GetData(), model, fitted, fit, said) != 0) {
            state.SkipWithError("fit failed");
        }
        const FitResults results{doc.ColNames(), fitted, fit, -1};
        std::string text;
        lumox::WriteEquationReport(results, text, said);
        lumox::WriteAnovaReport(results, text);
        lumox::WriteCorrelationReport(results, text);
        lumox::WriteResidualReport(results, text);
        lumox::WriteIntervalReport(results, 95.0, text);
        bytes = text.size();
        benchmark::DoNotOptimize(text.data());
    }
    state.counters["report_bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_MultipleRegressionWithReports)->Unit(benchmark::kMillisecond);

// All twelve simple models on 21845 observations of two variables (plus one unused).
void BM_BestModelSearch(benchmark::State& state) {
    CLumoxDoc doc;
    FillData(doc, 21845, 3);
    for (auto _ : state) {
        lumox::SimpleRegression simple(doc);
        simple.SetX(1);
        simple.SetY(0);
        simple.FindBestModels();
        if (simple.m_nBestRSquareModel < 0) state.SkipWithError("no model fitted");
        benchmark::DoNotOptimize(simple.m_nBestRSquareModel);
    }
}
BENCHMARK(BM_BestModelSearch)->Unit(benchmark::kMillisecond);

}  // namespace
