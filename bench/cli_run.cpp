// The whole batch run on the largest data set the program accepts: 6553 observations of
// 10 variables (65530 values) read from a file, a fit of 9 terms and all five reports.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "bench_data.h"
#include "cli/cli_options.h"
#include "cli/session.h"
#include "platform/prompt.h"

namespace {

void BM_FitNineTermsAllReports(benchmark::State& state) {
    const std::string path = bench::WriteDataFile("lumox-bench-cli-run.dat", 6553, 10);
    std::string error;
    const auto options = lumox::cli::ParseOptions(
        {path, "--reports", "equation,anova,correlation,residuals,intervals", "--fit",
         "Y = 1 + A + B + C + D + E + F + G + H + I"},
        error);
    lumox::StderrPrompt prompt;
    lumox::ScopedPrompt quiet(prompt);
    size_t bytes = 0;
    for (auto _ : state) {
        lumox::cli::Session session(*options);
        if (!session.Run()) state.SkipWithError("the run failed");
        bytes = session.Output().size();
        benchmark::DoNotOptimize(bytes);
    }
    state.counters["report_bytes"] = static_cast<double>(bytes);
    std::filesystem::remove(path);
}
BENCHMARK(BM_FitNineTermsAllReports)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace
