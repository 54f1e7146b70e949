// Drawing a four-graph page of 16383 points per graph: the largest page a data set of
// four columns can make (4 x 16383 values fill the matrix).
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdint>

#include "document/document.h"
#include "graph/chart_engine.h"
#include "graph/graph_page.h"
#include "graph/surface.h"
#include "numeric/matrix.h"
#include "render/qt_surface.h"

namespace {

constexpr uint32_t kPoints = 16383;

// Four columns of fixed pseudo-random values, each graph one pair of them, a trend line
// on every graph.
void LoadPage(lumox::CLumoxDoc& doc) {
    doc.m_nRows = kPoints;
    doc.m_nCols = 4;
    doc.m_astrColNames = {"A", "B", "C", "D"};
    doc.GetData().Resize(kPoints, 4);
    uint64_t seed = 88172645463325252ull;
    for (uint32_t i = 0; i < kPoints; ++i) {
        for (uint32_t j = 0; j < 4; ++j) {
            seed ^= seed << 13;
            seed ^= seed >> 7;
            seed ^= seed << 17;
            doc.GetData().At(i, j) = static_cast<double>(seed % 100000) / 100.0 + 10.0 * j;
        }
    }
    for (int k = 0; k < 4; ++k) doc.SetupGraphSlot(k, k, (k + 1) % 4, 0, 1);
    doc.m_nGraphsPerPage = 4;
}

// A surface that draws nothing: the cost of the engine and the page alone.
class NullSurface : public lumox::Surface {
public:
    void SetPageTop(int) override {}
    lumox::Pen SelectPen(const lumox::Pen& p) override { return p; }
    lumox::Brush SelectBrush(const lumox::Brush& b) override { return b; }
    lumox::Font SelectFont(const lumox::Font& f) override { return f; }
    void MoveTo(int x, int y) override { calls += x + y; }
    void LineTo(int x, int y) override { calls += x + y; }
    void Rectangle(int l, int t, int, int) override { calls += l + t; }
    void Ellipse(int l, int t, int, int) override { calls += l + t; }
    void TextOut(int x, int, const std::string&) override { calls += x; }
    lumox::TextSize TextExtent(const std::string& text) override {
        return {static_cast<int>(text.size()) * 8, 16};
    }
    lumox::TextMetrics GetTextMetrics() override { return {16, 1, 8}; }
    int VerticalResolution() override { return 768; }
    int HorizontalResolution() override { return 1024; }
    int PixelsPerInchX() override { return 96; }
    int PixelsPerInchY() override { return 96; }
    bool IsPrinter() override { return false; }
    void ClipTo(const lumox::ChartRect&) override {}
    void RestoreClip() override {}
    int64_t calls = 0;
};

void FourGraphPageEngineOnly(benchmark::State& state) {
    lumox::CLumoxDoc doc;
    LoadPage(doc);
    lumox::ChartEngine engine;
    for (auto _ : state) {
        NullSurface surface;
        lumox::DrawGraphPage(doc.GetGraphPage(), surface, engine);
        benchmark::DoNotOptimize(surface.calls);
    }
}
BENCHMARK(FourGraphPageEngineOnly)->Unit(benchmark::kMillisecond);

// The same page rasterised into a 624 x 648 image, as the graph window draws it.
void FourGraphPageRaster(benchmark::State& state) {
    if (QGuiApplication::instance() == nullptr) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "bench_graph";
        static char* argv[] = {name, nullptr};
        static QGuiApplication application(argc, argv);
    }
    lumox::CLumoxDoc doc;
    LoadPage(doc);
    lumox::ChartEngine engine;
    const lumox::GraphPageLayout layout = lumox::ComputeGraphPageLayout(4, 96, 96, false, 0);
    QImage image(layout.pageWidth, layout.pageHeight, QImage::Format_RGB32);
    image.setDotsPerMeterX(3780);
    image.setDotsPerMeterY(3780);
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        lumox::QtSurface surface(painter, false, 768);
        lumox::DrawGraphPage(doc.GetGraphPage(), surface, engine);
    }
}
BENCHMARK(FourGraphPageRaster)->Unit(benchmark::kMillisecond);

}  // namespace
