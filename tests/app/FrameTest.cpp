#include "widgets/Frame.h"

#include "core/FrameWindow.h"
#include "tests/app/FormFixture.h"
#include "widgets/Colours.h"

#include <gtest/gtest.h>

#include <cmath>

namespace rk {
namespace {

// The plot as the window has it: a square interior under the frame's window.
const QSize kOuter(505, 505);
const QSize kPlot = PictureBox::interiorOf(kOuter);

int column(double x)
{
    return static_cast<int>(std::floor((x - kFrameLeft) / (kFrameRight - kFrameLeft) * kPlot.width()));
}
int row(double y) { return static_cast<int>(std::floor((y - kFrameTop) / (kFrameBottom - kFrameTop) * kPlot.height())); }

const double kTickEnd = 0.1f;

class FrameTest : public ::testing::Test {
protected:
    FrameTest() : picture(kOuter)
    {
        picture.setBackColor(QColor(kLightCyan));
        picture.setForeColor(QColor(kDarkGrey));
        QFont font("IPAPGothic");
        font.setPixelSize(24);
        font.setBold(true);
        font.setItalic(true);
        picture.setFont(font);
    }
    QRgb at(int c, int r) const { return picture.image().pixel(c, r); }
    // Ink in the title's corner, away from the y axis and its ticks.
    int titleInk() const
    {
        int ink = 0;
        for (int r = 0; r < 30; ++r)
            for (int c = 0; c < 400; ++c)
                if (std::abs(c - column(0)) > 6 && at(c, r) != kLightCyan)
                    ++ink;
        return ink;
    }
    PictureBox picture;
};

TEST_F(FrameTest, StartUpVariant)
{
    DrawFrame(picture, FrameVariant::StartUp);
    EXPECT_GT(titleInk(), 100) << "the title is printed at the top-left";
    EXPECT_EQ(at(column(0.5), row(0)), kStartUpAxisColour);
    EXPECT_EQ(at(column(-1.5), row(0)), kStartUpAxisColour);
    EXPECT_EQ(at(column(0), row(5)), kDarkGrey);
    EXPECT_EQ(at(column(0), row(-9.9)), kDarkGrey);
    for (int i = kFrameLeft + 1; i < kFrameRight; ++i)
        EXPECT_EQ(at(column(i), row(kTickEnd)), kDarkGrey) << "x tick " << i;
    for (int i = -1; i <= kFrameTop; ++i)
        EXPECT_EQ(at(column(-kTickEnd), row(i)), kDarkGrey) << "y tick " << i;
    // The bottom lies on the edge, one row past the last.
    for (int i = kFrameBottom + 1; i <= -2; ++i)
        EXPECT_EQ(at(column(-kTickEnd), row(i)), kLightCyan) << "no y tick below -1 at start-up: " << i;
    EXPECT_EQ(at(column(kFrameLeft), row(kTickEnd)), kLightCyan) << "no x tick at the left edge at start-up";
    EXPECT_EQ(at(column(0.5), row(kTickEnd)), kLightCyan) << "ticks only at whole units";
}

TEST_F(FrameTest, RedrawVariant)
{
    picture.Scale(kFrameLeft, kFrameTop, kFrameRight, kFrameBottom);
    DrawFrame(picture, FrameVariant::Redraw);
    EXPECT_EQ(titleInk(), 0);
    EXPECT_EQ(at(column(0.5), row(0)), kDarkGrey);
    EXPECT_EQ(at(column(0), row(5)), kDarkGrey);
    for (int i = kFrameLeft; i < kFrameRight; ++i)
        EXPECT_EQ(at(column(i), row(kTickEnd)), kDarkGrey) << "x tick " << i;
    for (int i = kFrameBottom + 1; i <= kFrameTop; ++i)
        EXPECT_EQ(at(column(-kTickEnd), row(i)), kDarkGrey) << "y tick " << i;
}

TEST_F(FrameTest, TicksAreSymmetricAcrossTheirAxis)
{
    DrawFrame(picture, FrameVariant::StartUp);
    // The stroke at x = 3 spans exactly the rows of -0.1 .. 0.1.
    for (int r = row(kTickEnd) - 3; r <= row(-kTickEnd) + 3; ++r) {
        const bool inside = r >= row(kTickEnd) && r <= row(-kTickEnd);
        EXPECT_EQ(at(column(3), r) == kDarkGrey, inside) << "row " << r;
    }
}

using ReadyFrame = FormFixture;

TEST_F(ReadyFrame, ReadyErasesTheTitleAndRedrawsTheSameEachTime)
{
    const QImage startUp = control<PictureBox>("Picture1")->image().copy();
    control<QPushButton>("Command1")->click();
    const QImage first = control<PictureBox>("Picture1")->image().copy();
    EXPECT_NE(first, startUp);
    EXPECT_EQ(first.pixel(column(0.5), row(0)), kDarkGrey) << "the x axis is no longer magenta";
    control<QPushButton>("Command1")->click();
    EXPECT_EQ(control<PictureBox>("Picture1")->image(), first);
}

TEST_F(ReadyFrame, RunDrawsOverTheFrameUntilReady)
{
    clickEquation(2); // y' = 2
    control<QPushButton>("Command1")->click();
    const QImage frame = control<PictureBox>("Picture1")->image().copy();
    typeAndEnter("1");
    typeAndEnter("1");
    typeAndEnter("1.1");
    const QImage& image = control<PictureBox>("Picture1")->image();
    EXPECT_EQ(image.pixel(column(1), row(1)), kSolutionColour);
    EXPECT_EQ(image.pixel(column(1), row(2)), kSlopeColour);
    control<QPushButton>("Command1")->click();
    EXPECT_EQ(control<PictureBox>("Picture1")->image(), frame);
}

// The plot as the window shows it, pixel for pixel against the pictures kept
// in tests/app/pictures: at start-up, after Ready and after a run.
// RK_WRITE_PICTURES=1 writes them anew instead.
TEST_F(ReadyFrame, PlotAsKeptPixelForPixel)
{
    const auto check = [this](const char* name) {
        const QImage shown = control<PictureBox>("Picture1")->shownImage();
        const QString path = QStringLiteral(RK_TEST_PICTURES "/%1.png").arg(name);
        if (qEnvironmentVariableIsSet("RK_WRITE_PICTURES")) {
            EXPECT_TRUE(shown.save(path)) << path.toStdString();
            return;
        }
        const QImage kept(path);
        ASSERT_FALSE(kept.isNull()) << path.toStdString();
        EXPECT_EQ(shown, kept.convertToFormat(shown.format())) << name;
    };
    check("start-up");
    control<QPushButton>("Command1")->click();
    check("ready");
    clickEquation(5);
    control<QPushButton>("Command1")->click();
    for (const char* text : {"-1", "2", "15"})
        typeAndEnter(text);
    check("run");
}

} // namespace
} // namespace rk
