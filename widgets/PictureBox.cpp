#include "widgets/PictureBox.h"

#include "widgets/Twips.h"

#include <QGuiApplication>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace rk {
namespace {


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

void PictureBox::setPixel(QImage& layer, long column, long row, QRgb colour)
{
    if (column < 0 || row < 0 || column >= interior_.width() || row >= interior_.height())
        return;
    for (int dy = 0; dy < pixelSize_; ++dy) {
        auto* line = reinterpret_cast<QRgb*>(layer.scanLine(static_cast<int>(row) * pixelSize_ + dy));
        std::fill_n(line + column * pixelSize_, pixelSize_, colour);
    }
}

void PictureBox::PSet(float x, float y, PointKind kind)
{
    PSet(x, y, kind == PointKind::Solution ? kSolutionColour : kSlopeColour);
}

void PictureBox::PSet(float x, float y, QRgb colour)
{
    const double column = std::floor(columnOf(x));
    const double row = std::floor(rowOf(y));
    // Also false for NaN, which a degenerate scale can produce.
    if (!(column >= 0 && row >= 0 && column < interior_.width() && row < interior_.height()))
        return;
    setPixel(image_, static_cast<long>(column), static_cast<long>(row), colour);
    changed();
}

void PictureBox::drawSegment(QImage& layer, Segment s, QRgb colour)
{
    // Far-off coordinates would overflow the pixel grid: clipped first, with
    // a margin beyond the interior so that clipping moves no visible pixel.
    const double margin = 2.0;
    const double lo = -margin;
    const double hi = std::max(interior_.width(), interior_.height()) + margin;
    if (!clipSegment(s, lo, hi, lo, hi))
        return;
    long x = static_cast<long>(std::floor(s.x1)), y = static_cast<long>(std::floor(s.y1));
    const long xEnd = static_cast<long>(std::floor(s.x2)), yEnd = static_cast<long>(std::floor(s.y2));
    // Bresenham over whole pixels, both end points included.
    const long dx = std::abs(xEnd - x), dy = -std::abs(yEnd - y);
    const long sx = x < xEnd ? 1 : -1, sy = y < yEnd ? 1 : -1;
    long error = dx + dy;
    for (;;) {
        setPixel(layer, x, y, colour);
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

void PictureBox::Line(float x1, float y1, float x2, float y2, std::optional<QRgb> colour)
{
    const QRgb rgb = colour ? *colour : foreColor_.rgb();
    const double c1 = columnOf(x1), r1 = rowOf(y1), c2 = columnOf(x2), r2 = rowOf(y2);
    if (!std::isfinite(c1) || !std::isfinite(r1) || !std::isfinite(c2) || !std::isfinite(r2))
        return;
    drawSegment(image_, {c1, r1, c2, r2}, rgb);
    changed();
}

void PictureBox::setUnderlay(const std::vector<Segment>& lines, QRgb colour)
{
    underlay_ = QImage();
    if (!lines.empty()) {
        underlay_ = QImage(image_.size(), QImage::Format_ARGB32);
        underlay_.fill(Qt::transparent);
        for (const Segment& line : lines) {
            const Segment pixels{columnOf(line.x1), rowOf(line.y1), columnOf(line.x2), rowOf(line.y2)};
            if (std::isfinite(pixels.x1) && std::isfinite(pixels.y1) && std::isfinite(pixels.x2) &&
                std::isfinite(pixels.y2))
                drawSegment(underlay_, pixels, colour);
        }
    }
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
    composedStale_ = true;
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
    if (underlay_.isNull()) {
        painter.drawImage(contentsRect().topLeft(), image_);
        return;
    }
    // The underlay shows through wherever the drawing has only the back
    // colour, so that everything drawn lies over it. Made again only after
    // a change, not on every repaint.
    if (composedStale_) {
        composedStale_ = false;
        composed_ = image_.copy();
        const QRgb back = backColor_.rgb();
        for (int y = 0; y < composed_.height(); ++y) {
            auto* out = reinterpret_cast<QRgb*>(composed_.scanLine(y));
            const auto* under = reinterpret_cast<const QRgb*>(underlay_.constScanLine(y));
            for (int x = 0; x < composed_.width(); ++x)
                if (out[x] == back && qAlpha(under[x]) != 0)
                    out[x] = under[x];
        }
    }
    painter.drawImage(contentsRect().topLeft(), composed_);
}

} // namespace rk
