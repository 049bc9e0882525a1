#include "ui/PictureBox.h"

#include "ui/Twips.h"

#include <QGuiApplication>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace rk {
namespace {

QRgb toQRgb(Rgb c) { return qRgb(c.red, c.green, c.blue); }

// Clips the segment to [lo, hi] in both axes (Liang-Barsky). Far-off
// coordinates would otherwise overflow the integer pixel grid. A clipped end
// is put exactly on the boundary it was clipped against, so that rounding in
// the interpolation cannot move an axis-parallel line off its row or column.
bool clipSegment(double& x1, double& y1, double& x2, double& y2, double lo, double hi)
{
    const double dx = x2 - x1, dy = y2 - y1;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x1 - lo, hi - x1, y1 - lo, hi - y1};
    const double bound[4] = {lo, hi, lo, hi};
    double t0 = 0.0, t1 = 1.0;
    int enter = -1, leave = -1;
    for (int k = 0; k < 4; ++k) {
        if (p[k] == 0.0) {
            if (q[k] < 0.0)
                return false;
            continue;
        }
        const double t = q[k] / p[k];
        if (p[k] < 0.0 && t > t0) {
            t0 = t;
            enter = k;
        } else if (p[k] > 0.0 && t < t1) {
            t1 = t;
            leave = k;
        }
        if (t0 > t1)
            return false;
    }
    const double ox = x1, oy = y1;
    const auto place = [&](int side, double t, double& x, double& y) {
        if (side < 0)
            return;
        x = side < 2 ? bound[side] : ox + t * dx;
        y = side < 2 ? oy + t * dy : bound[side];
    };
    place(enter, t0, x1, y1);
    place(leave, t1, x2, y2);
    return true;
}

} // namespace

QSize PictureBox::interiorOf(QSize outerSize)
{
    return QSize(outerSize.width() - 2 * kBorderWidth, outerSize.height() - 2 * kBorderWidth);
}

PictureBox::PictureBox(QSize outerSize, QWidget* parent) : QFrame(parent), interior_(interiorOf(outerSize))
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(kBorderWidth);
    setFixedSize(outerSize);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);

    const qreal ratio = qApp ? qApp->devicePixelRatio() : 1.0;
    pixelSize_ = std::max(1, static_cast<int>(std::lround(ratio)));
    image_ = QImage(interior_ * pixelSize_, QImage::Format_RGB32);
    image_.setDevicePixelRatio(pixelSize_);
    image_.fill(backColor_);

    // Design units before any Scale: twips.
    scaleWidth_ = interior_.width() * kTwipsPerPixel;
    scaleHeight_ = interior_.height() * kTwipsPerPixel;
}

void PictureBox::setBackColor(QColor colour)
{
    backColor_ = colour;
    Cls();
}

void PictureBox::setForeColor(QColor colour) { foreColor_ = colour; }

void PictureBox::Scale(double left, double top, double right, double bottom)
{
    scaleLeft_ = left;
    scaleTop_ = top;
    scaleWidth_ = right - left;
    scaleHeight_ = bottom - top;
}

void PictureBox::Cls()
{
    image_.fill(backColor_);
    printPosition_ = QPoint(0, 0);
    changed();
}

double PictureBox::columnOf(double x) const
{
    return (x - scaleLeft_) / scaleWidth_ * interior_.width();
}

double PictureBox::rowOf(double y) const
{
    return (y - scaleTop_) / scaleHeight_ * interior_.height();
}

void PictureBox::setPixel(long column, long row, QRgb colour)
{
    if (column < 0 || row < 0 || column >= interior_.width() || row >= interior_.height())
        return;
    for (int dy = 0; dy < pixelSize_; ++dy) {
        auto* line = reinterpret_cast<QRgb*>(image_.scanLine(static_cast<int>(row) * pixelSize_ + dy));
        std::fill_n(line + column * pixelSize_, pixelSize_, colour);
    }
}

void PictureBox::PSet(float x, float y, Rgb colour)
{
    const double column = std::floor(columnOf(x));
    const double row = std::floor(rowOf(y));
    // Also false for NaN, which a degenerate scale can produce.
    if (!(column >= 0 && row >= 0 && column < interior_.width() && row < interior_.height()))
        return;
    setPixel(static_cast<long>(column), static_cast<long>(row), toQRgb(colour));
    changed();
}

void PictureBox::drawSegment(double c1, double r1, double c2, double r2, QRgb colour)
{
    // Keep a margin beyond the interior so that clipping moves no visible pixel.
    const double margin = 2.0;
    const double lo = -margin;
    const double hi = std::max(interior_.width(), interior_.height()) + margin;
    if (!clipSegment(c1, r1, c2, r2, lo, hi))
        return;
    long x = static_cast<long>(std::floor(c1)), y = static_cast<long>(std::floor(r1));
    const long xEnd = static_cast<long>(std::floor(c2)), yEnd = static_cast<long>(std::floor(r2));
    // Bresenham over whole pixels, both end points included.
    const long dx = std::abs(xEnd - x), dy = -std::abs(yEnd - y);
    const long sx = x < xEnd ? 1 : -1, sy = y < yEnd ? 1 : -1;
    long error = dx + dy;
    for (;;) {
        setPixel(x, y, colour);
        if (x == xEnd && y == yEnd)
            break;
        const long doubled = 2 * error;
        if (doubled >= dy) {
            error += dy;
            x += sx;
        }
        if (doubled <= dx) {
            error += dx;
            y += sy;
        }
    }
}

void PictureBox::Line(float x1, float y1, float x2, float y2, std::optional<Rgb> colour)
{
    const QRgb rgb = colour ? toQRgb(*colour) : foreColor_.rgb();
    const double c1 = columnOf(x1), r1 = rowOf(y1), c2 = columnOf(x2), r2 = rowOf(y2);
    if (!std::isfinite(c1) || !std::isfinite(r1) || !std::isfinite(c2) || !std::isfinite(r2))
        return;
    drawSegment(c1, r1, c2, r2, rgb);
    changed();
}

void PictureBox::Print(const QString& text)
{
    QPainter painter(&image_);
    painter.setFont(font());
    painter.setPen(foreColor_);
    const QFontMetrics metrics(font());
    painter.drawText(printPosition_ + QPoint(0, metrics.ascent()), text);
    printPosition_ = QPoint(0, printPosition_.y() + metrics.height());
    changed();
}

QImage PictureBox::shownImage()
{
    // Rendered as a repaint renders it; no alpha, as nothing is see-through.
    return grab(contentsRect()).toImage().convertToFormat(QImage::Format_RGB32);
}

void PictureBox::changed()
{
    // Thousands of points may be set in one run: ask for one repaint only.
    if (!repaintPending_ && isVisible()) {
        repaintPending_ = true;
        update(contentsRect());
    }
}

void PictureBox::paintEvent(QPaintEvent* event)
{
    repaintPending_ = false;
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.drawImage(contentsRect().topLeft(), image_);
}

} // namespace rk
