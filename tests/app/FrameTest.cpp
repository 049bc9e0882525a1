#include "widgets/Frame.h"

#include "tests/app/FormFixture.h"

#include <gtest/gtest.h>

#include <cmath>

namespace rk {
namespace {

// Interior pixel of a user coordinate: 501 pixels over 20 units each way.
int column(double x) { return static_cast<int>(std::floor((x + 2) / 20 * 501)); }
int row(double y) { return static_cast<int>(std::floor((y - 10) / -20 * 501)); }

const QRgb kBack = qRgb(128, 255, 255);
const QRgb kGrey = qRgb(64, 64, 64);
const QRgb kMagenta = qRgb(128, 0, 128);
const double kTickEnd = 0.1f;

class FrameTest : public ::testing::Test {
protected:
    FrameTest() : picture(QSize(505, 505))
    {
        picture.setBackColor(QColor(kBack));
        picture.setForeColor(QColor(kGrey));
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
                if ((c < 44 || c > 56) && at(c, r) != kBack)
                    ++ink;
        return ink;
    }
    PictureBox picture;
};

TEST_F(FrameTest, StartUpVariant)
{
    DrawFrame(picture, FrameVariant::StartUp);
    EXPECT_GT(titleInk(), 100) << "the title is printed at the top-left";
    EXPECT_EQ(at(column(0.5), row(0)), kMagenta);
    EXPECT_EQ(at(column(-1.5), row(0)), kMagenta);
    EXPECT_EQ(at(column(0), row(5)), kGrey);
    EXPECT_EQ(at(column(0), row(-9.9)), kGrey);
    for (int i = -1; i <= 17; ++i)
        EXPECT_EQ(at(column(i), row(kTickEnd)), kGrey) << "x tick " << i;
    for (int i = -1; i <= 10; ++i)
        EXPECT_EQ(at(column(-kTickEnd), row(i)), kGrey) << "y tick " << i;
    // y = -10 lies on the bottom edge, one row past the last.
    for (int i = -9; i <= -2; ++i)
        EXPECT_EQ(at(column(-kTickEnd), row(i)), kBack) << "no y tick below -1 at start-up: " << i;
    EXPECT_EQ(at(column(-2), row(kTickEnd)), kBack) << "no x tick at -2 at start-up";
    EXPECT_EQ(at(column(0.5), row(kTickEnd)), kBack) << "ticks only at whole units";
}

TEST_F(FrameTest, RedrawVariant)
{
    picture.Scale(-2, 10, 18, -10);
    DrawFrame(picture, FrameVariant::Redraw);
    EXPECT_EQ(titleInk(), 0);
    EXPECT_EQ(at(column(0.5), row(0)), kGrey);
    EXPECT_EQ(at(column(0), row(5)), kGrey);
    for (int i = -2; i <= 17; ++i)
        EXPECT_EQ(at(column(i), row(kTickEnd)), kGrey) << "x tick " << i;
    for (int i = -9; i <= 10; ++i)
        EXPECT_EQ(at(column(-kTickEnd), row(i)), kGrey) << "y tick " << i;
}

TEST_F(FrameTest, TicksAreSymmetricAcrossTheirAxis)
{
    DrawFrame(picture, FrameVariant::StartUp);
    // The stroke at x = 3 spans exactly the rows of -0.1 .. 0.1.
    for (int r = row(kTickEnd) - 3; r <= row(-kTickEnd) + 3; ++r) {
        const bool inside = r >= row(kTickEnd) && r <= row(-kTickEnd);
        EXPECT_EQ(at(column(3), r) == kGrey, inside) << "row " << r;
    }
}

using ReadyFrame = FormFixture;

TEST_F(ReadyFrame, ReadyErasesTheTitleAndRedrawsTheSameEachTime)
{
    const QImage startUp = form.Picture1->image().copy();
    form.Command1->click();
    const QImage first = form.Picture1->image().copy();
    EXPECT_NE(first, startUp);
    EXPECT_EQ(first.pixel(column(0.5), row(0)), kGrey) << "the x axis is no longer magenta";
    form.Command1->click();
    EXPECT_EQ(form.Picture1->image(), first);
}

TEST_F(ReadyFrame, RunDrawsOverTheFrameUntilReady)
{
    clickEquation(2); // y' = 2
    form.Command1->click();
    const QImage frame = form.Picture1->image().copy();
    typeAndEnter("1");
    typeAndEnter("1");
    typeAndEnter("1.1");
    const QImage& image = form.Picture1->image();
    EXPECT_EQ(image.pixel(column(1), row(1)), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(column(1), row(2)), qRgb(0, 0, 255));
    form.Command1->click();
    EXPECT_EQ(form.Picture1->image(), frame);
}

// The plot as the window shows it, pixel for pixel against the pictures kept
// in tests/app/pictures: at start-up, after Ready and after a run.
// RK_WRITE_PICTURES=1 writes them anew instead.
TEST_F(ReadyFrame, PlotAsKeptPixelForPixel)
{
    const auto check = [this](const char* name) {
        const QImage shown = form.Picture1->shownImage();
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
    form.Command1->click();
    check("ready");
    clickEquation(5);
    form.Command1->click();
    for (const char* text : {"-1", "2", "15"})
        typeAndEnter(text);
    check("run");
}

} // namespace
} // namespace rk
