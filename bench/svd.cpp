#include "numeric/svd.h"

#include <benchmark/benchmark.h>

#include <cstdint>

#include "numeric/matrix.h"

namespace {

// A design matrix as the fit builds it: a column of ones, then pseudo-random terms from a
// fixed linear congruential sequence, so every run decomposes the same numbers.
lumox::Matrix DesignMatrix(uint32_t rows, uint32_t cols) {
    lumox::Matrix a(rows, cols);
    uint64_t state = 88172645463325252ull;
    for (uint32_t i = 0; i < rows; ++i) {
        a.At(i, 0) = 1.0;
        for (uint32_t j = 1; j < cols; ++j) {
            state = state * 6364136223846793005ull + 1442695040888963407ull;
            a.At(i, j) = static_cast<double>(state >> 11) * 0x1.0p-53 * 100.0;
        }
    }
    return a;
}

void DecomposeDesign(benchmark::State& state) {
    const auto rows = static_cast<uint32_t>(state.range(0));
    const auto cols = static_cast<uint32_t>(state.range(1));
    const lumox::Matrix design = lumox::Transpose(DesignMatrix(rows, cols));
    lumox::Matrix w(cols, 1);
    lumox::Matrix v(cols, cols);
    for (auto _ : state) {
        lumox::Matrix a(design);
        const int result = lumox::SingularValueDecomposition(a, w, v);
        if (result != 0) state.SkipWithError("decomposition failed");
        benchmark::DoNotOptimize(a.Data());
        benchmark::DoNotOptimize(w.Data());
    }
}
// The two largest design matrices the 65535-element limit allows for 10 and 3 terms.
BENCHMARK(DecomposeDesign)->Args({6553, 10})->Args({21845, 3})->Unit(benchmark::kMillisecond);

}  // namespace
