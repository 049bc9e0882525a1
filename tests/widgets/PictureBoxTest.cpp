#include "widgets/PictureBox.h"

#include <gtest/gtest.h>

#include <QApplication>

namespace rk {
namespace {

// The plot's box: 505 x 505 outside, 501 x 501 inside its border.
class PictureBoxTest : public ::testing::Test {
protected:
    PictureBoxTest() : box(QSize(505, 505))
    {
        box.setBackColor(QColor(128, 255, 255));
        box.setForeColor(QColor(64, 64, 64));
        box.Scale(-2, 10, 18, -10);
    }

    QRgb at(int column, int row) const { return box.image().pixel(column, row); }
    int countOf(QRgb colour) const
    {
        int n = 0;
        for (int r = 0; r < box.image().height(); ++r)
            for (int c = 0; c < box.image().width(); ++c)
                n += box.image().pixel(c, r) == colour;
        return n;
    }

    PictureBox box;
    const QRgb back = qRgb(128, 255, 255);
    const QRgb red = qRgb(255, 0, 0);
    const QRgb grey = qRgb(64, 64, 64);
};

TEST_F(PictureBoxTest, InteriorIsTheBoxLessItsBorder)
{
    EXPECT_EQ(box.image().size(), QSize(501, 501));
}

struct Mapping {
    double x, y;
    QPoint pixel;
};

class PictureBoxMapping : public PictureBoxTest, public ::testing::WithParamInterface<Mapping> {};

// A point lands on its pixel, or nowhere when that lies outside.
TEST_P(PictureBoxMapping, UserUnitsToInteriorPixels)
{
    const QPoint pixel = GetParam().pixel;
    box.PSet(static_cast<float>(GetParam().x), static_cast<float>(GetParam().y), qRgb(255, 0, 0));
    const bool inside = box.image().rect().contains(pixel);
    EXPECT_EQ(countOf(red), inside ? 1 : 0);
    if (inside) {
        EXPECT_EQ(at(pixel.x(), pixel.y()), red);
    }
}

// 501 pixels over 20 units: 25.05 pixels a unit.
INSTANTIATE_TEST_SUITE_P(Frame, PictureBoxMapping, ::testing::Values(
    Mapping{-2, 10, QPoint(0, 0)},
    Mapping{0, 0, QPoint(50, 250)},
    Mapping{1, 1, QPoint(75, 225)},
    Mapping{17.99, -9.99, QPoint(500, 500)},
    Mapping{18, -10, QPoint(501, 501)},
    Mapping{-3, 11, QPoint(-26, -26)}
));

TEST_F(PictureBoxTest, PointSetsOnePixel)
{
    box.PSet(1, 1, qRgb(255, 0, 0));
    EXPECT_EQ(at(75, 225), red);
    EXPECT_EQ(countOf(red), 1);
}

TEST_F(PictureBoxTest, PointsOutsideAreClipped)
{
    box.PSet(-2.5f, 0, qRgb(255, 0, 0));
    box.PSet(0, 3e38f, qRgb(255, 0, 0));
    box.PSet(18, 0, qRgb(255, 0, 0));
    EXPECT_EQ(countOf(red), 0);
}

TEST_F(PictureBoxTest, HorizontalLineIncludesBothEnds)
{
    box.Line(0, 0, 1, 0, qRgb(255, 0, 0));
    for (int c = 50; c <= 75; ++c)
        EXPECT_EQ(at(c, 250), red) << c;
    EXPECT_EQ(countOf(red), 26);
}

TEST_F(PictureBoxTest, LineWithoutColourUsesForeColour)
{
    box.Line(0, 10, 0, -10);
    for (int r = 0; r < 501; ++r)
        ASSERT_EQ(at(50, r), grey) << r;
    EXPECT_EQ(countOf(grey), 501);
}

TEST_F(PictureBoxTest, DiagonalLineIsOnePixelWide)
{
    box.Line(0, 0, 2, 2, qRgb(255, 0, 0));
    // 50 columns and 50 rows: a one-pixel diagonal sets one pixel per column.
    EXPECT_EQ(countOf(red), 51);
    EXPECT_EQ(at(50, 250), red);
    EXPECT_EQ(at(100, 200), red);
}

TEST_F(PictureBoxTest, FarOffLineIsClippedNotOverflowed)
{
    box.Line(-3e38f, 0, 3e38f, 0, qRgb(255, 0, 0));
    EXPECT_EQ(countOf(red), 501);
    box.Line(1e30f, 1e30f, 2e30f, 2e30f, qRgb(0, 0, 255));
    EXPECT_EQ(countOf(qRgb(0, 0, 255)), 0);
}

TEST_F(PictureBoxTest, ClsErasesAndKeepsTheScale)
{
    box.PSet(1, 1, qRgb(255, 0, 0));
    box.Print("title");
    box.Cls();
    EXPECT_EQ(countOf(back), 501 * 501);
    box.PSet(1, 1, qRgb(255, 0, 0));
    EXPECT_EQ(at(75, 225), red);
}

TEST_F(PictureBoxTest, PrintWritesAtTheTopLeftThenMovesDown)
{
    box.setFont(QFont("IPAPGothic", 18));
    box.Print("MMMM");
    const QImage first = box.image().copy();
    int lowestInk = -1, leftmostInk = 501;
    for (int r = 0; r < 501; ++r)
        for (int c = 0; c < 501; ++c)
            if (first.pixel(c, r) != back) {
                lowestInk = std::max(lowestInk, r);
                leftmostInk = std::min(leftmostInk, c);
            }
    ASSERT_GE(lowestInk, 0) << "the text left no ink";
    EXPECT_LT(lowestInk, QFontMetrics(box.font()).height());
    EXPECT_LT(leftmostInk, 10);
    box.Print("MMMM");
    bool inkBelow = false;
    for (int r = lowestInk + 1; r < 501 && !inkBelow; ++r)
        for (int c = 0; c < 501; ++c)
            if (box.image().pixel(c, r) != back) {
                inkBelow = true;
                break;
            }
    EXPECT_TRUE(inkBelow) << "a second Print goes to the next line";
}

TEST_F(PictureBoxTest, DesignUnitsBeforeAnyScale)
{
    PictureBox fresh(QSize(505, 505));
    fresh.setBackColor(QColor(Qt::white));
    // Twips: 15 to the pixel.
    fresh.PSet(150, 300, qRgb(255, 0, 0));
    EXPECT_EQ(fresh.image().pixel(10, 20), red);
}

TEST_F(PictureBoxTest, KeepsDrawingAcrossRepaints)
{
    box.PSet(1, 1, qRgb(255, 0, 0));
    box.show();
    QApplication::processEvents();
    const QImage shown = box.grab().toImage();
    EXPECT_EQ(shown.pixel(75 + PictureBox::kBorderWidth, 225 + PictureBox::kBorderWidth), red);
    box.repaint();
    EXPECT_EQ(box.grab().toImage().pixel(75 + PictureBox::kBorderWidth, 225 + PictureBox::kBorderWidth), red);
}

} // namespace
} // namespace rk
