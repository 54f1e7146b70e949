#ifndef LUMOX_UI_EQUATION_PICTURE_H
#define LUMOX_UI_EQUATION_PICTURE_H

#include <QWidget>
#include <vector>

class QPainter;
class QRectF;

namespace lumox {

// Draws the general equation y^ = b^0 + b^1 x1 + ... + b^9 x9 into box, each term
// centred at its x in centres (y's first, then x0 .. x9): hats and Greek letters in
// vector form, sized to the box and to the narrowest column so it scales with the window.
void PaintGeneralEquation(QPainter& painter, const QRectF& box, const std::vector<double>& centres);

// The general equation as words, for screen readers: "y hat = beta hat 0 + beta hat 1 x 1
// + ...".
QString GeneralEquationText();

// The white box above the entry columns that shows the general equation, its terms
// over the columns of the widgets given.
class EquationPicture : public QWidget {
    Q_OBJECT
public:
    explicit EquationPicture(QWidget* parent = nullptr);
    // The widgets (y's first, then x0 .. x9) whose centres the terms stand over.
    void SetColumns(std::vector<QWidget*> columns) { columns_ = std::move(columns); }
    QSize sizeHint() const override { return {600, 44}; }
    QSize minimumSizeHint() const override { return {200, 28}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<QWidget*> columns_;
};

}  // namespace lumox

#endif
