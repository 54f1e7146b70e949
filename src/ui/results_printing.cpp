#include "ui/results_printing.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>
#include <algorithm>

#include "document/lumox_doc.h"
#include "document/recording.h"
#include "render/qt_surface.h"

namespace lumox {

QFont ResultsFont() {
    QFont font(QStringLiteral("Courier New"), 10);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    return font;
}

ResultsPageLayout LayoutResultsPage(int dpiX, int dpiY, int pageHeight, int lineHeight,
                                    int charWidth) {
    ResultsPageLayout layout;
    const int left = dpiX / 2 + dpiX / 8;
    const int right = left + 7 * dpiX;
    const int top = 3 * dpiY / 4;
    int bottom = 10 * dpiY;
    // Landscape or short paper: keep the text and the page number on the sheet.
    if (pageHeight > 0 && pageHeight < 11 * dpiY)
        bottom = std::max(top + lineHeight, pageHeight - dpiY);
    layout.text = QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
    layout.lineHeight = std::max(1, lineHeight);
    layout.header = QPoint(left, layout.lineHeight);
    layout.ruleY = layout.lineHeight / 2 + 2 * layout.lineHeight;
    layout.pageNumber = QPoint((left + right) / 2, bottom + 2 * layout.lineHeight);
    layout.headerWidth = charWidth > 0 ? (right - left) / charWidth : 0;
    layout.charsPerLine = std::max(1, layout.headerWidth);
    layout.linesPerPage = std::max(1, (bottom - top) / layout.lineHeight);
    return layout;
}

QStringList BreakPrintedLines(const QString& text, int charsPerLine) {
    QStringList printed;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (const QString& raw : lines) {
        QString line;
        for (const QChar c : raw) {
            if (c == QLatin1Char('\t')) {
                line.append(QString(8 - line.size() % 8, QLatin1Char(' ')));
            } else if (c != QLatin1Char('\r')) {
                line.append(c);
            }
        }
        while (line.size() > charsPerLine) {
            qsizetype cut = line.lastIndexOf(QLatin1Char(' '), charsPerLine);
            cut = cut > 0 ? cut + 1 : charsPerLine;
            printed.append(line.left(cut));
            line.remove(0, cut);
        }
        printed.append(line);
    }
    // The text's last line break opens no line of its own.
    if (printed.size() > 1 && printed.last().isEmpty()) printed.removeLast();
    return printed;
}

int PrintResultsText(QPrinter& printer, CLumoxDoc& doc, const QString& text) {
    QPainter painter;
    if (!painter.begin(&printer)) return 0;
    painter.setFont(ResultsFont());
    SetPenAndBrushAnew(painter, QPen(Qt::black), QBrush(Qt::NoBrush));
    const QFontMetrics metrics = painter.fontMetrics();
    const int pageHeight = printer.paperRect(QPrinter::DevicePixel).toRect().height();
    const ResultsPageLayout layout =
        LayoutResultsPage(printer.logicalDpiX(), printer.logicalDpiY(), pageHeight,
                          metrics.height() + metrics.leading(), metrics.averageCharWidth());

    const QStringList lines = BreakPrintedLines(text, layout.charsPerLine);
    const int pageCount = std::max<int>(
        1, static_cast<int>((lines.size() + layout.linesPerPage - 1) / layout.linesPerPage));
    int first = 1;
    int last = pageCount;
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        first = printer.fromPage();
        last = std::min(pageCount, printer.toPage() > 0 ? printer.toPage() : pageCount);
    }

    // The rule is as wide as the graph page's: a screen pixel.
    QPen rule = painter.pen();
    rule.setWidthF(std::max(1.0, printer.logicalDpiY() / double{kPenDpi}));
    int printed = 0;
    for (int page = first; page <= last; ++page) {
        if (printed > 0) printer.newPage();
        doc.BuildReportHeader(layout.headerWidth);
        painter.drawText(layout.header.x(), layout.header.y() + metrics.ascent(),
                         QString::fromUtf8(doc.ReportHeader()));
        painter.save();
        painter.setPen(rule);
        painter.drawLine(layout.text.left(), layout.ruleY, layout.text.right() + 1, layout.ruleY);
        painter.restore();
        const qsizetype begin = static_cast<qsizetype>(page - 1) * layout.linesPerPage;
        const qsizetype end = std::min<qsizetype>(lines.size(), begin + layout.linesPerPage);
        for (qsizetype i = begin; i < end; ++i) {
            const int y = layout.text.top() + static_cast<int>(i - begin) * layout.lineHeight;
            painter.drawText(layout.text.left(), y + metrics.ascent(), lines[i]);
        }
        painter.drawText(layout.pageNumber.x(), layout.pageNumber.y() + metrics.ascent(),
                         QString::number(page));
        ++printed;
    }
    painter.end();
    return printed;
}

}  // namespace lumox
