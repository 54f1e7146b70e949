#ifndef LUMOX_REPORTS_DIAGNOSTICS_REPORT_H
#define LUMOX_REPORTS_DIAGNOSTICS_REPORT_H

#include <string>

namespace lumox {

struct FitResults;
class Matrix;

// FIT DIAGNOSTICS of a successful fit of the data (observations in rows): conditioning,
// the digits the data determine, variance inflation, influence, serial correlation and
// normality of the residuals. CR LF line ends; values on the scale fitted, each labelled
// with its transform.
void WriteDiagnosticsReport(const FitResults& results, const Matrix& data, std::string& out);

}  // namespace lumox

#endif
