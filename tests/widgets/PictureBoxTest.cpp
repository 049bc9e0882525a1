#include "widgets/PictureBox.h"

#include "core/FrameWindow.h"
#include "widgets/Colours.h"

#include <gtest/gtest.h>

#include <QApplication>

namespace rk {
namespace {

// The plot's box: 505 x 505 outside, 501 x 501 inside its border.
class PictureBoxTest : public ::testing::Test {
protected:
    PictureBoxTest() : box(QSize(505, 505))
    {
        box.setBackColor(QColor(back));
        box.setForeColor(QColor(grey));
        box.Scale(kFrameLeft, kFrameTop, kFrameRight, kFrameBottom);
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

    static constexpr QRgb back = kLightCyan, red = kSolutionColour, blue = kSlopeColour, grey = kDarkGrey;
    PictureBox box;
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
    box.PSet(static_cast<float>(GetParam().x), static_cast<float>(GetParam().y), red);
    const bool inside = box.image().rect().contains(pixel);
    EXPECT_EQ(countOf(red), inside ? 1 : 0);
    if (inside) {
        EXPECT_EQ(at(pixel.x(), pixel.y()), red);
    }
}

// 501 pixels over 20 units: 25.05 pixels a unit.
INSTANTIATE_TEST_SUITE_P(Frame, PictureBoxMapping, ::testing::Values(
    Mapping{kFrameLeft, kFrameTop, QPoint(0, 0)},
    Mapping{0, 0, QPoint(50, 250)},
    Mapping{1, 1, QPoint(75, 225)},
    Mapping{17.99, -9.99, QPoint(500, 500)},
    Mapping{kFrameRight, kFrameBottom, QPoint(501, 501)},
    Mapping{-3, 11, QPoint(-26, -26)}
));

TEST_F(PictureBoxTest, PointSetsOnePixel)
{
    box.PSet(1, 1, red);
    EXPECT_EQ(at(75, 225), red);
    EXPECT_EQ(countOf(red), 1);
}

TEST_F(PictureBoxTest, PointsOutsideAreClipped)
{
    box.PSet(-2.5f, 0, red);
    box.PSet(0, 3e38f, red);
    box.PSet(18, 0, red);
    EXPECT_EQ(countOf(red), 0);
}

TEST_F(PictureBoxTest, HorizontalLineIncludesBothEnds)
{
    box.Line(0, 0, 1, 0, red);
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
    box.Line(0, 0, 2, 2, red);
    // 50 columns and 50 rows: a one-pixel diagonal sets one pixel per column.
    EXPECT_EQ(countOf(red), 51);
    EXPECT_EQ(at(50, 250), red);
    EXPECT_EQ(at(100, 200), red);
}

TEST_F(PictureBoxTest, FarOffLineIsClippedNotOverflowed)
{
    box.Line(-3e38f, 0, 3e38f, 0, red);
    EXPECT_EQ(countOf(red), 501);
    box.Line(1e30f, 1e30f, 2e30f, 2e30f, blue);
    EXPECT_EQ(countOf(blue), 0);
}

TEST_F(PictureBoxTest, ClsErasesAndKeepsTheScale)
{
    box.PSet(1, 1, red);
    box.Print("title");
    box.Cls();
    EXPECT_EQ(countOf(back), 501 * 501);
    box.PSet(1, 1, red);
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

// The underlay lies beneath everything drawn, text edges included: it shows
// only where the drawing has the back colour, cut at the interior's edge.
TEST_F(PictureBoxTest, UnderlayShowsWhereTheDrawingHasOnlyTheBackColour)
{
    box.setFont(QFont("IPAPGothic", 18));
    box.Print("MMMM");
    box.Line(0, kFrameTop, 0, kFrameBottom);
    box.PSet(1, 1, red);
    const QImage drawn = box.image().copy();
    // Across the text, the axis and the point, and out past the edges.
    const std::vector<Segment> field{{-3, 9.8, 19, 9.7}, {-3, 1, 19, 1}, {1, 11, 1, -11}, {-3, -11, 19, 11}};
    PictureBox alone(QSize(505, 505));
    alone.setBackColor(QColor(back));
    alone.Scale(kFrameLeft, kFrameTop, kFrameRight, kFrameBottom);
    alone.setUnderlay(field, kSlopeFieldColour);
    const QImage fieldOnly = alone.shownImage();
    ASSERT_EQ(fieldOnly.pixel(0, 225), kSlopeFieldColour) << "cut at the edge, not before";
    ASSERT_EQ(fieldOnly.pixel(500, 225), kSlopeFieldColour);

    box.setUnderlay(field, kSlopeFieldColour);
    QImage expected = drawn.convertToFormat(QImage::Format_RGB32);
    for (int r = 0; r < 501; ++r)
        for (int c = 0; c < 501; ++c)
            if (drawn.pixel(c, r) == back)
                expected.setPixel(c, r, fieldOnly.pixel(c, r));
    EXPECT_EQ(box.shownImage(), expected);
    EXPECT_EQ(box.image(), drawn) << "the drawing alone";
    box.setUnderlay({}, kSlopeFieldColour);
    EXPECT_EQ(box.shownImage(), drawn.convertToFormat(QImage::Format_RGB32));
}

TEST_F(PictureBoxTest, DesignUnitsBeforeAnyScale)
{
    PictureBox fresh(QSize(505, 505));
    fresh.setBackColor(QColor(Qt::white));
    // Twips: 15 to the pixel.
    fresh.PSet(150, 300, red);
    EXPECT_EQ(fresh.image().pixel(10, 20), red);
}

TEST_F(PictureBoxTest, KeepsDrawingAcrossRepaints)
{
    box.PSet(1, 1, red);
    box.show();
    QApplication::processEvents();
    const QImage shown = box.grab().toImage();
    EXPECT_EQ(shown.pixel(75 + PictureBox::kBorderWidth, 225 + PictureBox::kBorderWidth), red);
    box.repaint();
    EXPECT_EQ(box.grab().toImage().pixel(75 + PictureBox::kBorderWidth, 225 + PictureBox::kBorderWidth), red);
}

} // namespace
} // namespace rk
