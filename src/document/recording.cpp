#include "document/recording.h"

#include <algorithm>
#include <utility>

#include "document/lumox_doc.h"
#include "platform/atomic_file.h"
#include "platform/format.h"
#include "platform/prompt.h"
#include "reports/diagnostics_report.h"
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

bool Holds(const ReportKinds& kinds, ReportKind kind) {
    return std::find(kinds.begin(), kinds.end(), kind) != kinds.end();
}

void RecordReports(CLumoxDoc& doc, const RecordRequest& request) {
    doc.SetRecordedReports(request.reports);
    auto chosen = [&request](ReportKind kind) { return Holds(request.reports, kind); };
    ResultsView& view = doc.GetResultsView();

    // The reports are composed in memory and appended only when they all fit, so that a
    // recording is all or nothing and leaves no file behind.
    std::string added;
    Diagnostics said;
    if (chosen(ReportKind::InputData)) WriteInputData(doc.Data(), added);
    // The regression reports need a fit; without one (none yet, or a best-model search
    // left none) they are skipped rather than read a fit that is not there.
    if (doc.HasFit()) {
        const FitResults results = doc.GetFitResults();
        // Room, reserved once, for the short reports and for per-observation lines an
        // eighth longer than usual: a report that outgrew it would copy all before it, and
        // room never written costs no memory.
        const size_t lines = (chosen(ReportKind::Residuals) ? ResidualReportBytes(results) : 0) +
                             (chosen(ReportKind::Intervals) ? IntervalReportBytes(results) : 0);
        added.reserve(added.size() + 65536 + lines + lines / 8);
        if (chosen(ReportKind::Equation)) WriteEquationReport(results, added, said);
        if (chosen(ReportKind::Anova)) WriteAnovaReport(results, added);
        if (chosen(ReportKind::Correlation)) WriteCorrelationReport(results, added);
        if (chosen(ReportKind::Residuals)) WriteResidualReport(results, added);
        if (chosen(ReportKind::Intervals)) WriteIntervalReport(results, request.level, added);
        if (chosen(ReportKind::Diagnostics)) WriteDiagnosticsReport(results, doc.GetData(), added);
    }
    if (chosen(ReportKind::PointEstimate) || chosen(ReportKind::Descriptive) ||
        chosen(ReportKind::ModelComparison)) {
        added += request.pendingText;
    }
    Speak(said);

    if (view.TextSize() + added.size() > view.Capacity()) {
        OfferToSave(doc, view.GetText() + added);
        return;
    }
    view.AppendText(std::move(added));
    doc.SetModifiedFlag(true);
}

}  // namespace lumox
