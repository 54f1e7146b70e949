#ifndef LUMOX_GRAPH_SURFACE_H
#define LUMOX_GRAPH_SURFACE_H

#include <string>

#include "graph/chart_data.h"

namespace lumox {

// The colours of the charts.
constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kBlue{0, 0, 255};
constexpr Rgb kCyan{0, 255, 255};

enum class PenStyle { Solid, Dotted };

struct Pen {
    PenStyle style = PenStyle::Solid;
    int width = 1;
    Rgb colour;
    friend bool operator==(const Pen&, const Pen&) = default;
};

// A solid brush; the default is the white brush every fresh surface starts with.
struct Brush {
    Rgb colour = kWhite;
    friend bool operator==(const Brush&, const Brush&) = default;
};

// height > 0 is the cell height (ascent plus descent), height < 0 the character height;
// escapement is in tenths of a degree counter-clockwise (900 reads upwards).
struct Font {
    std::string face = "Arial";
    int height = 0;
    int weight = 400;
    int escapement = 0;
    friend bool operator==(const Font&, const Font&) = default;
};

struct TextSize {
    int width = 0;
    int height = 0;
};

struct TextMetrics {
    int height = 0;  // ascent plus descent
    int externalLeading = 0;
    int averageCharWidth = 0;
};

// Where charts are drawn: screen, printer, image files, or a recorder in tests. All
// coordinates are chart coordinates, one unit per device unit, y growing upward from the
// page top set by SetPageTop. Thin wrappers only: no drawing logic lives here.
class Surface {
public:
    virtual ~Surface() = default;

    // Chart y = top lies on the top edge of the surface; y = top - k lies k units below.
    virtual void SetPageTop(int top) = 0;

    // Each Select returns the previous object so that the caller can put it back.
    virtual Pen SelectPen(const Pen& pen) = 0;
    virtual Brush SelectBrush(const Brush& brush) = 0;
    virtual Font SelectFont(const Font& font) = 0;

    virtual void MoveTo(int x, int y) = 0;
    // A line from the current position, which then moves to (x, y).
    virtual void LineTo(int x, int y) = 0;
    // Outlined with the current pen, filled with the current brush.
    virtual void Rectangle(int left, int top, int right, int bottom) = 0;
    virtual void Ellipse(int left, int top, int right, int bottom) = 0;
    // (x, y) is the top-left corner of the text before rotation by the font's escapement.
    virtual void TextOut(int x, int y, const std::string& text) = 0;
    // The unrotated extent of text in the current font.
    virtual TextSize TextExtent(const std::string& text) = 0;
    virtual TextMetrics GetTextMetrics() = 0;

    // Height and width of the drawable area in device pixels.
    virtual int VerticalResolution() = 0;
    virtual int HorizontalResolution() = 0;
    virtual int PixelsPerInchX() = 0;
    virtual int PixelsPerInchY() = 0;
    virtual bool IsPrinter() = 0;

    // Limits all drawing to the rectangle until RestoreClip.
    virtual void ClipTo(const ChartRect& rect) = 0;
    virtual void RestoreClip() = 0;
};

}  // namespace lumox

#endif
