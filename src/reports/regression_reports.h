#ifndef LUMOX_REPORTS_REGRESSION_REPORTS_H
#define LUMOX_REPORTS_REGRESSION_REPORTS_H

#include <string>

namespace lumox {

class CLumoxDoc;

// The regression reports. Each reads the document's last successful fit (its fit, X, Y,
// fitted model and simple model index) and appends its text, CR LF line ends, to out.
// Every value is on the fitted (transformed) scale of y.

// REGRESSION EQUATION and EQUATION COEFFICIENT ESTIMATES.
void WriteEquationReport(const CLumoxDoc& doc, std::string& out);
// ANALYSIS OF VARIANCE.
void WriteAnovaReport(const CLumoxDoc& doc, std::string& out);
// CORRELATION COEFFICIENTS / PROBABILITY of y and the terms (lower triangle).
void WriteCorrelationReport(const CLumoxDoc& doc, std::string& out);
// RESIDUAL LISTING.
void WriteResidualReport(const CLumoxDoc& doc, std::string& out);
// CONFIDENCE / PREDICTION INTERVALS at level percent.
void WriteIntervalReport(const CLumoxDoc& doc, double level, std::string& out);

// The fitted equation in terms of the model's entries, wrapped after 57 characters.
void WriteEquation(const CLumoxDoc& doc, std::string& out);
// The equation in the form of the document's simple model; the linearized equation
// instead, after message 32805 or 32806, when a constant is too large for exp.
void WriteModelEquation(const CLumoxDoc& doc, std::string& out);

}  // namespace lumox

#endif
