#ifndef LUMOX_REPORTS_POINT_ESTIMATE_REPORT_H
#define LUMOX_REPORTS_POINT_ESTIMATE_REPORT_H

#include <string>

namespace lumox {

class PointEstimate;

// Appends the POINT ESTIMATE report of the estimate's last Calculate to out.
void WritePointEstimateReport(const PointEstimate& estimate, std::string& out);

}  // namespace lumox

#endif
