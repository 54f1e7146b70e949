#ifndef LUMOX_CLI_SESSION_H
#define LUMOX_CLI_SESSION_H

#include <array>
#include <cstdint>
#include <limits>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "cli/cli_options.h"
#include "cli/results_sink.h"
#include "document/lumox_doc.h"

namespace lumox {
class SimpleRegression;
}

namespace lumox::cli {

// The Results text of a batch run: no window, so no size limit.
class BatchResults final : public ResultsView {
public:
    std::string GetText() const override { return text_; }
    // The text itself, without a copy.
    const std::string& Text() const { return text_; }
    void SetText(const std::string& text) override { text_ = text; }
    void AppendText(std::string bytes) override {
        if (text_.empty()) {
            text_ = std::move(bytes);
        } else {
            text_ += bytes;
        }
    }
    size_t TextSize() const override { return text_.size(); }
    size_t Capacity() const override { return std::numeric_limits<size_t>::max(); }

private:
    std::string text_;
};

class BatchHost final : public DocumentHost {
public:
    ResultsView* GetResultsView() override { return &results_; }
    std::optional<std::string> AskSaveFileName(const std::string&) override { return {}; }
    const BatchResults& Results() const { return results_; }

private:
    BatchResults results_;
};

// Draws the document's graph page into a .png, .svg or .pdf file; false when no file was
// written. Its messages go to said.
using GraphImageWriter = bool (*)(CLumoxDoc& doc, const std::string& path, Diagnostics& said);

// Runs the actions of one command line on one document, each like its GUI command.
class Session {
public:
    // writeImage draws the pages of --image; a program without one takes no --image.
    explicit Session(const Options& options, GraphImageWriter writeImage = nullptr);

    // Opens the data file and runs every action; false when one could not complete
    // (its messages have been shown) and the run stopped there.
    bool Run();
    // What the run writes, in the format of the options: the Results text recorded so
    // far, or the JSON document of the results.
    const std::string& Output() { return sink_->Output(); }

private:
    bool RunAction(const Action& action);
    bool InputData();
    bool Describe(const std::string& name);
    bool Simple(const std::string& xName, const std::string& yName, const std::string& model);
    bool Compare(const std::string& xName, const std::string& yName);
    // X and Y of the simple regression dialog, by name, once the regression commands are
    // allowed; false after a message.
    bool ChooseXAndY(const std::string& xName, const std::string& yName, SimpleRegression& simple);
    bool Fit(const std::string& equation);
    bool Estimate(const std::string& values);
    // The enable rule of the regression commands, with a message when it fails.
    bool RegressionAllowed();
    bool AddScatter(const std::string& text);
    bool SetHistogram(const std::string& text);
    bool Image(const std::string& path);
    // Applies the Graph Options of the command line to the document's, by the dialog's
    // rules; false after its message.
    bool ApplyGraphOptions();
    // A variable or, after a fit, a derived series ("Predicted Y", "Residuals",
    // "Std. Residuals", "Normal Z": Cols() + 0 .. 3); -1 after a message.
    int FindPlotVariable(const std::string& name) const;
    bool SetReports(const std::string& list);
    bool SetLevel(const std::string& text);
    // The column of a variable named by its column name or by #K; -1 after a message.
    int FindVariable(const std::string& name) const;

    const Options& options_;
    GraphImageWriter writeImage_;
    BatchHost host_;
    CLumoxDoc doc_;
    std::unique_ptr<ResultsSink> sink_;
    // The reports later fits record (flags 1..5 of the document) and their level.
    ReportKinds reports_{ReportKind::Equation, ReportKind::Anova, ReportKind::Correlation};
    double level_ = 95.0;
    // The graph page being put together for the next --image: scatter graphs, or a
    // histogram when histogram_ is set.
    std::vector<CLumoxDoc::GraphChoice> scatters_;
    std::optional<HistogramSettings> histogram_;
};

}  // namespace lumox::cli

#endif
