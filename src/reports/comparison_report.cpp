#include "reports/comparison_report.h"

#include "platform/format.h"
#include "regression/model_comparison.h"
#include "reports/regression_reports.h"

namespace lumox {
namespace {

// "log(Growth) on log(Time), Time": the form's y and terms as fitted, without the constant.
std::string LinearForm(const EquationModel& equation, const std::vector<std::string>& names) {
    std::string text = ScaleName(equation, 0, names) + " on ";
    bool first = true;
    for (int entry = 1; entry < equation.m_nEntryCount; ++entry) {
        if (!equation.m_aTerms[entry].IsVariable()) continue;
        if (!first) text += ", ";
        text += ScaleName(equation, entry, names);
        first = false;
    }
    return text;
}

}  // namespace

void WriteComparisonReport(const ModelComparison& comparison, const std::vector<std::string>& names,
                           std::string& out) {
    const std::string& y = names[static_cast<size_t>(comparison.y)];
    const std::string& x = names[static_cast<size_t>(comparison.x)];
    out += "\r\n\r\nMODEL COMPARISON\r\n\r\n";
    AppendFormat(out,
                 "Dependent Variable: %s   Independent Variable: %s   Observations: %u\r\n\r\n",
                 y.c_str(), x.c_str(), comparison.n);
    out += "                        Linearised Fit      Original Scale     Leave-One-Out\r\n";
    AppendFormat(out, "%-22s%9s%10s%10s%10s%11s%6s\r\n\r\n", "Model", "R Square", "Std Error",
                 "R Square", "RMSE", "PRESS RMSE", "Rank");
    for (int m = 0; m < kSimpleModelCount; ++m) {
        const ModelScore& score = comparison.scores[static_cast<size_t>(m)];
        AppendFormat(out, "%-22s", SimpleModels()[static_cast<size_t>(m)].name);
        if (!score.failure.empty()) {
            AppendFormat(out, "not fitted: %s\r\n", score.failure.c_str());
            continue;
        }
        AppendNumber(out, "%9.5f", score.linearRSquare);
        AppendNumber(out, "%10.4g", score.linearStandardError);
        if (!score.original) {
            AppendFormat(out, "  predictions do not come back to %s\r\n", y.c_str());
            continue;
        }
        AppendNumber(out, "%10.5f", score.rSquare);
        AppendNumber(out, "%10.4g", score.rmse);
        if (score.leaveOneOut) {
            AppendNumber(out, "%11.4g", score.pressRmse);
            AppendNumber(out, "%6d", score.rank);
        } else {
            AppendFormat(out, "%11s%6s", "-", "-");
        }
        out += "\r\n";
    }
    out += "\r\nEach form fitted as:\r\n";
    for (int m = 0; m < kSimpleModelCount; ++m) {
        AppendFormat(out, "%-22s%s\r\n", SimpleModels()[static_cast<size_t>(m)].name,
                     LinearForm(comparison.scores[static_cast<size_t>(m)].equation, names).c_str());
    }
    AppendFormat(out,
                 "\r\nLinearised Fit: R square and standard error on the scale fitted.\r\n"
                 "Original Scale: predictions brought back to %s, RMSE = sqrt(SSE / n).\r\n"
                 "Leave-One-Out: each observation predicted by the fit without it,\r\n"
                 "PRESS RMSE = sqrt(sum of squared prediction errors / n); ranked by it.\r\n",
                 y.c_str());
}

}  // namespace lumox
