#include "ui/equation_picture.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace lumox {
namespace {

// One piece of a term: a symbol, perhaps with a hat over it and a subscript after it.
struct Piece {
    QString text;
    bool italic = false;
    bool hat = false;
    QString subscript;
};
using Term = std::vector<Piece>;

std::vector<Term> GeneralEquationTerms() {
    const QString beta(QChar(0x03B2));
    std::vector<Term> terms;
    terms.push_back(
        {{QStringLiteral("y"), true, true, {}}, {QStringLiteral(" ="), false, false, {}}});
    terms.push_back({{beta, true, true, QStringLiteral("0")}});
    for (int k = 1; k <= 9; ++k) {
        const QString index = QString::number(k);
        terms.push_back({{QStringLiteral("+ "), false, false, {}},
                         {beta, true, true, index},
                         {QStringLiteral("x"), true, false, index}});
    }
    return terms;
}

QFont SymbolFont(double pixels, bool italic) {
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setStyleHint(QFont::Serif);
    font.setPixelSize(std::max(1, static_cast<int>(pixels)));
    font.setItalic(italic);
    return font;
}

constexpr double kSubscriptScale = 0.65;

double PieceWidth(const Piece& piece, double size) {
    double width = QFontMetricsF(SymbolFont(size, piece.italic)).horizontalAdvance(piece.text);
    if (!piece.subscript.isEmpty()) {
        width += QFontMetricsF(SymbolFont(size * kSubscriptScale, false))
                     .horizontalAdvance(piece.subscript);
    }
    return width;
}

double TermWidth(const Term& term, double size) {
    double width = 0.0;
    for (const Piece& piece : term) width += PieceWidth(piece, size);
    return width;
}

// Draws piece with its left end of the baseline at origin; returns its width.
double DrawPiece(QPainter& painter, const Piece& piece, QPointF origin, double size) {
    const QFont font = SymbolFont(size, piece.italic);
    painter.setFont(font);
    painter.drawText(origin, piece.text);
    const QFontMetricsF metrics(font);
    const double width = metrics.horizontalAdvance(piece.text);
    if (piece.hat) {
        // A chevron just above the letter's own top, as wide as its body.
        const QRectF ink = metrics.tightBoundingRect(piece.text).translated(origin);
        const double rise = size * 0.16;
        const double top = ink.top() - size * 0.08 - rise;
        QPainterPath hat;
        hat.moveTo(ink.left() + ink.width() * 0.1, top + rise);
        hat.lineTo(ink.center().x(), top);
        hat.lineTo(ink.right() - ink.width() * 0.1 + size * 0.06, top + rise);
        painter.save();
        painter.setPen(QPen(painter.pen().color(), std::max(1.0, size / 14.0)));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(hat);
        painter.restore();
    }
    if (!piece.subscript.isEmpty()) {
        painter.setFont(SymbolFont(size * kSubscriptScale, false));
        painter.drawText(origin + QPointF(width, size * 0.3), piece.subscript);
        return width + QFontMetricsF(painter.font()).horizontalAdvance(piece.subscript);
    }
    return width;
}

// The words a screen reader speaks for a piece: "beta hat 1" for the hatted beta with
// its subscript.
QString SpokenPiece(const Piece& piece) {
    QString text = piece.text.trimmed();
    if (text == QString(QChar(0x03B2))) text = QStringLiteral("beta");
    if (piece.hat) text += QStringLiteral(" hat");
    if (!piece.subscript.isEmpty()) text += QLatin1Char(' ') + piece.subscript;
    return text;
}

}  // namespace

QString GeneralEquationText() {
    QStringList words;
    for (const Term& term : GeneralEquationTerms()) {
        for (const Piece& piece : term) words.append(SpokenPiece(piece));
    }
    return words.join(QLatin1Char(' '));
}

void PaintGeneralEquation(QPainter& painter, const QRectF& box,
                          const std::vector<double>& centres) {
    const std::vector<Term> terms = GeneralEquationTerms();
    if (centres.size() < terms.size() || box.height() < 4.0) return;
    // The largest size at which the letters fit the box's height, every term fits between
    // its neighbours' centres, and the outer terms end inside the box: widths grow with
    // the size, so each limit scales it down by its share.
    double size = box.height() * 0.5;
    double spacing = box.width();
    for (size_t k = 1; k < terms.size(); ++k) {
        spacing = std::min(spacing, centres[k] - centres[k - 1]);
    }
    double widest = 0.0;
    for (const Term& term : terms) widest = std::max(widest, TermWidth(term, size));
    if (widest > 0.0 && spacing > 0.0) size = std::min(size, size * spacing * 0.92 / widest);
    const double pad = box.height() * 0.15;
    const double firstHalf = TermWidth(terms.front(), size) / 2.0;
    const double lastHalf = TermWidth(terms.back(), size) / 2.0;
    const double leftRoom = centres.front() - box.left() - pad;
    const double rightRoom = box.right() - pad - centres[terms.size() - 1];
    if (firstHalf > 0.0 && leftRoom > 0.0) size = std::min(size, size * leftRoom / firstHalf);
    if (lastHalf > 0.0 && rightRoom > 0.0) size = std::min(size, size * rightRoom / lastHalf);
    size = std::max(size, 4.0);

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setClipRect(box);
    painter.setPen(Qt::black);
    const double baseline = box.center().y() + size * 0.3;
    for (size_t k = 0; k < terms.size(); ++k) {
        double x = centres[k] - TermWidth(terms[k], size) / 2.0;
        for (const Piece& piece : terms[k]) x += DrawPiece(painter, piece, {x, baseline}, size);
    }
    painter.restore();
}

EquationPicture::EquationPicture(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    setAccessibleName(QStringLiteral("General equation"));
    setAccessibleDescription(GeneralEquationText());
}

void EquationPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRectF box = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    painter.fillRect(rect(), Qt::white);
    painter.setPen(Qt::black);
    painter.drawRect(box);
    std::vector<double> centres;
    for (QWidget* column : columns_) {
        centres.push_back(column->mapTo(window(), column->rect().center()).x() -
                          mapTo(window(), QPoint(0, 0)).x());
    }
    PaintGeneralEquation(painter, box, centres);
}

}  // namespace lumox
