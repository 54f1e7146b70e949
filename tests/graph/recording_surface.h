#ifndef LUMOX_TESTS_GRAPH_RECORDING_SURFACE_H
#define LUMOX_TESTS_GRAPH_RECORDING_SURFACE_H

#include <string>
#include <vector>

#include "graph/surface.h"

namespace lumox::test {

// Records every drawing call as one line of text. Text is measured as if every character
// were half the font height wide and the text one font height high, so that layouts can
// be worked out by hand.
class RecordingSurface : public Surface {
public:
    void SetPageTop(int top) override;
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
    int VerticalResolution() override { return verticalResolution; }
    int HorizontalResolution() override { return horizontalResolution; }
    int PixelsPerInchX() override { return pixelsPerInch; }
    int PixelsPerInchY() override { return pixelsPerInch; }
    bool IsPrinter() override { return printer; }
    void ClipTo(const ChartRect& rect) override;
    void RestoreClip() override;

    // The recorded lines joined with newlines, each line ending in one.
    std::string Text() const;
    // The recorded lines that start with prefix.
    std::vector<std::string> Lines(const std::string& prefix) const;

    std::vector<std::string> calls;
    int verticalResolution = 400;
    int horizontalResolution = 600;
    int pixelsPerInch = 96;
    bool printer = false;
    Pen pen;
    Brush brush;
    Font font;
};

}  // namespace lumox::test

#endif
