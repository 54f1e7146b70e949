#include "render/graph_export.h"

#include <QBuffer>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <algorithm>
#include <cctype>
#include <filesystem>

#include "document/lumox_doc.h"
#include "graph/chart_engine.h"
#include "graph/graph_page.h"
#include "platform/atomic_file.h"
#include "platform/format.h"
#include "render/qt_surface.h"

namespace lumox {
namespace {

constexpr int kScreenDpi = 96;
constexpr int kPrinterDpi = 300;
constexpr double kPrinterMarginInches = 0.25;

// The page as the graph window lays it out at 96 pixels per inch.
GraphPageLayout ScreenLayout(const CLumoxDoc& doc) {
    return ComputeGraphPageLayout(doc.GraphsPerPage(), kScreenDpi, kScreenDpi, false, 0);
}

// The page on a white ground, as the graph window shows it.
void DrawScreenPage(CLumoxDoc& doc, QPaintDevice& device, const GraphPageLayout& layout,
                    Diagnostics& said) {
    QPainter painter(&device);
    painter.fillRect(QRect(0, 0, layout.pageWidth, layout.pageHeight), Qt::white);
    QtSurface surface(painter, false, kExportScreenHeight);
    ChartEngine engine;
    DrawGraphPage(doc.GetGraphPage(), surface, engine, said);
}

QByteArray RenderPng(CLumoxDoc& doc, Diagnostics& said) {
    const QImage image = GraphPageImage(doc, said);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG")) return {};
    return bytes;
}

}  // namespace

QImage GraphPageImage(CLumoxDoc& doc, Diagnostics& said) {
    const GraphPageLayout layout = ScreenLayout(doc);
    QImage image(layout.pageWidth, layout.pageHeight, QImage::Format_RGB32);
    // 96 pixels per inch: 3780 dots per metre.
    image.setDotsPerMeterX(3780);
    image.setDotsPerMeterY(3780);
    DrawScreenPage(doc, image, layout, said);
    return image;
}

QByteArray GraphPageSvg(CLumoxDoc& doc, Diagnostics& said) {
    const GraphPageLayout layout = ScreenLayout(doc);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setResolution(kScreenDpi);
    svg.setSize(QSize(layout.pageWidth, layout.pageHeight));
    svg.setViewBox(QRect(0, 0, layout.pageWidth, layout.pageHeight));
    svg.setTitle(QtSurface::ToQString(doc.GetTitle() + " - Graph"));
    DrawScreenPage(doc, svg, layout, said);
    return bytes;
}

namespace {

QByteArray RenderPdf(CLumoxDoc& doc, Diagnostics& said) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        pdf.setResolution(kPrinterDpi);
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait,
                                      QMarginsF(kPrinterMarginInches, kPrinterMarginInches,
                                                kPrinterMarginInches, kPrinterMarginInches),
                                      QPageLayout::Inch));
        pdf.setTitle(QtSurface::ToQString(doc.GetTitle() + " - Graph"));
        QPainter painter(&pdf);
        QtSurface surface(painter, true);
        ChartEngine engine;
        DrawGraphPage(doc.GetGraphPage(), surface, engine, said);
    }
    return bytes;
}

}  // namespace

bool ExportGraphPage(CLumoxDoc& doc, const std::string& path, Diagnostics& said) {
    std::string extension = std::filesystem::path(path).extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    QByteArray bytes;
    if (extension == ".png") {
        bytes = RenderPng(doc, said);
    } else if (extension == ".svg") {
        bytes = GraphPageSvg(doc, said);
    } else if (extension == ".pdf") {
        bytes = RenderPdf(doc, said);
    } else {
        said.Add(Format("Graph: %s is not a .png, .svg or .pdf file!", path.c_str()), Icon::Stop);
        return false;
    }
    std::string failure = path + ": the graph could not be drawn";
    const bool written =
        !bytes.isEmpty() &&
        WriteFileAtomically(
            path, std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())), &failure);
    if (!written) said.Add(Format("Could not save graph to %s!", failure.c_str()), Icon::Stop);
    return written;
}

}  // namespace lumox
