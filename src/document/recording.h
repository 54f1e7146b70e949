#ifndef LUMOX_DOCUMENT_RECORDING_H
#define LUMOX_DOCUMENT_RECORDING_H

#include <cstdint>
#include <string>
#include <vector>

namespace lumox {

class CLumoxDoc;

// The most bytes the Results window holds after a recording.
constexpr size_t kResultsCapacity = 52000;

// The reports a recording can hold, in the order a recording writes them.
enum class ReportKind {
    InputData,
    Equation,
    Anova,
    Correlation,
    Residuals,
    Intervals,
    Diagnostics,  // FIT DIAGNOSTICS
    PointEstimate,
    Descriptive,
    ModelComparison,
};

// The reports of one recording, each at most once; they are written in the order of
// ReportKind whatever their order here.
using ReportKinds = std::vector<ReportKind>;

// Whether kinds holds kind.
bool Holds(const ReportKinds& kinds, ReportKind kind);

// One recording: which reports, the confidence level of the interval report (0 when it is
// not selected) and the text of a dialog's own report (point estimate, descriptive
// statistics, model comparison).
struct RecordRequest {
    ReportKinds reports;
    double level = 0.0;
    std::string pendingText;
};

// Appends to the document's Results text the requested reports, in flag order, all or
// nothing: a recording that would pass the Results view's capacity appends nothing and
// offers to save the combined text to a file instead. The regression reports need the
// document's fit and are skipped without one. The choice becomes the document's record of
// the last recording.
void RecordReports(CLumoxDoc& doc, const RecordRequest& request);

}  // namespace lumox

#endif
