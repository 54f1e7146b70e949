#include "stats/frequency.h"

#include "data/document.h"
#include "graph/scale.h"
#include "numeric/matrix.h"
#include "platform/format.h"
#include "platform/prompt.h"
#include "platform/strings.h"

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

int BuildFrequencyTable(const CLumoxDoc& doc, Matrix& table, ChartData& chart) {
    const HistogramSettings& settings = doc.m_histogram;
    const int n = static_cast<int>(doc.m_nRows);
    const int classes = settings.classes;
    if (settings.column < 0 || settings.column >= static_cast<int>(doc.m_nCols) || classes < 1 ||
        n < 1) {
        chart.pointCount = 0;
        return 0;
    }
    const Matrix& data = doc.GetData();
    const int column = settings.column;

    AxisScale scale;
    if (ScaleAxis(data, column, n, classes, scale, true) != 0) {
        ShowMessage(ids::kGraphScaleFailed, Icon::Stop);
        chart.pointCount = 0;
        return 0;
    }
    const int width = (scale.high - scale.low) / classes;
    const double f = PowerOfTen(scale.exponent);

    table.Resize(static_cast<uint32_t>(classes + 1), 2);
    chart.pointCount = classes;
    chart.xLabel = doc.GetColName(static_cast<uint32_t>(column)) +
                   Format(" (Class Interval = %.2f)", width * f);
    chart.yLabel = "Frequency";
    chart.xLabelIntervalsOverride = LabelledIntervals(classes);
    chart.xLowOverride = scale.low;
    chart.xHighOverride = scale.high;
    chart.xExponentOverride = scale.exponent;
    chart.xIntervals = classes;
    chart.xMatrix = &table;
    chart.xColumn = 0;
    chart.yMatrix = &table;
    chart.yColumn = 1;
    chart.barChart = 1;
    chart.markerStyle = 0;
    chart.lineStyle = 0;
    chart.colour = Rgb{0, 0, 0};

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

    if (settings.relative == 1) {
        chart.yLabel = "Relative Frequencies (%)";
        for (int i = 0; i < classes; ++i) table.At(i, 1) = table.At(i, 1) / n * 100.0;
    }
    if (settings.cumulative == 1) {
        chart.yLabel = "Cumulative Frequency";
        chart.barChart = 0;
        chart.markerStyle = 1;
        chart.lineStyle = 1;
        double total = 0.0;
        for (int i = 0; i < classes; ++i) {
            total += table.At(i, 1);
            table.At(i, 1) = total;
            table.At(i, 0) += width * f / 2.0;
        }
    }
    return width;
}

}  // namespace lumox
