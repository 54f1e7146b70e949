// Drawing a four-graph page of 16383 points per graph: the largest page a data set of
// four columns can make (4 x 16383 values fill the matrix).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QMdiSubWindow>
#include <QPainter>
#include <QScrollBar>
#include <QSettings>
#include <QTemporaryDir>
#include <cstdint>
#include <memory>

#include "document/lumox_doc.h"
#include "graph/chart_engine.h"
#include "graph/graph_page.h"
#include "graph/surface.h"
#include "numeric/matrix.h"
#include "render/qt_surface.h"
#include "ui/document_windows.h"
#include "ui/graf_view.h"
#include "ui/lumox_app.h"
#include "ui/ui_dialogs.h"

namespace {

constexpr uint32_t kPoints = 16383;

// Four columns of fixed pseudo-random values, each graph one pair of them, a trend line
// on every graph.
void LoadPage(lumox::CLumoxDoc& doc) {
    lumox::Matrix values(kPoints, 4);
    uint64_t seed = 88172645463325252ull;
    for (uint32_t i = 0; i < kPoints; ++i) {
        for (uint32_t j = 0; j < 4; ++j) {
            seed ^= seed << 13;
            seed ^= seed >> 7;
            seed ^= seed << 17;
            values.At(i, j) = static_cast<double>(seed % 100000) / 100.0 + 10.0 * j;
        }
    }
    lumox::DataSet data;
    data.Assign("A B C D", {"A", "B", "C", "D"}, std::move(values));
    doc.AdoptDataSet(std::move(data));
    std::vector<lumox::CLumoxDoc::GraphChoice> graphs;
    for (int k = 0; k < 4; ++k) graphs.push_back({k, (k + 1) % 4, 0, 1});
    doc.SetupScatterPage(4, graphs);
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
        lumox::Diagnostics said;
        lumox::DrawGraphPage(doc.GetGraphPage(), surface, engine, said);
        benchmark::DoNotOptimize(surface.calls);
    }
}
BENCHMARK(FourGraphPageEngineOnly)->Unit(benchmark::kMillisecond);

// The same page rasterised into a 624 x 648 image, as the graph window draws it.
// The graph window needs a widget application; the offscreen platform when none is set.
void EnsureApplication() {
    if (QApplication::instance() != nullptr) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "bench_graph";
    static char* argv[] = {name, nullptr};
    static QApplication application(argc, argv);
}

void FourGraphPageRaster(benchmark::State& state) {
    EnsureApplication();
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
        lumox::Diagnostics said;
        lumox::DrawGraphPage(doc.GetGraphPage(), surface, engine, said);
    }
}
BENCHMARK(FourGraphPageRaster)->Unit(benchmark::kMillisecond);

// The program with the four-graph page in its graph window, in a 400 x 300 frame.
class GraphWindow {
public:
    GraphWindow()
        : settings_(dir_.filePath("lumox.ini"), QSettings::IniFormat), app_(settings_, dialogs_) {
        app_.InitInstance();
        QFile data(dir_.filePath("page.dat"));
        data.open(QIODevice::WriteOnly);
        data.write("A B C D\r\n1 2 3 4\r\n5 6 7 8\r\n");
        data.close();
        app_.OpenDataFile(data.fileName());
        lumox::CLumoxDoc& doc = app_.Document()->Doc();
        LoadPage(doc);
        doc.GetHost()->ShowGraphWindow();
        view_ = static_cast<lumox::CGrafView*>(app_.Document()->FindView(lumox::ViewKind::Graph));
        view_->parentWidget()->showNormal();
        view_->parentWidget()->resize(400, 300);
        QApplication::processEvents();
        view_->viewport()->repaint();
    }
    lumox::CGrafView& View() { return *view_; }

private:
    QTemporaryDir dir_;
    QSettings settings_;
    lumox::QtDialogs dialogs_;
    lumox::CLumoxApp app_;
    lumox::CGrafView* view_ = nullptr;
};

// The settings changed: the window draws the whole page anew and shows it.
void GraphWindowRedraw(benchmark::State& state) {
    EnsureApplication();
    GraphWindow window;
    for (auto _ : state) {
        window.View().OnUpdate();
        window.View().viewport()->repaint();
    }
    state.counters["page draws"] = window.View().PageDraws();
}
BENCHMARK(GraphWindowRedraw)->Unit(benchmark::kMillisecond);

// Scrolling a line down and back: only the strip that comes into view is painted, from
// the page already drawn.
void GraphWindowScrollLine(benchmark::State& state) {
    EnsureApplication();
    GraphWindow window;
    QScrollBar* bar = window.View().verticalScrollBar();
    const int draws = window.View().PageDraws();
    for (auto _ : state) {
        bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QApplication::processEvents();
        bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
        QApplication::processEvents();
    }
    // Zero: scrolling never draws the page again.
    state.counters["page draws"] = window.View().PageDraws() - draws;
}
BENCHMARK(GraphWindowScrollLine)->Unit(benchmark::kMillisecond);

}  // namespace
