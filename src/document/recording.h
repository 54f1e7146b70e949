#ifndef LUMOX_DOCUMENT_RECORDING_H
#define LUMOX_DOCUMENT_RECORDING_H

#include <array>
#include <cstdint>
#include <string>

namespace lumox {

class CLumoxDoc;

// The most bytes the Results window holds after a recording.
constexpr size_t kResultsCapacity = 52000;

// Indices of the report-selection flags, in recording order.
enum RecordFlag {
    kRecordInputData = 0,
    kRecordEquation = 1,
    kRecordAnova = 2,
    kRecordCorrelation = 3,
    kRecordResiduals = 4,
    kRecordIntervals = 5,
    kRecordPointEstimate = 6,
    kRecordDescriptive = 7,
};

using RecordFlags = std::array<uint8_t, 8>;

// One recording: which reports, the confidence level of the interval report (0 when it is
// not selected) and the text of a dialog's own report (flags 6 and 7).
struct RecordRequest {
    RecordFlags flags{};
    double level = 0.0;
    std::string pendingText;
};

// Appends to the document's Results text the requested reports, in flag order, all or
// nothing: a recording that would pass the Results view's capacity appends nothing and
// offers to save the combined text to a file instead. The regression reports need the
// document's fit and are skipped without one. The flags become the document's m_abRecord.
void RecordReports(CLumoxDoc& doc, const RecordRequest& request);

}  // namespace lumox

#endif
