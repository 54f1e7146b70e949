// The whole batch run on the largest data set the program accepts: 6553 observations of
// 10 variables (65530 values) read from a file, a fit of 9 terms and all five reports.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>

#include "cli/cli_options.h"
#include "cli/session.h"
#include "platform/prompt.h"

namespace {

std::string WriteDataFile() {
    const std::string path =
        (std::filesystem::temp_directory_path() / "lumox-bench-cli-run.dat").string();
    std::ofstream out(path, std::ios::binary);
    out << "Y A B C D E F G H I\r\n";
    std::mt19937 random(6553);
    std::uniform_real_distribution<double> value(0.0, 100.0);
    for (int i = 0; i < 6553; ++i) {
        double x[9];
        double y = 12.0;
        for (int k = 0; k < 9; ++k) {
            x[k] = value(random);
            y += (k + 1) * 0.5 * x[k];
        }
        y += value(random) - 50.0;
        char line[256];
        int length = std::snprintf(line, sizeof line, "%.6g", y);
        for (double v : x) length += std::snprintf(line + length, sizeof line - length, " %.6g", v);
        out << line << "\r\n";
    }
    return path;
}

void BM_FitNineTermsAllReports(benchmark::State& state) {
    const std::string path = WriteDataFile();
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
        bytes = session.ResultsText().size();
        benchmark::DoNotOptimize(bytes);
    }
    state.counters["report_bytes"] = static_cast<double>(bytes);
    std::filesystem::remove(path);
}
BENCHMARK(BM_FitNineTermsAllReports)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace
