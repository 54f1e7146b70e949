#include "document/recording.h"

#include <utility>

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
    std::string failure;
    if (!WriteFileAtomically(*path, combined, &failure)) {
        ShowMessage("Could not open file to save Results!\n" + failure, Icon::Stop);
    }
}

}  // namespace

void RecordReports(CLumoxDoc& doc, const RecordRequest& request) {
    doc.SetRecordedFlags(request.flags);
    const RecordFlags& flags = request.flags;
    ResultsView& view = doc.GetResultsView();

    // The reports are composed in memory and appended only when they all fit, so that a
    // recording is all or nothing and leaves no file behind.
    std::string added;
    Diagnostics said;
    if (flags[kRecordInputData]) WriteInputData(doc.Data(), added);
    // The regression reports need a fit; without one (none yet, or a best-model search
    // left none) they are skipped rather than read a fit that is not there.
    if (doc.HasFit()) {
        const FitResults results = doc.GetFitResults();
        // Room, reserved once, for the short reports and for per-observation lines an
        // eighth longer than usual: a report that outgrew it would copy all before it, and
        // room never written costs no memory.
        const size_t lines = (flags[kRecordResiduals] ? ResidualReportBytes(results) : 0) +
                             (flags[kRecordIntervals] ? IntervalReportBytes(results) : 0);
        added.reserve(added.size() + 65536 + lines + lines / 8);
        if (flags[kRecordEquation]) WriteEquationReport(results, added, said);
        if (flags[kRecordAnova]) WriteAnovaReport(results, added);
        if (flags[kRecordCorrelation]) WriteCorrelationReport(results, added);
        if (flags[kRecordResiduals]) WriteResidualReport(results, added);
        if (flags[kRecordIntervals]) WriteIntervalReport(results, request.level, added);
    }
    if (flags[kRecordPointEstimate] || flags[kRecordDescriptive]) added += request.pendingText;
    Speak(said);

    if (view.TextSize() + added.size() > view.Capacity()) {
        OfferToSave(doc, view.GetText() + added);
        return;
    }
    view.AppendText(std::move(added));
    doc.SetModifiedFlag(true);
}

}  // namespace lumox
