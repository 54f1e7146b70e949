#include "recording_surface.h"

#include <cstdlib>

#include "platform/format.h"

namespace lumox::test {
namespace {

std::string Colour(const Rgb& c) { return Format("%d,%d,%d", c.red, c.green, c.blue); }

}  // namespace

void RecordingSurface::SetPageTop(int top) { calls.push_back(Format("page top %d", top)); }

Pen RecordingSurface::SelectPen(const Pen& p) {
    calls.push_back(Format("pen %s %d %s", p.style == PenStyle::Solid ? "solid" : "dotted", p.width,
                           Colour(p.colour).c_str()));
    const Pen previous = pen;
    pen = p;
    return previous;
}

Brush RecordingSurface::SelectBrush(const Brush& b) {
    calls.push_back("brush " + Colour(b.colour));
    const Brush previous = brush;
    brush = b;
    return previous;
}

Font RecordingSurface::SelectFont(const Font& f) {
    calls.push_back(Format("font %s %d %d %d", f.face.c_str(), f.height, f.weight, f.escapement));
    const Font previous = font;
    font = f;
    return previous;
}

void RecordingSurface::MoveTo(int x, int y) { calls.push_back(Format("move %d %d", x, y)); }
void RecordingSurface::LineTo(int x, int y) { calls.push_back(Format("line %d %d", x, y)); }

void RecordingSurface::Rectangle(int left, int top, int right, int bottom) {
    calls.push_back(Format("rect %d %d %d %d", left, top, right, bottom));
}

void RecordingSurface::Ellipse(int left, int top, int right, int bottom) {
    calls.push_back(Format("ellipse %d %d %d %d", left, top, right, bottom));
}

void RecordingSurface::TextOut(int x, int y, const std::string& text) {
    calls.push_back(Format("text %d %d '%s'", x, y, text.c_str()));
}

TextSize RecordingSurface::TextExtent(const std::string& text) {
    const int height = std::abs(font.height);
    return TextSize{static_cast<int>(text.size()) * (height / 2), height};
}

TextMetrics RecordingSurface::GetTextMetrics() {
    const int height = std::abs(font.height);
    return TextMetrics{height, 1, height / 2};
}

void RecordingSurface::ClipTo(const ChartRect& r) {
    calls.push_back(Format("clip %d %d %d %d", r.left, r.top, r.right, r.bottom));
}

void RecordingSurface::RestoreClip() { calls.push_back("unclip"); }

std::string RecordingSurface::Text() const {
    std::string text;
    for (const std::string& line : calls) text += line + "\n";
    return text;
}

std::vector<std::string> RecordingSurface::Lines(const std::string& prefix) const {
    std::vector<std::string> lines;
    for (const std::string& line : calls) {
        if (line.compare(0, prefix.size(), prefix) == 0) lines.push_back(line);
    }
    return lines;
}

}  // namespace lumox::test
