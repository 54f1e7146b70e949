#ifndef LUMOX_REPORTS_RECORDING_H
#define LUMOX_REPORTS_RECORDING_H

#include <ctime>
#include <string>

namespace lumox {

class CLumoxDoc;

// The most bytes the Results window holds after a recording.
constexpr size_t kResultsCapacity = 52000;

// Appends to the document's Results text the reports whose m_abRecord flags are set, in
// flag order, all or nothing: a recording that would pass the Results view's capacity
// appends nothing and offers to save the combined text to a file instead. The pending
// report text is used once. level is the confidence level of the interval report.
void RecordReports(CLumoxDoc& doc, double level);

// Appends the INPUT DATA listing of the data set to out.
void WriteInputData(const CLumoxDoc& doc, std::string& out);

// Sets m_strReportHeader: "Lumox - Data File: <title>", blanks, today's date, for width
// characters.
void BuildReportHeader(CLumoxDoc& doc, int width);
// The same for a given date.
void BuildReportHeader(CLumoxDoc& doc, int width, const std::tm& date);

}  // namespace lumox

#endif
