#include "reports/point_estimate_report.h"

#include "platform/format.h"
#include "platform/strings.h"
#include "regression/point_estimate.h"

namespace lumox {

void WritePointEstimateReport(const PointEstimate& estimate, std::string& out) {
    out +=
        Format("\r\n\r\nPOINT ESTIMATE AT THE %.4g%% CONFIDENCE LEVEL\r\n\r\n", estimate.m_dLevel);
    if (estimate.YTransformed()) {
        out += Format("NOTE: %s\r\n\r\n", LoadString(ids::kOriginalScaleNote));
    }
    out += "Point Estimate Independent Variables:\r\n";
    const std::vector<std::string> names = estimate.VariableNames();
    for (size_t k = 0; k < names.size() && k < estimate.m_adValues.size(); ++k) {
        out += Format("%-10.10s = %8.8g\r\n", names[k].c_str(), estimate.m_adValues[k]);
    }
    out += "\r\n";
    out += Format("Predicted %s = %-.8g\r\n", estimate.YName().c_str(), estimate.m_dPredicted);
    out += Format("Confidence Interval = [%-.6g, %.6g]\r\n", estimate.m_adConfidenceInterval[0],
                  estimate.m_adConfidenceInterval[1]);
    out += Format("Prediction Interval = [%-.6g, %.6g]\r\n", estimate.m_adPredictionInterval[0],
                  estimate.m_adPredictionInterval[1]);
}

}  // namespace lumox
