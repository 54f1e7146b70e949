#ifndef LUMOX_TESTS_UI_RECORDING_PRINTER_H
#define LUMOX_TESTS_UI_RECORDING_PRINTER_H

#include <QColor>
#include <QLineF>
#include <QPaintEngine>
#include <QPrintEngine>
#include <QPrinter>
#include <QString>
#include <map>
#include <memory>
#include <vector>

namespace lumox::test {

// A paint engine that records the lines and texts drawn with the pen they were drawn
// with. Like a real printer's engine it keeps its pen from one job to the next: only
// what the painter tells it changes the pen.
class RecordingPaintEngine : public QPaintEngine {
public:
    struct Stroke {
        QLineF line;
        QColor colour;
        qreal width = 0;
    };
    struct Text {
        QString text;
        QColor colour;
    };

    RecordingPaintEngine() : QPaintEngine(QPaintEngine::AllFeatures) {}
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState& state) override;
    void drawLines(const QLineF* lines, int count) override;
    void drawLines(const QLine* lines, int count) override;
    void drawTextItem(const QPointF& at, const QTextItem& item) override;
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
    void drawPath(const QPainterPath&) override {}
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawImage(const QRectF&, const QImage&, const QRectF&,
                   Qt::ImageConversionFlags) override {}
    Type type() const override { return QPaintEngine::User; }

    std::vector<Stroke> strokes;
    std::vector<Text> texts;

private:
    QPen pen_;
};

// A letter-size page at dpi pixels per inch that keeps what is set on it.
class RecordingPrintEngine : public QPrintEngine {
public:
    explicit RecordingPrintEngine(int dpi) : dpi_(dpi) {}
    bool newPage() override { return true; }
    bool abort() override { return false; }
    int metric(QPaintDevice::PaintDeviceMetric metric) const override;
    QPrinter::PrinterState printerState() const override { return QPrinter::Idle; }
    void setProperty(PrintEnginePropertyKey key, const QVariant& value) override {
        properties_[key] = value;
    }
    QVariant property(PrintEnginePropertyKey key) const override;

private:
    int dpi_;
    std::map<PrintEnginePropertyKey, QVariant> properties_;
};

// A printer whose jobs go to the recording engines, one pair for all its jobs.
class RecordingPrinter : public QPrinter {
public:
    explicit RecordingPrinter(int dpi);
    RecordingPaintEngine& Recorded() { return *paint_; }

private:
    std::unique_ptr<RecordingPrintEngine> print_;
    std::unique_ptr<RecordingPaintEngine> paint_;
};

}  // namespace lumox::test

#endif
