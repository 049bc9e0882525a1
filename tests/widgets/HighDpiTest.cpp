// The plot on a screen with two device pixels to the logical pixel.
#include "widgets/PictureBox.h"

#include "core/FrameWindow.h"
#include "widgets/Colours.h"

#include <gtest/gtest.h>

#include <QApplication>

#include <cstdlib>
#include <set>

namespace rk {
namespace {

TEST(HighDpi, PlotIsDrawnAtDeviceResolution)
{
    ASSERT_EQ(qApp->devicePixelRatio(), 2.0);
    PictureBox box(QSize(505, 505));
    box.setBackColor(QColor(kLightCyan));
    box.Scale(kFrameLeft, kFrameTop, kFrameRight, kFrameBottom);
    EXPECT_EQ(box.image().size(), QSize(1002, 1002));
    EXPECT_EQ(box.image().devicePixelRatio(), 2.0);

    box.PSet(1, 1, kSolutionColour);
    // Logical pixel (75, 225) is the device block (150..151, 450..451).
    for (int dy = 0; dy < 2; ++dy)
        for (int dx = 0; dx < 2; ++dx)
            EXPECT_EQ(box.image().pixel(150 + dx, 450 + dy), kSolutionColour);
    EXPECT_EQ(box.image().pixel(152, 450), kLightCyan);
}

TEST(HighDpi, ShownWithoutBlurredEdges)
{
    PictureBox box(QSize(505, 505));
    box.setBackColor(QColor(kLightCyan));
    box.setForeColor(QColor(kDarkGrey));
    box.Scale(kFrameLeft, kFrameTop, kFrameRight, kFrameBottom);
    box.Line(kFrameLeft, 0, kFrameRight, 0, kStartUpAxisColour);
    box.Line(0, kFrameTop, 0, kFrameBottom);
    box.PSet(3, 3, kSolutionColour);
    box.show();
    QApplication::processEvents();
    // What leaves the window as an image has the screen's resolution, and
    // is the drawing pixel for pixel.
    const QImage shown = box.shownImage();
    ASSERT_EQ(shown.size(), QSize(1002, 1002));
    EXPECT_EQ(shown, box.image().convertToFormat(QImage::Format_RGB32));
    // Scaling would blend the line colours into the background: only the
    // colours drawn may appear.
    std::set<QRgb> colours;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            colours.insert(shown.pixel(x, y) | 0xFF000000u);
    EXPECT_EQ(colours, (std::set<QRgb>{kLightCyan, kDarkGrey, kStartUpAxisColour, kSolutionColour}));
}

// Lines a logical pixel wide in whole device blocks, far-off ends cut; the
// underlay beneath them, in the same blocks.
TEST(HighDpi, LinesAndUnderlayInDeviceBlocks)
{
    PictureBox box(QSize(505, 505));
    box.setBackColor(QColor(kLightCyan));
    box.setForeColor(QColor(kDarkGrey));
    box.Scale(kFrameLeft, kFrameTop, kFrameRight, kFrameBottom);
    box.Line(0, 3e38f, 0, -3e38f);
    box.setUnderlay({{kFrameLeft - 1, 1, kFrameRight + 1, 1}}, kSlopeFieldColour);
    const QImage shown = box.shownImage();
    // The axis is logical column 50, the stroke logical row 225.
    for (int row = 0; row < 1002; ++row)
        for (const int column : {99, 100, 101, 102}) {
            const bool onAxis = column == 100 || column == 101;
            const bool onStroke = row == 450 || row == 451;
            ASSERT_EQ(shown.pixel(column, row), onAxis ? kDarkGrey : onStroke ? kSlopeFieldColour : kLightCyan)
                << column << ", " << row;
        }
    for (const int column : {0, 1, 1000, 1001})
        EXPECT_EQ(shown.pixel(column, 450), kSlopeFieldColour) << column;
    EXPECT_EQ(shown.pixel(0, 449), kLightCyan);
    EXPECT_EQ(shown.pixel(0, 452), kLightCyan);
}

} // namespace
} // namespace rk

int main(int argc, char* argv[])
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("QT_SCALE_FACTOR", "2", 1);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
