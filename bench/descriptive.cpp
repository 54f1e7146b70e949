#include "stats/descriptive_statistics.h"

#include <benchmark/benchmark.h>

#include <cstdint>

#include "numeric/matrix.h"

namespace {

// The largest column a data set can hold, of fixed pseudo-random values around 1000.
void DescribeColumn(benchmark::State& state) {
    lumox::Matrix data(65535, 1);
    uint64_t seed = 2463534242ull;
    for (uint32_t i = 0; i < data.Rows(); ++i) {
        seed ^= seed << 13;
        seed ^= seed >> 7;
        seed ^= seed << 17;
        data.At(i, 0) = 1000.0 + static_cast<double>(seed % 100000) / 1000.0;
    }
    for (auto _ : state) {
        const lumox::DescriptiveStatistics s(data, 0);
        benchmark::DoNotOptimize(s.ci99Upper);
    }
}
BENCHMARK(DescribeColumn)->Unit(benchmark::kMillisecond);

}  // namespace
