#include "widgets/PictureBox.h"

#include "widgets/Twips.h"

#include <QGuiApplication>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace rk {
namespace {

// Crisp lines: the painter's default leaves them aliased; one logical
// pixel wide; the square cap sets both end points.
QPen crispPen(QRgb colour) { return QPen(QColor(colour), 1, Qt::SolidLine, Qt::SquareCap); }

// The part of s inside [left, right] x [low, high], if any (Liang-Barsky).
std::optional<Segment> clipped(const Segment& s, double left, double right, double low, double high)
{
    double t0 = 0, t1 = 1;
    const double dx = s.x2 - s.x1, dy = s.y2 - s.y1;
    const double p[] = {-dx, dx, -dy, dy};
    const double q[] = {s.x1 - left, right - s.x1, s.y1 - low, high - s.y1};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0)
                return std::nullopt;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
    }
    if (!(t0 <= t1)) // also for NaN
        return std::nullopt;
    return Segment{s.x1 + t0 * dx, s.y1 + t0 * dy, s.x1 + t1 * dx, s.y1 + t1 * dy};
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
    // Straight into the pixels: a painter per point made a run of 32,766
    // passes about 1.3 ms slower in BM_EndToEnd (bench/bench_solve.cpp),
    // about 5.6-6.2 ms of CPU time instead of 4.4-5.1, the floor 3.5.
    const int left = static_cast<int>(column) * pixelSize_;
    for (int y = static_cast<int>(row) * pixelSize_, end = y + pixelSize_; y < end; ++y)
        std::fill_n(reinterpret_cast<QRgb*>(image_.scanLine(y)) + left, pixelSize_, colour);
    changed();
}

std::optional<QLineF> PictureBox::pixelLine(const Segment& s, double within) const
{
    const QLineF line(std::floor(columnOf(s.x1)) + within, std::floor(rowOf(s.y1)) + within,
                      std::floor(columnOf(s.x2)) + within, std::floor(rowOf(s.y2)) + within);
    if (!std::isfinite(line.x1()) || !std::isfinite(line.y1()) || !std::isfinite(line.x2()) ||
        !std::isfinite(line.y2()))
        return std::nullopt;
    return line;
}

void PictureBox::Line(float x1, float y1, float x2, float y2, std::optional<QRgb> colour)
{
    // The painter sets a one-pixel pen's pixel right of and below a whole
    // point, so an end is given as the whole point it floors to. On a
    // high-DPI screen the pen is wider than a device pixel and is filled as
    // a shape, which covers the pixels whose centres it holds: there an end
    // is its pixel's centre. Either way every pixel of an axis-parallel or
    // diagonal line lands where the design puts it. Far-off ends are cut by
    // the painter at the image's edge.
    const auto line = pixelLine({x1, y1, x2, y2}, pixelSize_ == 1 ? 0.0 : 0.5);
    if (!line)
        return;
    QPainter painter(&image_);
    painter.setPen(crispPen(colour ? *colour : foreColor_.rgb()));
    painter.drawLine(*line);
    changed();
}

QImage PictureBox::layerOf(const std::vector<Segment>& lines, QRgb colour) const
{
    if (lines.empty())
        return {};
    QImage layer(image_.size(), QImage::Format_ARGB32_Premultiplied);
    layer.setDevicePixelRatio(pixelSize_);
    layer.fill(Qt::transparent);
    QPainter painter(&layer);
    painter.setPen(crispPen(colour));
    for (const Segment& s : lines)
        // From pixel centres the painter's steps along a slanted stroke
        // miss the pixels nearest to it far less often than from whole
        // points: for equation 6's field a tenth of its pixels against
        // two fifths.
        if (const auto line = pixelLine(s, 0.5))
            painter.drawLine(*line);
    return layer;
}

void PictureBox::setUnderlay(const std::vector<Segment>& lines, QRgb colour)
{
    underlay_ = layerOf(lines, colour);
    changed();
}

void PictureBox::setCurveLayer(const std::vector<Segment>& lines, QRgb colour)
{
    const double right = scaleLeft_ + scaleWidth_, bottom = scaleTop_ + scaleHeight_;
    std::vector<Segment> inside;
    for (const Segment& s : lines)
        if (const auto part = clipped(s, std::min(scaleLeft_, right), std::max(scaleLeft_, right),
                                      std::min(scaleTop_, bottom), std::max(scaleTop_, bottom)))
            inside.push_back(*part);
    curves_ = layerOf(inside, colour);
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
    // A run repaints the interior only; the border around it stays as drawn,
    // and drawing it again was a third of a short run's repaint.
    if (!contentsRect().contains(event->rect()))
        QFrame::paintEvent(event);
    QPainter painter(this);
    if (underlay_.isNull() && curves_.isNull()) {
        painter.drawImage(contentsRect().topLeft(), image_);
        return;
    }
    // The underlay shows through wherever the drawing has only the back
    // colour, so that everything drawn lies over it, text edges blended
    // with the back colour too. Made again only after a change, not on
    // every repaint.
    if (composedStale_) {
        composedStale_ = false;
        QImage onlyBack = image_.createMaskFromColor(backColor_.rgb());
        onlyBack.setColorTable({qRgba(0, 0, 0, 0), qRgba(0, 0, 0, 255)});
        onlyBack.setDevicePixelRatio(pixelSize_);
        QImage shownField = underlay_.isNull() ? curves_.copy() : underlay_.copy();
        if (!underlay_.isNull() && !curves_.isNull())
            QPainter(&shownField).drawImage(0, 0, curves_);
        QPainter masker(&shownField);
        masker.setCompositionMode(QPainter::CompositionMode_DestinationIn);
        masker.drawImage(0, 0, onlyBack);
        masker.end();
        composed_ = image_.copy();
        QPainter(&composed_).drawImage(0, 0, shownField);
    }
    painter.drawImage(contentsRect().topLeft(), composed_);
}

} // namespace rk
