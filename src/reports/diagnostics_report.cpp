#include "reports/diagnostics_report.h"

#include <cmath>

#include "platform/format.h"
#include "regression/equation_model.h"
#include "regression/fit_diagnostics.h"
#include "regression/model_comparison.h"
#include "regression/regression_fit.h"
#include "reports/regression_reports.h"

namespace lumox {
namespace {

// The observations of a list with their values, or a line that says there are none.
void WriteFlagged(const std::vector<FlaggedObservation>& flagged, const char* heading,
                  const char* limit, std::string& out) {
    if (flagged.empty()) {
        AppendFormat(out, "No observation above %s.\r\n", limit);
        return;
    }
    AppendFormat(out, "Obsv  %14s\r\n", heading);
    for (const FlaggedObservation& item : flagged) {
        AppendFormat(out, "%-6u", item.observation + 1);
        AppendNumber(out, "%14.6g", item.value);
        out += "\r\n";
    }
}

}  // namespace

void WriteDiagnosticsReport(const FitResults& results, const Matrix& data, std::string& out) {
    const EquationModel& model = results.model;
    const RegressionFit& fit = results.fit;
    const FitDiagnostics diagnostics = DiagnoseFit(data, model, fit);
    const double n = static_cast<double>(fit.m_n);
    const double p = static_cast<double>(fit.m_p);
    auto label = [&](uint32_t j) {
        const int entry = static_cast<int>(j) + 1;
        return model.m_aTerms[entry].factor.kind == FactorKind::Constant
                   ? std::string("INTERCEPT")
                   : ScaleName(model, entry, results.names);
    };

    out += "\r\n\r\nFIT DIAGNOSTICS\r\n\r\n";
    AppendFormat(out, "Dependent Variable: %s\r\n\r\n", ScaleName(model, 0, results.names).c_str());
    if (std::isinf(diagnostics.conditionNumber)) {
        out += "Condition Number of the Scaled Terms =       infinite\r\n";
    } else {
        AppendFormat(out, "Condition Number of the Scaled Terms = %14.8g\r\n",
                     diagnostics.conditionNumber);
    }

    out += "\r\n\r\nSIGNIFICANT DIGITS DETERMINED BY THE DATA\r\n";
    out += "Variable              Coefficient    Digits\r\n\r\n";
    for (uint32_t j = 0; j < fit.m_p; ++j) {
        AppendFormat(out, "%-18s", label(j).c_str());
        AppendNumber(out, "%15.9g", fit.m_coefficients.At(j, 0));
        if (diagnostics.refits > 0) {
            AppendFormat(out, "%10d\r\n", diagnostics.digits[j]);
        } else {
            AppendFormat(out, "%10s\r\n", "-");
        }
    }
    if (diagnostics.refits > 0) {
        AppendFormat(out,
                     "\r\nThe digits that %d refits kept, each with every data value moved at\r\n"
                     "random by up to half a unit in the last digit its column is written to.\r\n",
                     diagnostics.refits);
    } else {
        out += "\r\nNo refit of the moved data succeeded: no digits are estimated.\r\n";
    }

    if (diagnostics.droppedDirections > 0) {
        out += "\r\n\r\nVARIANCE INFLATION FACTORS\r\n";
        AppendFormat(out,
                     "Unbounded: the terms are linearly dependent, and the fit set aside %u\r\n"
                     "direction%s of them.\r\n",
                     diagnostics.droppedDirections, diagnostics.droppedDirections == 1 ? "" : "s");
    } else if (!diagnostics.vif.empty()) {
        out += "\r\n\r\nVARIANCE INFLATION FACTORS\r\n";
        out += "Variable                      VIF\r\n\r\n";
        for (uint32_t j = 1; j < fit.m_p; ++j) {
            AppendFormat(out, "%-18s", label(j).c_str());
            const std::optional<double>& vif = diagnostics.vif[j - 1];
            if (vif) {
                AppendNumber(out, "%15.6g", *vif);
                out += "\r\n";
            } else {
                AppendFormat(out, "%15s\r\n", "-");
            }
        }
    }

    const std::string cookLimit = Format("4/n = %.4g", 4.0 / n);
    AppendFormat(out, "\r\n\r\nCOOK'S DISTANCE\r\n\r\n");
    if (diagnostics.largestCook) {
        AppendFormat(out, "Largest = %.6g at observation %u\r\n", diagnostics.largestCook->value,
                     diagnostics.largestCook->observation + 1);
        WriteFlagged(diagnostics.cook, "Cook's D", cookLimit.c_str(), out);
    } else {
        out += "Not defined: an observation has leverage 1.\r\n";
    }

    const std::string leverageLimit = Format("2p/n = %.4g", 2.0 * p / n);
    out += "\r\n\r\nLEVERAGE\r\n\r\n";
    AppendFormat(out, "Largest = %.6g at observation %u\r\n", diagnostics.largestLeverage.value,
                 diagnostics.largestLeverage.observation + 1);
    WriteFlagged(diagnostics.leverage, "Leverage", leverageLimit.c_str(), out);

    out += "\r\n\r\nRESIDUALS\r\n\r\n";
    if (diagnostics.durbinWatson) {
        AppendFormat(out, "Durbin-Watson Statistic = %.6g\r\n", *diagnostics.durbinWatson);
    } else {
        out += "Durbin-Watson Statistic: none, every residual is 0.\r\n";
    }
    if (diagnostics.shapiroWilk) {
        const ShapiroWilk& test = *diagnostics.shapiroWilk;
        out += "\r\nShapiro-Wilk Test of the Standardized Residuals\r\n";
        out += "           W     Prob < W\r\n";
        AppendNumber(out, "%12.6g", test.w);
        if (test.probability < 0.0001) {
            AppendFormat(out, "%13s\r\n", "< .0001");
        } else {
            AppendNumber(out, "%13.4g", test.probability);
            out += "\r\n";
        }
    } else {
        out += "\r\nShapiro-Wilk Test: needs 3 to 5000 residuals that are not all equal.\r\n";
    }
}

}  // namespace lumox
