// Data files in and out: reading the largest text data file the program accepts, and
// the INPUT DATA listing of the largest data set.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>

#include "bench_data.h"
#include "data/data_set.h"
#include "data/text_data.h"
#include "reports/input_data.h"

namespace {

// 6553 observations of 10 variables (65530 values), about 450 kB.
void BM_ReadTextDataFile(benchmark::State& state) {
    const std::string path = bench::WriteDataFile("lumox-bench-read.dat", 6553, 10);
    lumox::DataSet data;
    for (auto _ : state) {
        std::ifstream file(path, std::ios::binary);
        lumox::Diagnostics said;
        lumox::ReadTextDataFile(data, file, lumox::NumericNames::Ask, said);
        benchmark::DoNotOptimize(data.GetData().At(6552, 9));
    }
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(path));
    std::filesystem::remove(path);
}
BENCHMARK(BM_ReadTextDataFile)->Unit(benchmark::kMillisecond);

// 13107 observations of 5 variables: 65535 values, as many as the data matrix holds.
void BM_InputDataListing(benchmark::State& state) {
    const std::string path = bench::WriteDataFile("lumox-bench-listing.dat", 13107, 5);
    lumox::DataSet data;
    std::ifstream file(path, std::ios::binary);
    lumox::Diagnostics said;
    lumox::ReadTextDataFile(data, file, lumox::NumericNames::Ask, said);
    size_t bytes = 0;
    for (auto _ : state) {
        std::string text;
        lumox::WriteInputData(data, text);
        bytes = text.size();
        benchmark::DoNotOptimize(text.data());
    }
    state.counters["report_bytes"] = static_cast<double>(bytes);
    std::filesystem::remove(path);
}
BENCHMARK(BM_InputDataListing)->Unit(benchmark::kMillisecond);

}  // namespace
