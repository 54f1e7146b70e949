#include "cli/results_sink.h"

#include "cli/session.h"
#include "document/lumox_doc.h"

namespace lumox::cli {

void TextResults::InputData() { doc_.OnRecordInputData(); }

void TextResults::Descriptive(uint32_t column) { doc_.RecordDescriptiveStatistics(column); }

void TextResults::Regression(const ReportKinds& reports, double level) {
    doc_.RecordRegressionReports(reports, level);
}

void TextResults::Comparison(int x, int y) { doc_.RecordModelComparison(x, y); }

void TextResults::Estimate(const PointEstimate& estimate) { doc_.RecordPointEstimate(estimate); }

const std::string& TextResults::Output() { return results_.Text(); }

}  // namespace lumox::cli
