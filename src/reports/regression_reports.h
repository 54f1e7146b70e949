#ifndef LUMOX_REPORTS_REGRESSION_REPORTS_H
#define LUMOX_REPORTS_REGRESSION_REPORTS_H

#include <string>
#include <vector>

#include "numeric/matrix.h"
#include "platform/diagnostics.h"

namespace lumox {

class EquationModel;
class RegressionFit;

// What the regression reports read: a successful fit, the model as fitted, the data set's
// column names and the simple model index (-1 for a multiple regression).
struct FitResults {
    const std::vector<std::string>& names;
    const EquationModel& model;
    const RegressionFit& fit;
    int simpleModel = -1;
};

// Appends one number in its field; a number that fills its field is set one blank apart
// from the text before it, so that two numbers never run together.
void AppendNumber(std::string& out, const char* format, ...) __attribute__((format(printf, 2, 3)));

// The regression reports. Each appends its text, CR LF line ends, to out. Every value is
// on the fitted (transformed) scale of y.

// REGRESSION EQUATION and EQUATION COEFFICIENT ESTIMATES; the message of a constant too
// large for the simple model's form goes to said.
void WriteEquationReport(const FitResults& results, std::string& out, Diagnostics& said);
// ANALYSIS OF VARIANCE.
void WriteAnovaReport(const FitResults& results, std::string& out);
// The correlations of y and the terms, y in place of the intercept (variable 0 is y,
// variable j the term of entry j + 1), with the two-tailed probability of each under no
// correlation (0 on the diagonal and for a correlation of 0.99999 or more).
struct TermCorrelations {
    std::vector<std::string> names;
    Matrix r;            // p x p
    Matrix probability;  // p x p
};
TermCorrelations CorrelateTerms(const FitResults& results);
// CORRELATION COEFFICIENTS / PROBABILITY of y and the terms (lower triangle).
void WriteCorrelationReport(const FitResults& results, std::string& out);
// RESIDUAL LISTING.
void WriteResidualReport(const FitResults& results, std::string& out);
// CONFIDENCE / PREDICTION INTERVALS at level percent.
void WriteIntervalReport(const FitResults& results, double level, std::string& out);
// About the bytes of the two long reports, one or two lines per observation: a recording
// reserves its text once for all its reports.
size_t ResidualReportBytes(const FitResults& results);
size_t IntervalReportBytes(const FitResults& results);

// The label of coefficient j in the coefficient table: INTERCEPT, a simple model's
// variable, or the term's name.
std::string CoefficientLabel(const FitResults& results, uint32_t j);
// The fitted equation in terms of the model's entries, wrapped after 57 characters unless
// wrap is false.
void WriteEquation(const FitResults& results, std::string& out, bool wrap = true);
// The equation in the form of the simple model; the linearized equation instead, with
// message 32805 or 32806 in said, when a constant is too large for exp.
void WriteModelEquation(const FitResults& results, std::string& out, Diagnostics& said,
                        bool wrap = true);

}  // namespace lumox

#endif
