#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "graph_test_application.h"
#include "render/qt_surface.h"

namespace lumox {
namespace {

using test::EnsureApplication;

// The bounding box of the pixels darker than mid grey.
QRect InkBox(const QImage& image, const QRect& area) {
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (qGray(image.pixel(x, y)) < 128) box |= QRect(x, y, 1, 1);
        }
    }
    return box;
}

class QtSurfaceTest : public ::testing::Test {
protected:
    QtSurfaceTest() : image(200, 200, QImage::Format_RGB32) {
        EnsureApplication();
        image.fill(Qt::white);
    }
    QImage image;
};

TEST_F(QtSurfaceTest, ChartYGrowsUpwardFromThePageTop) {
    {
        QPainter painter(&image);
        QtSurface surface(painter, false);
        surface.SetPageTop(150);
        surface.SelectPen(Pen{PenStyle::Solid, 1, Rgb{0, 0, 255}});
        surface.SelectBrush(Brush{Rgb{0, 0, 255}});
        // Chart y 140 .. 120 lies 10 .. 30 below the top edge.
        surface.Rectangle(10, 140, 30, 120);
    }
    EXPECT_EQ(image.pixel(20, 20), qRgb(0, 0, 255));
    EXPECT_EQ(image.pixel(20, 35), qRgb(255, 255, 255));
    // The right and bottom edges are left out, so boxes that share an edge share a line.
    EXPECT_EQ(image.pixel(29, 20), qRgb(0, 0, 255));
    EXPECT_EQ(image.pixel(30, 20), qRgb(255, 255, 255));
}

// Boxes are filled by pixels on images; the result must be the stroked boxes exactly:
// every size from a line to a square, overlapping in drawing order, clipped and scrolled.
TEST_F(QtSurfaceTest, BoxesFilledByPixelsAreTheStrokedBoxes) {
    QImage stroked = image.copy();
    const QList<QRect> boxes = {{10, 10, 0, 0},    {12, 10, 0, 5},  {14, 10, 5, 0},
                                {20, 20, 1, 1},    {21, 21, 6, 6},  {24, 24, 6, 6},
                                {150, 150, 60, 8}, {40, 190, 9, 20}};
    const Pen pens[] = {Pen{PenStyle::Solid, 1, Rgb{0, 0, 0}},
                        Pen{PenStyle::Solid, 1, Rgb{255, 0, 0}}};
    const Brush brushes[] = {Brush{Rgb{0, 0, 255}}, Brush{}};
    {
        QPainter painter(&image);
        painter.translate(3, -4);
        QtSurface surface(painter, false);
        surface.SetPageTop(200);
        surface.ClipTo(ChartRect{5, 195, 190, 5});
        for (qsizetype i = 0; i < boxes.size(); ++i) {
            const QRect& b = boxes[i];
            surface.SelectPen(pens[i % 2]);
            surface.SelectBrush(brushes[i / 2 % 2]);
            surface.Rectangle(b.left(), 200 - b.top(), b.left() + b.width() + 1,
                              200 - b.top() - b.height() - 1);
        }
    }
    {
        QPainter painter(&stroked);
        painter.translate(3, -4);
        painter.setClipRect(QRect(5, 5, 185, 190));
        for (qsizetype i = 0; i < boxes.size(); ++i) {
            painter.setPen(QPen(i % 2 == 0 ? Qt::black : Qt::red, 1));
            painter.setBrush(i / 2 % 2 == 0 ? Qt::blue : Qt::white);
            painter.drawRect(boxes[i]);
        }
    }
    EXPECT_EQ(image, stroked);
}

TEST_F(QtSurfaceTest, ClippingLimitsLinesUntilRestored) {
    {
        QPainter painter(&image);
        QtSurface surface(painter, false);
        surface.SetPageTop(200);
        surface.ClipTo(ChartRect{50, 150, 100, 100});
        surface.MoveTo(0, 125);
        surface.LineTo(199, 125);
        surface.RestoreClip();
        surface.MoveTo(0, 50);
        surface.LineTo(199, 50);
    }
    EXPECT_EQ(InkBox(image, QRect(0, 70, 200, 10)), QRect(50, 75, 50, 1));
    EXPECT_EQ(InkBox(image, QRect(0, 145, 200, 10)), QRect(0, 150, 200, 1));
}

TEST_F(QtSurfaceTest, FontsAreSizedByTheirCellAndTurnByEscapement) {
    QPainter painter(&image);
    QtSurface surface(painter, false);
    surface.SetPageTop(200);
    surface.SelectFont(Font{"Arial", 24, 600, 0});
    const TextSize size = surface.TextExtent("HELLO");
    EXPECT_NEAR(size.height, 24, 1);
    EXPECT_GT(size.width, 40);
    EXPECT_NEAR(surface.GetTextMetrics().height, 24, 1);

    surface.SelectFont(Font{"Arial", 24, 600, 900});
    // Reading upwards from its top-left corner (30, 20): the text lies right of x = 30
    // and above y = 180 on the image.
    surface.TextOut(30, 20, "HELLO");
    painter.end();
    const QRect ink = InkBox(image, image.rect());
    ASSERT_FALSE(ink.isNull());
    EXPECT_GE(ink.left(), 30);
    EXPECT_LE(ink.right(), 30 + 24);
    EXPECT_LE(ink.bottom(), 180);
    EXPECT_GT(ink.height(), ink.width());
    EXPECT_NEAR(ink.height(), size.width, 4);
}

TEST(QtSurface, TextIsUtf8OrElseLatin1) {
    EXPECT_EQ(QtSurface::ToQString("caf\xc3\xa9"), QString::fromUtf8("caf\xc3\xa9"));
    EXPECT_EQ(QtSurface::ToQString("caf\xe9"), QString::fromLatin1("caf\xe9"));
}

}  // namespace
}  // namespace lumox
