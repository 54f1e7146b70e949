#include "document/recording.h"

#include "document/document.h"
#include "platform/atomic_file.h"
#include "platform/format.h"
#include "platform/prompt.h"
#include "reports/input_data.h"
#include "reports/regression_reports.h"

namespace lumox {
namespace {

// Offers to save a recording too large for the Results window; the window keeps its text.
void OfferToSave(CLumoxDoc& doc, const std::string& combined) {
    if (AskYesNo("Report too large for results!\r\nWant to save it to a file?") != Answer::Yes) {
        return;
    }
    DocumentHost* host = doc.GetHost();
    const std::optional<std::string> path = host ? host->AskSaveFileName("") : std::nullopt;
    if (!path) return;
    const bool written = WriteFileAtomically(*path, combined);
    if (!written) ShowMessage("Could not open file to save Results!", Icon::Stop);
}

}  // namespace

void RecordReports(CLumoxDoc& doc, const RecordRequest& request) {
    doc.m_abRecord = request.flags;
    const RecordFlags& flags = request.flags;
    ResultsView& view = doc.GetResultsView();

    // The reports are composed in memory after the present text, so that a recording
    // is all or nothing and leaves no file behind.
    std::string combined = view.GetText();
    if (flags[kRecordInputData]) WriteInputData(doc, combined);
    // The regression reports need a fit; without one (none yet, or a best-model search
    // left none) they are skipped rather than read a fit that is not there.
    if (doc.HasFit()) {
        const FitResults results = doc.GetFitResults();
        if (flags[kRecordEquation]) WriteEquationReport(results, combined);
        if (flags[kRecordAnova]) WriteAnovaReport(results, combined);
        if (flags[kRecordCorrelation]) WriteCorrelationReport(results, combined);
        if (flags[kRecordResiduals]) WriteResidualReport(results, combined);
        if (flags[kRecordIntervals]) WriteIntervalReport(results, request.level, combined);
    }
    if (flags[kRecordPointEstimate] || flags[kRecordDescriptive]) combined += request.pendingText;

    if (combined.size() > view.Capacity()) {
        OfferToSave(doc, combined);
        return;
    }
    view.SetText(combined);
    doc.SetModifiedFlag(true);
}

}  // namespace lumox
