#ifndef LUMOX_RENDER_QT_SURFACE_H
#define LUMOX_RENDER_QT_SURFACE_H

#include <QFont>
#include <QPainter>
#include <QPoint>
#include <QRegion>
#include <QString>

#include "graph/surface.h"

namespace lumox {

// The screen's pixels per inch that the charts' pen widths are given in: on paper a pen
// is as wide as it is on the screen, width / 96 of an inch.
constexpr int kPenDpi = 96;

// Sets pen and brush on painter so that its paint engine is told of them. A printer's
// engine keeps the pen and brush its last job ended with, while a new painter takes the
// defaults as set and tells it nothing: a job's first text would come out in the colour
// of the last job's last line.
void SetPenAndBrushAnew(QPainter& painter, const QPen& pen, const QBrush& brush);

// The drawing surface on a QPainter: the graph window, the printer and image files.
// Chart y grows upward: chart (x, y) lands on device (x, page top - y), one chart unit per
// device unit; any translation already set on the painter (scrolling) still applies. On a
// printer pen widths are screen pixels (kPenDpi), not the printer's dots.
class QtSurface : public Surface {
public:
    // verticalResolution is the device height the font rule sees (the screen's height for
    // the graph window); 0 takes the height of the painter's device.
    QtSurface(QPainter& painter, bool printer, int verticalResolution = 0);

    void SetPageTop(int top) override { pageTop_ = top; }
    Pen SelectPen(const Pen& pen) override;
    Brush SelectBrush(const Brush& brush) override;
    Font SelectFont(const Font& font) override;
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void Rectangle(int left, int top, int right, int bottom) override;
    void Ellipse(int left, int top, int right, int bottom) override;
    void TextOut(int x, int y, const std::string& text) override;
    TextSize TextExtent(const std::string& text) override;
    TextMetrics GetTextMetrics() override;
    int VerticalResolution() override;
    int HorizontalResolution() override;
    int PixelsPerInchX() override;
    int PixelsPerInchY() override;
    bool IsPrinter() override { return printer_; }
    void ClipTo(const ChartRect& rect) override;
    void RestoreClip() override;

    // Program text (UTF-8, or Latin-1 from older data files) as Qt text.
    static QString ToQString(const std::string& text);

private:
    QPoint Map(int x, int y) const { return QPoint(x, pageTop_ - y); }
    // The device rectangle of a chart box, right and bottom edges excluded; empty when the
    // box has no inside.
    QRect DeviceBox(int left, int top, int right, int bottom) const;
    // Whether a box may be drawn as two pixel fills: a raster device, neither turned nor
    // sheared, and a solid one-pixel pen.
    bool FillsBoxesByPixels() const;

    QPainter& painter_;
    bool printer_;
    int verticalResolution_;
    int pageTop_ = 0;
    QPoint current_;
    Pen pen_;
    Brush brush_;
    Font font_;
    QFont qfont_;
    bool savedClipping_ = false;
    QRegion savedClip_;
};

}  // namespace lumox

#endif
