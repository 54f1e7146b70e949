#ifndef LUMOX_REPORTS_COMPARISON_REPORT_H
#define LUMOX_REPORTS_COMPARISON_REPORT_H

#include <string>
#include <vector>

namespace lumox {

struct ModelComparison;

// MODEL COMPARISON: one line per form in list order, then the linear form each was fitted
// as and what the columns mean. CR LF line ends; names are the data set's column names.
void WriteComparisonReport(const ModelComparison& comparison, const std::vector<std::string>& names,
                           std::string& out);

}  // namespace lumox

#endif
