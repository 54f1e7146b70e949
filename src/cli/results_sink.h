#ifndef LUMOX_CLI_RESULTS_SINK_H
#define LUMOX_CLI_RESULTS_SINK_H

#include <cstdint>
#include <string>

#include "document/recording.h"

namespace lumox {
class CLumoxDoc;
class PointEstimate;
class SimpleRegression;
}  // namespace lumox

namespace lumox::cli {

struct Action;
class BatchResults;

// Where the results of a batch run go as its actions complete: the Results text the
// windows record, or a JSON document. The session runs every check and every fit; a sink
// only records what the document holds then.
class ResultsSink {
public:
    virtual ~ResultsSink() = default;
    // An action begins: what is recorded until the next one belongs to it.
    virtual void BeginAction(const Action&) {}
    virtual void InputData() = 0;
    virtual void Descriptive(uint32_t column) = 0;
    // A best-model search selected the model that the next fit calculates.
    virtual void BestModel(const SimpleRegression&) {}
    // The document's fit, with the reports chosen (equation to fit diagnostics), the
    // interval report at level percent.
    virtual void Regression(const ReportKinds& reports, double level) = 0;
    // The MODEL COMPARISON of the twelve simple forms of column y on column x.
    virtual void Comparison(int x, int y) = 0;
    virtual void Estimate(const PointEstimate& estimate) = 0;
    // A graph page was drawn to path.
    virtual void ImageWritten(const std::string&) {}
    // What the run writes, recorded so far.
    virtual const std::string& Output() = 0;
};

// The Results text, recorded by the document into the batch Results exactly as a window's
// Record would.
class TextResults final : public ResultsSink {
public:
    TextResults(CLumoxDoc& doc, const BatchResults& results) : doc_(doc), results_(results) {}

    void InputData() override;
    void Descriptive(uint32_t column) override;
    void Regression(const ReportKinds& reports, double level) override;
    void Comparison(int x, int y) override;
    void Estimate(const PointEstimate& estimate) override;
    const std::string& Output() override;

private:
    CLumoxDoc& doc_;
    const BatchResults& results_;
};

}  // namespace lumox::cli

#endif
