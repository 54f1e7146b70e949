#include "graph/chart_engine.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "numeric/matrix.h"
#include "platform/format.h"

namespace lumox {
namespace {

constexpr int kFrameWeight = 600;
constexpr int kTitleWeight = 700;

// Rounds a chart position to a whole unit. Overlays may compute points far outside the
// axes (they are clipped); clamping keeps the conversion to int defined for them.
int ToUnit(double value) {
    constexpr double kFar = 1.0e8;
    if (!(value > -kFar)) value = -kFar;  // also catches NaN
    if (value > kFar) value = kFar;
    return static_cast<int>(value + 0.5);
}

std::string ExponentText(int exponent) { return Format("X10E%d", exponent); }

}  // namespace

int ChartEngine::FontHeightFor(double s, int verticalResolution, bool printer) {
    const double p = s / std::max(verticalResolution, 1) * 100.0;
    const double h = printer ? (4.83 - 0.0133 * p) * s / 100.0 : (8.6 - 0.056 * p) * s / 100.0;
    return static_cast<int>(h + 0.5);
}

PlotLayout ChartEngine::LayOut(const ChartRect& cell, int fontHeight, int xDivisions,
                               int yDivisions) {
    const double s = cell.top - cell.bottom;
    const int f = fontHeight;
    PlotLayout layout;
    layout.majorTick = static_cast<int>(s * 0.015 + 0.5);
    layout.minorTick = static_cast<int>(s * 0.005 + 0.5);
    const int bigT = layout.majorTick;
    const int t = layout.minorTick;
    layout.x0 = cell.left + f + 3 * f + 2 * bigT;
    layout.width = cell.right - layout.x0 - 2 * f;
    layout.width -= layout.width % std::max(xDivisions, 1);
    layout.y0 = cell.bottom + 2 * bigT + 2 * f + 3 * t;
    layout.height = cell.top - layout.y0 - (f + f / 4 + 3 * t);
    layout.height -= layout.height % std::max(yDivisions, 1);
    return layout;
}

// Bars stand on zero, so their Y axis always spans it: counts of 10 to 20 drawn from an
// axis starting at 9 would make one bar look ten times another.
static int ScaleY(const ChartData& chart, AxisScale& y) {
    const uint64_t withZero = static_cast<uint64_t>(chart.pointCount) + 1;
    if (chart.barChart != 1 || withZero > Matrix::kMaxElements) {
        return ScaleAxis(*chart.yMatrix, chart.yColumn, chart.pointCount, chart.yIntervals, y,
                         chart.barChart == 1);
    }
    Matrix values(static_cast<uint32_t>(withZero), 1);
    for (int i = 0; i < chart.pointCount; ++i) {
        values.At(static_cast<uint32_t>(i), 0) =
            chart.yMatrix->At(static_cast<uint32_t>(i), static_cast<uint32_t>(chart.yColumn));
    }
    values.At(static_cast<uint32_t>(chart.pointCount), 0) = 0.0;
    return ScaleAxis(values, 0, chart.pointCount + 1, chart.yIntervals, y, true);
}

int ChartEngine::Draw(Surface& surface, ChartData& chart, int alreadyScaled) {
    if (chart.pointCount < 2) return kTooFewPoints;
    chartSize_ = chart.cell.top - chart.cell.bottom;
    fontHeight_ = FontHeightFor(chartSize_, surface.VerticalResolution(), surface.IsPrinter());
    font_ = Font{"Arial", fontHeight_, kFrameWeight, 0};
    const Font previousFont = surface.SelectFont(font_);

    if (alreadyScaled == 0) {
        scaled_ = false;
        AxisScale y;
        AxisScale x;
        if (ScaleY(chart, y) != 0 || ScaleAxis(*chart.xMatrix, chart.xColumn, chart.pointCount,
                                               chart.xIntervals, x, false) != 0) {
            surface.SelectFont(previousFont);
            return kScalingFailed;
        }
        if (chart.xLabelIntervalsOverride > 0) {
            x.minor = std::max(chart.xIntervals / chart.xLabelIntervalsOverride, 1);
            chart.xIntervals = chart.xLabelIntervalsOverride;
            x.low = chart.xLowOverride;
            x.high = chart.xHighOverride;
            x.exponent = chart.xExponentOverride;
        }
        x_ = x;
        y_ = y;
        xIntervals_ = chart.xIntervals;
        yIntervals_ = chart.yIntervals;
        layout_ = LayOut(chart.cell, fontHeight_, xIntervals_ * x_.minor, yIntervals_ * y_.minor);
        DrawAxes(surface, chart);
        DrawTexts(surface, chart, font_);
        scaled_ = true;
    } else if (!scaled_) {
        // An overlay without a graph under it has no axes to be drawn on.
        surface.SelectFont(previousFont);
        return kScalingFailed;
    }

    Plot(surface, chart);
    surface.SelectFont(previousFont);
    return kDrawn;
}

void ChartEngine::DrawAxes(Surface& surface, const ChartData& chart) {
    const PlotLayout& l = layout_;
    const int bigT = l.majorTick;
    const Pen previous = surface.SelectPen(Pen{PenStyle::Solid, 2, kBlack});
    surface.MoveTo(l.x0, l.y0);
    surface.LineTo(l.x0 + l.width, l.y0);
    surface.MoveTo(l.x0, l.y0);
    surface.LineTo(l.x0, l.y0 + l.height);

    const int xs = l.width / xIntervals_;
    const int ys = l.height / yIntervals_;
    for (int j = 0; j <= xIntervals_ * x_.minor; ++j) {
        const int x = l.x0 + j * xs / x_.minor;
        surface.MoveTo(x, l.y0);
        surface.LineTo(x, l.y0 - bigT);
    }
    for (int i = 0; i <= xIntervals_; ++i) {
        surface.MoveTo(l.x0 + i * xs, l.y0 - bigT);
        surface.LineTo(l.x0 + i * xs, l.y0 - 2 * bigT);
    }
    for (int j = 0; j <= yIntervals_ * y_.minor; ++j) {
        const int y = l.y0 + j * ys / y_.minor;
        surface.MoveTo(l.x0, y);
        surface.LineTo(l.x0 - bigT, y);
    }
    for (int i = 0; i <= yIntervals_; ++i) {
        surface.MoveTo(l.x0 - bigT, l.y0 + i * ys);
        surface.LineTo(l.x0 - 2 * bigT, l.y0 + i * ys);
    }
    surface.SelectPen(previous);
    if (chart.grid == 1) DrawGrid(surface, chart);
}

void ChartEngine::DrawGrid(Surface& surface, const ChartData&) {
    const PlotLayout& l = layout_;
    const int t = l.minorTick;
    const int xs = l.width / xIntervals_;
    const int ys = l.height / yIntervals_;
    const Pen previous = surface.SelectPen(Pen{PenStyle::Solid, 1, kBlack});
    for (int i = 1; i <= xIntervals_; ++i) {
        const int x = l.x0 + i * xs;
        for (int j = 0; j <= yIntervals_ * y_.minor; ++j) {
            const int y = l.y0 + j * ys / y_.minor;
            surface.MoveTo(x, y - t);
            surface.LineTo(x, y + t);
        }
    }
    // The Y exponent is written over the left end of the top grid line.
    const int minorWidth = std::max(xs / x_.minor, 1);
    const int covered =
        y_.exponent != 0 ? surface.TextExtent(" X10E55 ").width / minorWidth + 1 : 0;
    for (int i = 1; i <= yIntervals_; ++i) {
        const int y = l.y0 + i * ys;
        for (int j = i == yIntervals_ ? covered : 0; j <= xIntervals_ * x_.minor; ++j) {
            const int x = l.x0 + j * xs / x_.minor;
            surface.MoveTo(x - t, y);
            surface.LineTo(x + t, y);
        }
    }
    surface.SelectPen(previous);
}

void ChartEngine::DrawTexts(Surface& surface, const ChartData& chart, const Font& font) {
    const PlotLayout& l = layout_;
    const int f = fontHeight_;
    const int bigT = l.majorTick;
    const int t = l.minorTick;

    surface.SelectFont(Font{font.face, f + f / 4, kTitleWeight, 0});
    const TextSize title = surface.TextExtent(chart.title);
    surface.TextOut(l.x0 + (l.width - title.width) / 2, l.y0 + l.height + 2 * t + title.height,
                    chart.title);
    surface.SelectFont(font);

    const int xs = l.width / xIntervals_;
    const int xValueStep = (x_.high - x_.low) / xIntervals_;
    std::vector<std::string> xNumbers;
    int widest = 0;
    int numberHeight = f;
    for (int i = 0; i <= xIntervals_; ++i) {
        xNumbers.push_back(Format("%d", x_.low + i * xValueStep));
        const TextSize size = surface.TextExtent(xNumbers.back());
        widest = std::max(widest, size.width);
        numberHeight = size.height;
    }
    // Numbers wider than their interval would run into each other (long numbers on a
    // narrow graph of a large screen): they are written smaller, keeping a space between,
    // down to two thirds of the height; below that only every second (third ...) number is
    // written.
    const int space = surface.TextExtent(" ").width;
    const bool narrow = widest + space > xs && widest > 0;
    int stride = 1;
    if (narrow) {
        const int smallest = std::max(f * 2 / 3, 1);
        const int smaller = std::max(f * std::max(xs - space, 1) / widest, smallest);
        surface.SelectFont(Font{font.face, smaller, font.weight, 0});
        int width = 0;
        for (const std::string& text : xNumbers) {
            width = std::max(width, surface.TextExtent(text).width);
        }
        while (width + space > stride * xs) ++stride;
    }
    for (int i = 0; i <= xIntervals_; i += stride) {
        const TextSize size = surface.TextExtent(xNumbers[static_cast<size_t>(i)]);
        surface.TextOut(l.x0 + i * xs - size.width / 2, l.y0 - 2 * bigT,
                        xNumbers[static_cast<size_t>(i)]);
    }
    if (narrow) surface.SelectFont(font);
    const int secondLine = l.y0 - 2 * bigT - numberHeight - t;
    const TextSize xLabel = surface.TextExtent(chart.xLabel);
    int xLabelLeft = l.x0 + (l.width - xLabel.width) / 2;
    if (x_.exponent != 0) {
        const std::string text = ExponentText(x_.exponent);
        const TextSize size = surface.TextExtent(text);
        surface.TextOut(l.x0 - size.width / 2, secondLine, text);
        // A long label (a histogram's class interval) starts after the exponent, not on it.
        xLabelLeft = std::max(xLabelLeft, l.x0 - size.width / 2 + size.width + space);
    }
    surface.TextOut(xLabelLeft, secondLine, chart.xLabel);

    const int ys = l.height / yIntervals_;
    const int yValueStep = (y_.high - y_.low) / yIntervals_;
    int charWidth = 0;
    for (int i = 0; i <= yIntervals_; ++i) {
        const std::string text = Format("%d", y_.low + i * yValueStep);
        const TextSize size = surface.TextExtent(text);
        charWidth = size.width / static_cast<int>(text.size());
        surface.TextOut(l.x0 - 2 * bigT - t - 2 - size.width, l.y0 + i * ys + f / 2, text);
    }
    if (y_.exponent != 0) {
        surface.TextOut(l.x0 + charWidth, l.y0 + l.height + f / 2, ExponentText(y_.exponent));
    }
    const TextSize yLabel = surface.TextExtent(chart.yLabel);
    surface.SelectFont(Font{font.face, f, font.weight, 900});
    surface.TextOut(l.x0 - 2 * bigT - 2 * t - 5 * charWidth - yLabel.height,
                    l.y0 + (l.height - yLabel.width) / 2, chart.yLabel);
    surface.SelectFont(font);
}

void ChartEngine::Plot(Surface& surface, const ChartData& chart) {
    const PlotLayout& l = layout_;
    const bool bars = chart.barChart == 1;
    const Pen solid{PenStyle::Solid, 1, chart.colour};
    const Pen dotted{PenStyle::Dotted, 1, chart.colour};
    const Pen previousPen = surface.SelectPen(bars ? Pen{} : solid);
    const Brush previousBrush = surface.SelectBrush(bars                     ? Brush{kCyan}
                                                    : chart.markerStyle == 1 ? Brush{kBlue}
                                                                             : Brush{});

    int r = static_cast<int>(chartSize_ * 0.005 * (chart.pointSize == 1 ? 1.3 : 1.0) + 0.5);
    r = std::max(r, chart.pointSize + 2);
    surface.ClipTo(ChartRect{l.x0 - r, l.y0 + l.height + r, l.x0 + l.width + r, l.y0 - r});

    const double xPerUnit = static_cast<double>(l.width) / (x_.high - x_.low);
    const double yPerUnit = static_cast<double>(l.height) / (y_.high - y_.low);
    const double xFactor = PowerOfTen(-x_.exponent);
    const double yFactor = PowerOfTen(-y_.exponent);
    const int barWidth = l.width / (xIntervals_ * x_.minor) + 1;

    auto marker = [&](int px, int py) {
        switch (chart.markerStyle) {
            case 1:
                surface.Rectangle(px - r, py - r, px + r, py + r);
                break;
            case 2:
                surface.Ellipse(px - r, py - r, px + r, py + r);
                break;
            case 3:
                surface.MoveTo(px - r, py + r);
                surface.LineTo(px + r + 1, py - r - 1);
                surface.MoveTo(px + r, py + r);
                surface.LineTo(px - r - 1, py - r - 1);
                break;
            default:
                break;
        }
    };

    int previousX = 0;
    int previousY = 0;
    const int last = chart.pointCount - 1;
    for (int i = 0; i <= last; ++i) {
        const int px =
            ToUnit((chart.xMatrix->At(i, chart.xColumn) * xFactor - x_.low) * xPerUnit + l.x0);
        const int py =
            ToUnit((chart.yMatrix->At(i, chart.yColumn) * yFactor - y_.low) * yPerUnit + l.y0);
        if (i == 0) {
            previousX = px;
            previousY = py;
        }
        if (!bars) {
            if (chart.lineStyle == 2) surface.SelectPen(dotted);
            // Dashed: every other segment, so that the dashes follow the points on any
            // surface, however short each segment is.
            if (chart.lineStyle > 0 && (chart.lineStyle != 3 || i % 2 == 1)) {
                surface.MoveTo(previousX, previousY);
                surface.LineTo(px, py);
            }
            if (chart.lineStyle == 2) surface.SelectPen(solid);
            // Each marker is drawn after the line that ends in it, so that it lies on top.
            marker(previousX, previousY);
            if (i == last) marker(px, py);
        } else {
            surface.Rectangle(px, py, px + barWidth, l.y0);
        }
        previousX = px;
        previousY = py;
    }

    surface.RestoreClip();
    surface.SelectBrush(previousBrush);
    surface.SelectPen(previousPen);
}

}  // namespace lumox
