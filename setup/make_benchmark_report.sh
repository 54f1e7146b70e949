#!/usr/bin/env bash
# Regenerates setup/dist/benchmark.txt, the benchmark results shipped with the program, from
# our own runs: the certified-data accuracy tests and the Google Benchmark programs of a
# build. Usage: setup/make_benchmark_report.sh [BUILD_DIR]   (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"
out=setup/dist/benchmark.txt
benches=(bench_svd bench_descriptive bench_regression bench_cli_run)
cmake --build "$build" --target test_regression test_stats "${benches[@]}" > /dev/null

# The accuracy tables the tests print, without GoogleTest's own lines.
accuracy() {
  "$build/tests/$1" --gtest_filter="$2" --gtest_brief=1 | grep -v '^\[\|^$\|^Running main' || true
}

{
  echo "Lumox Equation Fitting Tools - benchmark results"
  echo "================================================"
  echo
  echo "Generated on $(date -u +%Y-%m-%d) by setup/make_benchmark_report.sh from the"
  echo "program's own test and benchmark runs; run the script again to regenerate it."
  echo
  echo "1. Accuracy on certified reference data"
  echo "---------------------------------------"
  echo
  echo "The figures are log relative errors: the number of correct significant digits"
  echo "of each computed value against its certified value (15 at most). Double"
  echo "precision carries about 15.9 digits."
  echo
  echo "Linear regression (the lowest over all coefficients, the lowest over their"
  echo "standard deviations, the residual standard deviation, R square):"
  echo
  accuracy test_regression 'CertifiedData.*'
  echo
  echo "Wampler1 and Wampler2 fit exactly: their certified standard deviations are 0,"
  echo "so their figures count how close to 0 the computed values come (digits)."
  echo
  echo "Univariate summary statistics (mean and standard deviation):"
  echo
  accuracy test_stats 'Descriptive.CertifiedUnivariateData'
  echo
  echo "2. Speed"
  echo "--------"
  echo
  echo "Google Benchmark timings on $(nproc) cores of $(uname -m) Linux:"
  echo "$(grep -m1 'model name' /proc/cpuinfo | sed 's/.*: //')."
  echo "Time is the wall-clock time of one operation; CPU is the processor time (the"
  echo "two differ when other work shares the machine). Each benchmark works at the"
  echo "largest size the program accepts (65535 values in the data set):"
  echo
  echo "  DecomposeDesign/R/C      singular value decomposition of an R x C design"
  echo "  DescribeColumn           descriptive statistics of a 65535-value column"
  echo "  MultipleRegression...    a 9-term fit of 6553 observations with every report"
  echo "  BestModelSearch          all twelve simple models on 21845 observations"
  echo "  FitNineTermsAllReports   the whole lumox-cli run: read the file, fit, report"
  for bench in "${benches[@]}"; do
    echo
    "$build/bench/$bench" --benchmark_min_time=0.2 2> /dev/null | grep -v '^\*\*\*'
  done
} > "$out.new"
mv "$out.new" "$out"
echo "Wrote $out"
