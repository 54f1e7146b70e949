#include "recording_printer.h"

#include <QTextItem>
#include <climits>

namespace lumox::test {

void RecordingPaintEngine::updateState(const QPaintEngineState& state) {
    if (state.state() & QPaintEngine::DirtyPen) pen_ = state.pen();
}

void RecordingPaintEngine::drawLines(const QLineF* lines, int count) {
    for (int i = 0; i < count; ++i) strokes.push_back({lines[i], pen_.color(), pen_.widthF()});
}

void RecordingPaintEngine::drawLines(const QLine* lines, int count) {
    for (int i = 0; i < count; ++i)
        strokes.push_back({QLineF(lines[i]), pen_.color(), pen_.widthF()});
}

void RecordingPaintEngine::drawTextItem(const QPointF&, const QTextItem& item) {
    texts.push_back({item.text(), pen_.color()});
}

int RecordingPrintEngine::metric(QPaintDevice::PaintDeviceMetric metric) const {
    switch (metric) {
        case QPaintDevice::PdmWidth:
            return dpi_ * 17 / 2;
        case QPaintDevice::PdmHeight:
            return dpi_ * 11;
        case QPaintDevice::PdmWidthMM:
            return 216;
        case QPaintDevice::PdmHeightMM:
            return 279;
        case QPaintDevice::PdmDpiX:
        case QPaintDevice::PdmDpiY:
        case QPaintDevice::PdmPhysicalDpiX:
        case QPaintDevice::PdmPhysicalDpiY:
            return dpi_;
        case QPaintDevice::PdmNumColors:
            return INT_MAX;
        case QPaintDevice::PdmDepth:
            return 32;
        case QPaintDevice::PdmDevicePixelRatio:
            return 1;
        case QPaintDevice::PdmDevicePixelRatioScaled:
            return static_cast<int>(QPaintDevice::devicePixelRatioFScale());
        default:
            return 0;
    }
}

QVariant RecordingPrintEngine::property(PrintEnginePropertyKey key) const {
    const auto found = properties_.find(key);
    if (found != properties_.end()) return found->second;
    if (key == PPK_Resolution) return dpi_;
    return QVariant();
}

RecordingPrinter::RecordingPrinter(int dpi)
    : QPrinter(QPrinter::HighResolution),
      print_(std::make_unique<RecordingPrintEngine>(dpi)),
      paint_(std::make_unique<RecordingPaintEngine>()) {
    setEngines(print_.get(), paint_.get());
}

}  // namespace lumox::test
