// The Edit Data dialog on the largest data set the program accepts (65535 values), as a
// long table of one column and as a wide one of 127 columns: opening it and painting the
// grid, and scrolling the grid by a page with the repaint that follows. Painting is
// measured as a render of the whole grid into an image, more than a page scroll repaints.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QScrollBar>
#include <string>
#include <vector>

#include "ui/edit_data_dialog.h"
#include "ui/grid_ctrl.h"

namespace {

void EnsureApplication() {
    if (QApplication::instance() != nullptr) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "bench_grid";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);
}

// Names and rows of numbers as a text data file holds them: columns x rows = 65535.
std::vector<std::string> Table(int columns, int rows) {
    std::vector<std::string> lines;
    std::string names;
    for (int c = 1; c <= columns; ++c) names += (c > 1 ? "\t" : "") + ("Var" + std::to_string(c));
    lines.push_back(names);
    uint64_t seed = 88172645463325252ull;
    for (int r = 0; r < rows; ++r) {
        std::string line;
        for (int c = 0; c < columns; ++c) {
            seed ^= seed << 13;
            seed ^= seed >> 7;
            seed ^= seed << 17;
            line +=
                (c > 0 ? "\t" : "") + std::to_string(static_cast<double>(seed % 1000000) / 100.0);
        }
        lines.push_back(line);
    }
    return lines;
}

void OpenDialog(benchmark::State& state) {
    EnsureApplication();
    const int columns = static_cast<int>(state.range(0));
    const int rows = 65535 / columns;
    const std::vector<std::string> table = Table(columns, rows);
    for (auto _ : state) {
        state.PauseTiming();
        std::vector<std::string> lines = table;
        state.ResumeTiming();
        lumox::CEditDataDialog dialog(lines, rows + 1, columns);
        dialog.show();
        benchmark::DoNotOptimize(dialog.Grid().viewport()->grab());
        state.PauseTiming();
        dialog.hide();
        state.ResumeTiming();
    }
}
BENCHMARK(OpenDialog)->Arg(1)->Arg(127)->Unit(benchmark::kMillisecond);

void ScrollPage(benchmark::State& state) {
    EnsureApplication();
    const int columns = static_cast<int>(state.range(0));
    const int rows = 65535 / columns;
    std::vector<std::string> lines = Table(columns, rows);
    lumox::CEditDataDialog dialog(lines, rows + 1, columns);
    dialog.show();
    QScrollBar* bar = dialog.Grid().verticalScrollBar();
    QWidget* viewport = dialog.Grid().viewport();
    QCoreApplication::processEvents();
    int step = bar->pageStep();
    for (auto _ : state) {
        if (bar->value() + step > bar->maximum() || bar->value() + step < 0) step = -step;
        bar->setValue(bar->value() + step);
        benchmark::DoNotOptimize(viewport->grab());
    }
}
BENCHMARK(ScrollPage)->Arg(1)->Arg(127)->Unit(benchmark::kMillisecond);

}  // namespace
