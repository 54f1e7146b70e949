#include "render/qt_surface.h"

#include <QFontMetrics>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPen>
#include <QStringDecoder>
#include <QTransform>
#include <algorithm>
#include <cmath>

namespace lumox {
namespace {

QColor ToQColor(const Rgb& c) { return QColor(c.red, c.green, c.blue); }

}  // namespace

void SetPenAndBrushAnew(QPainter& painter, const QPen& pen, const QBrush& brush) {
    // A pen or brush equal to the one the painter believes set is not passed on: another
    // one first makes it pass.
    painter.setPen(pen.style() == Qt::NoPen ? QPen(Qt::black) : QPen(Qt::NoPen));
    painter.setPen(pen);
    painter.setBrush(brush.style() == Qt::NoBrush ? QBrush(Qt::black) : QBrush(Qt::NoBrush));
    painter.setBrush(brush);
}

QtSurface::QtSurface(QPainter& painter, bool printer, int verticalResolution)
    : painter_(painter), printer_(printer), verticalResolution_(verticalResolution) {
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setRenderHint(QPainter::TextAntialiasing, true);
    SetPenAndBrushAnew(painter_, QPen(Qt::black, 1), QBrush(Qt::white));
}

QString QtSurface::ToQString(const std::string& text) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString decoded = utf8(QByteArrayView(text.data(), static_cast<qsizetype>(text.size())));
    if (!utf8.hasError()) return decoded;
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

Pen QtSurface::SelectPen(const Pen& pen) {
    const Pen previous = pen_;
    pen_ = pen;
    QPen qpen(ToQColor(pen.colour), std::max(pen.width, 1));
    if (printer_) qpen.setWidthF(std::max(pen.width, 1) * PixelsPerInchX() / double{kPenDpi});
    qpen.setStyle(pen.style == PenStyle::Dotted ? Qt::DotLine : Qt::SolidLine);
    painter_.setPen(qpen);
    return previous;
}

Brush QtSurface::SelectBrush(const Brush& brush) {
    const Brush previous = brush_;
    brush_ = brush;
    painter_.setBrush(ToQColor(brush.colour));
    return previous;
}

Font QtSurface::SelectFont(const Font& font) {
    const Font previous = font_;
    font_ = font;
    QFont qfont(QString::fromStdString(font.face));
    qfont.setWeight(static_cast<QFont::Weight>(std::clamp(font.weight, 100, 900)));
    // A positive height is the whole cell, as the font's ascent plus descent; Qt sizes by
    // the em, so convert through the face's own proportions.
    int pixels = std::abs(font.height);
    if (font.height > 0) {
        QFont probe(qfont);
        probe.setPixelSize(1000);
        const qreal cell = QFontMetricsF(probe, painter_.device()).height();
        if (cell > 0) pixels = static_cast<int>(std::lround(font.height * 1000.0 / cell));
    }
    qfont.setPixelSize(std::max(pixels, 1));
    qfont_ = qfont;
    painter_.setFont(qfont_);
    return previous;
}

void QtSurface::MoveTo(int x, int y) { current_ = Map(x, y); }

void QtSurface::LineTo(int x, int y) {
    const QPoint to = Map(x, y);
    painter_.drawLine(current_, to);
    current_ = to;
}

QRect QtSurface::DeviceBox(int left, int top, int right, int bottom) const {
    const QPoint a = Map(left, top);
    const QPoint b = Map(right, bottom);
    const int x1 = std::min(a.x(), b.x());
    const int x2 = std::max(a.x(), b.x());
    const int y1 = std::min(a.y(), b.y());
    const int y2 = std::max(a.y(), b.y());
    if (x2 - x1 < 1 || y2 - y1 < 1) return QRect();
    // Outlined boxes cover x1 .. x2 - 1: neighbouring boxes that share an edge share a line.
    return QRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1);
}

bool QtSurface::FillsBoxesByPixels() const {
    // Scaled (a high-density screen), the box keeps its look in logical pixels: the outline
    // one logical pixel wide, as crisp as the rest of the page.
    const QTransform& device = painter_.deviceTransform();
    return painter_.paintEngine()->type() == QPaintEngine::Raster &&
           device.type() <= QTransform::TxScale && device.dx() == std::trunc(device.dx()) &&
           device.dy() == std::trunc(device.dy()) && pen_.style == PenStyle::Solid &&
           pen_.width <= 1 && !painter_.testRenderHint(QPainter::Antialiasing);
}

void QtSurface::Rectangle(int left, int top, int right, int bottom) {
    const QRect box = DeviceBox(left, top, right, bottom);
    if (box.isNull()) return;
    if (!FillsBoxesByPixels()) {
        painter_.drawRect(box);
        return;
    }
    // On pixels, a one-pixel outline is a filled box with the inside filled over it: the
    // same pixels as the stroked box at a third of the cost, which a page of 65,000 point
    // markers feels.
    painter_.fillRect(box.adjusted(0, 0, 1, 1), painter_.pen().color());
    if (box.width() > 1 && box.height() > 1) {
        painter_.fillRect(box.adjusted(1, 1, 0, 0), painter_.brush().color());
    }
}

void QtSurface::Ellipse(int left, int top, int right, int bottom) {
    const QRect box = DeviceBox(left, top, right, bottom);
    if (box.isNull()) return;
    painter_.setRenderHint(QPainter::Antialiasing, true);
    painter_.drawEllipse(box);
    painter_.setRenderHint(QPainter::Antialiasing, false);
}

void QtSurface::TextOut(int x, int y, const std::string& text) {
    const QFontMetrics metrics(qfont_, painter_.device());
    const QPoint at = Map(x, y);
    painter_.save();
    painter_.translate(at);
    // Escapement turns the text counter-clockwise about its top-left corner.
    if (font_.escapement != 0) painter_.rotate(-font_.escapement / 10.0);
    painter_.drawText(QPoint(0, metrics.ascent()), ToQString(text));
    painter_.restore();
}

TextSize QtSurface::TextExtent(const std::string& text) {
    const QFontMetrics metrics(qfont_, painter_.device());
    return TextSize{metrics.horizontalAdvance(ToQString(text)), metrics.height()};
}

TextMetrics QtSurface::GetTextMetrics() {
    const QFontMetrics metrics(qfont_, painter_.device());
    return TextMetrics{metrics.height(), metrics.leading(), metrics.averageCharWidth()};
}

int QtSurface::VerticalResolution() {
    return verticalResolution_ > 0 ? verticalResolution_ : painter_.device()->height();
}

int QtSurface::HorizontalResolution() { return painter_.device()->width(); }
int QtSurface::PixelsPerInchX() { return painter_.device()->logicalDpiX(); }
int QtSurface::PixelsPerInchY() { return painter_.device()->logicalDpiY(); }

void QtSurface::ClipTo(const ChartRect& rect) {
    savedClipping_ = painter_.hasClipping();
    savedClip_ = painter_.clipRegion();
    const QPoint a = Map(rect.left, rect.top);
    const QPoint b = Map(rect.right, rect.bottom);
    const QRect box = QRect(a, b).normalized();
    // Right and bottom edges excluded, as for boxes.
    painter_.setClipRect(QRect(box.left(), box.top(), box.width() - 1, box.height() - 1),
                         savedClipping_ ? Qt::IntersectClip : Qt::ReplaceClip);
}

void QtSurface::RestoreClip() {
    if (savedClipping_) {
        painter_.setClipRegion(savedClip_);
    } else {
        painter_.setClipping(false);
    }
}

}  // namespace lumox
