#include "stats/frequency_table.h"

#include "data/data_set.h"
#include "platform/format.h"
#include "platform/strings.h"
#include "stats/histogram_settings.h"

namespace lumox {
namespace {

// The most labelled intervals that divide the classes evenly.
int LabelledIntervals(int classes) {
    for (int d : {6, 5, 4, 3, 2}) {
        if (classes % d == 0) return d;
    }
    return 1;
}

}  // namespace

int DefaultHistogramClasses(uint32_t n) {
    for (const int classes : {2, 4, 6, 8, 10, 12, 15}) {
        if ((uint64_t{1} << classes) > n) return classes;
    }
    return 20;
}

FrequencyTable BuildFrequencyTable(const DataSet& set, const HistogramSettings& settings,
                                   Diagnostics& said) {
    FrequencyTable result;
    const int n = static_cast<int>(set.Rows());
    const int classes = settings.classes;
    if (settings.column < 0 || settings.column >= static_cast<int>(set.Cols()) || classes < 1 ||
        n < 1) {
        return result;
    }
    const Matrix& data = set.GetData();
    const int column = settings.column;

    AxisScale scale;
    if (ScaleAxis(data, column, n, classes, scale, true) != 0) {
        said.Add(ids::kGraphScaleFailed, Icon::Stop);
        return result;
    }
    const int width = (scale.high - scale.low) / classes;
    const double f = PowerOfTen(scale.exponent);

    Matrix& table = result.table;
    table.Resize(static_cast<uint32_t>(classes + 1), 2);
    result.width = width;
    result.classes = classes;
    result.scale = scale;
    result.labelledIntervals = LabelledIntervals(classes);
    result.xLabel = set.GetColName(static_cast<uint32_t>(column)) +
                    Format(" (Class Interval = %.2f)", width * f);
    result.yLabel = "Frequency";

    for (int i = 0; i <= classes; ++i) {
        table.At(i, 0) = (scale.low + width * i) * f;
        table.At(i, 1) = 0.0;
    }
    // Classes are half-open, b(i) <= x < b(i+1), except the last, which also takes its
    // upper limit; anything the rounding of the limits leaves outside goes to the nearer end.
    for (int row = 0; row < n; ++row) {
        const double x = data.At(row, column);
        int i = 0;
        while (i < classes - 1 && !(x < table.At(i + 1, 0))) ++i;
        table.At(i, 1) += 1.0;
    }

    if (settings.kind == HistogramKind::Relative) {
        result.yLabel = "Relative Frequencies (%)";
        for (int i = 0; i < classes; ++i) table.At(i, 1) = table.At(i, 1) / n * 100.0;
    }
    if (settings.kind == HistogramKind::Cumulative) {
        result.yLabel = "Cumulative Frequency";
        result.cumulative = true;
        double total = 0.0;
        for (int i = 0; i < classes; ++i) {
            total += table.At(i, 1);
            table.At(i, 1) = total;
            table.At(i, 0) += width * f / 2.0;
        }
    }
    return result;
}

}  // namespace lumox
