#include "reports/recording.h"

#include <locale.h>
#include <time.h>

#include <algorithm>

#include "data/document.h"
#include "platform/atomic_file.h"
#include "platform/format.h"
#include "platform/prompt.h"
#include "reports/regression_reports.h"

namespace lumox {
namespace {

// The pending report text is used once, however the recording ends.
class PendingReportGuard {
public:
    explicit PendingReportGuard(CLumoxDoc& doc) : doc_(doc) {}
    ~PendingReportGuard() { doc_.m_pPendingReport = nullptr; }
    PendingReportGuard(const PendingReportGuard&) = delete;
    PendingReportGuard& operator=(const PendingReportGuard&) = delete;

private:
    CLumoxDoc& doc_;
};

// Offers to save a recording too large for the Results window; the window keeps its text.
void OfferToSave(CLumoxDoc& doc, const std::string& combined) {
    if (AskYesNo("Report too large for results!\r\nWant to save it to a file?") != Answer::Yes) {
        return;
    }
    DocumentHost* host = doc.GetHost();
    const std::optional<std::string> path = host ? host->AskSaveFileName("") : std::nullopt;
    if (!path) return;
    const bool written = WriteFileAtomically(*path, [&combined](std::ostream& out) {
        out.write(combined.data(), static_cast<std::streamsize>(combined.size()));
        return static_cast<bool>(out);
    });
    if (!written) ShowMessage("Could not open file to save Results!", Icon::Stop);
}

}  // namespace

void RecordReports(CLumoxDoc& doc, double level) {
    PendingReportGuard pending(doc);
    ResultsView& view = doc.GetResultsView();

    // The reports are composed in memory after the present text, so that a recording
    // is all or nothing and leaves no file behind.
    std::string combined = view.GetText();
    if (doc.m_abRecord[kRecordInputData]) WriteInputData(doc, combined);
    // The regression reports need a fit; without one (none yet, or a best-model search
    // left none) they are skipped rather than read a fit that is not there.
    if (doc.m_nYVariable >= 0 && !doc.m_fit.m_coefficients.IsEmpty()) {
        if (doc.m_abRecord[kRecordEquation]) WriteEquationReport(doc, combined);
        if (doc.m_abRecord[kRecordAnova]) WriteAnovaReport(doc, combined);
        if (doc.m_abRecord[kRecordCorrelation]) WriteCorrelationReport(doc, combined);
        if (doc.m_abRecord[kRecordResiduals]) WriteResidualReport(doc, combined);
        if (doc.m_abRecord[kRecordIntervals]) WriteIntervalReport(doc, level, combined);
    }
    for (const int flag : {kRecordPointEstimate, kRecordDescriptive}) {
        if (doc.m_abRecord[flag] && doc.m_pPendingReport) combined += *doc.m_pPendingReport;
    }

    if (combined.size() > view.Capacity()) {
        OfferToSave(doc, combined);
        return;
    }
    view.SetText(combined);
    doc.SetModifiedFlag(true);
}

void WriteInputData(const CLumoxDoc& doc, std::string& out) {
    const Matrix& data = doc.GetData();
    const uint32_t rows = doc.m_nRows;
    const uint32_t cols = doc.m_nCols;
    std::vector<int> width(cols);
    for (uint32_t j = 0; j < cols; ++j) {
        size_t digits = 0;
        for (uint32_t i = 0; i < rows; ++i) {
            digits = std::max(digits, Format("%.9g", data.At(i, j)).size());
        }
        const int nameWidth = std::min(static_cast<int>(doc.GetColName(j).size()) + 1, 9);
        width[j] = std::max(static_cast<int>(digits) + 2, nameWidth);
    }

    out += "\r\n\r\nINPUT DATA\r\n\r\n";
    // Lines wrap before passing 78 characters; continuation lines begin with three blanks.
    std::string line;
    auto wrap = [&out, &line](int columnWidth) {
        if (line.size() + static_cast<size_t>(columnWidth) > 78) {
            line += "\r\n";
            out += line;
            line = "   ";
        }
    };
    for (uint32_t j = 0; j < cols; ++j) {
        wrap(width[j]);
        line += Format("%-*.*s", width[j], 8, doc.GetColName(j).c_str());
    }
    out += line + "\r\n";

    for (uint32_t i = 0; i < rows; ++i) {
        line.clear();
        for (uint32_t j = 0; j < cols; ++j) {
            wrap(width[j]);
            const double value = data.At(i, j);
            if (j + 1 == cols) {
                const int length = static_cast<int>(Format("%.9g", value).size());
                line += Format("%-*.*g", length, length, value);
            } else {
                std::string text = Format("%-*.*g", width[j], width[j], value);
                // As many digits as the field is wide can fill it and run into the next
                // value; such a value keeps the nine digits its column was sized for.
                if (text.size() >= static_cast<size_t>(width[j])) {
                    text = Format("%-*.9g", width[j], value);
                }
                line += text;
            }
        }
        out += line + "\r\n";
    }
}

void BuildReportHeader(CLumoxDoc& doc, int width) {
    const std::time_t now = std::time(nullptr);
    std::tm today{};
    localtime_r(&now, &today);
    BuildReportHeader(doc, width, today);
}

void BuildReportHeader(CLumoxDoc& doc, int width, const std::tm& date) {
    // Month names are English whatever the desktop's language, like the rest of the reports.
    static const locale_t c_locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    char buffer[64];
    const size_t length = strftime_l(buffer, sizeof buffer, "%B %d, %Y", &date, c_locale);
    const std::string day(buffer, length);
    std::string text = "Lumox - Data File: " + doc.GetTitle();
    const int blanks = width - static_cast<int>(text.size()) - static_cast<int>(day.size());
    if (blanks > 0) text.append(static_cast<size_t>(blanks), ' ');
    doc.m_strReportHeader = text + day;
}

}  // namespace lumox
