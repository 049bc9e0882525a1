// The plot on a screen with two device pixels to the logical pixel.
#include "widgets/PictureBox.h"

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
    box.setBackColor(QColor(128, 255, 255));
    box.Scale(-2, 10, 18, -10);
    EXPECT_EQ(box.image().size(), QSize(1002, 1002));
    EXPECT_EQ(box.image().devicePixelRatio(), 2.0);

    box.PSet(1, 1, qRgb(255, 0, 0));
    // Logical pixel (75, 225) is the device block (150..151, 450..451).
    for (int dy = 0; dy < 2; ++dy)
        for (int dx = 0; dx < 2; ++dx)
            EXPECT_EQ(box.image().pixel(150 + dx, 450 + dy), qRgb(255, 0, 0));
    EXPECT_EQ(box.image().pixel(152, 450), qRgb(128, 255, 255));
}

TEST(HighDpi, ShownWithoutBlurredEdges)
{
    PictureBox box(QSize(505, 505));
    box.setBackColor(QColor(128, 255, 255));
    box.setForeColor(QColor(64, 64, 64));
    box.Scale(-2, 10, 18, -10);
    box.Line(-2, 0, 18, 0, qRgb(128, 0, 128));
    box.Line(0, 10, 0, -10);
    box.PSet(3, 3, qRgb(255, 0, 0));
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
    EXPECT_EQ(colours, (std::set<QRgb>{qRgb(128, 255, 255), qRgb(64, 64, 64), qRgb(128, 0, 128), qRgb(255, 0, 0)}));
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
