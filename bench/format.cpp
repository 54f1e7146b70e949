// The number formatter on report lines, against the C library's snprintf doing the same.
#include "platform/format.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <random>
#include <string>
#include <vector>

namespace {

std::vector<double> Values() {
    std::mt19937 random(2026);
    std::uniform_real_distribution<double> value(-1000.0, 1000.0);
    std::vector<double> values(4096);
    for (double& v : values) v = value(random);
    return values;
}

// One line of the interval report per value.
void BM_FormatIntervalLine(benchmark::State& state) {
    const std::vector<double> values = Values();
    std::string out;
    size_t i = 0;
    for (auto _ : state) {
        out.clear();
        const double v = values[i++ % values.size()];
        lumox::AppendFormat(out, "%-5d%14.8g%16.8g    CI = [%12.6g, %12.6g]\r\n", 17, v, v * 0.9,
                            v - 1.5, v + 1.5);
        benchmark::DoNotOptimize(out.data());
    }
}
BENCHMARK(BM_FormatIntervalLine);

void BM_SnprintfIntervalLine(benchmark::State& state) {
    const std::vector<double> values = Values();
    char line[256];
    size_t i = 0;
    for (auto _ : state) {
        const double v = values[i++ % values.size()];
        std::snprintf(line, sizeof line, "%-5d%14.8g%16.8g    CI = [%12.6g, %12.6g]\r\n", 17, v,
                      v * 0.9, v - 1.5, v + 1.5);
        benchmark::DoNotOptimize(line);
    }
}
BENCHMARK(BM_SnprintfIntervalLine);

// One value as the input-data listing writes it.
void BM_FormatListingValue(benchmark::State& state) {
    const std::vector<double> values = Values();
    std::string out;
    size_t i = 0;
    for (auto _ : state) {
        out.clear();
        lumox::AppendFormat(out, "%-*.*g", 11, 11, values[i++ % values.size()]);
        benchmark::DoNotOptimize(out.data());
    }
}
BENCHMARK(BM_FormatListingValue);

void BM_SnprintfListingValue(benchmark::State& state) {
    const std::vector<double> values = Values();
    char text[64];
    size_t i = 0;
    for (auto _ : state) {
        std::snprintf(text, sizeof text, "%-*.*g", 11, 11, values[i++ % values.size()]);
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(BM_SnprintfListingValue);

}  // namespace
