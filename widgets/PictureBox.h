#pragma once
// A framed drawing surface with a user coordinate system.
//
// What is drawn lands in a persistent image that every repaint shows, so a
// drawing made before the window is first shown is seen at once. Nothing is
// smoothed: a point is one pixel, a line is a crisp one-pixel stroke with
// both end points set. On a high-DPI screen the image has device resolution
// and a "pixel" is one logical pixel.

#include "core/Segment.h"
#include "core/PointSink.h"
#include "widgets/Colours.h"

#include <QFrame>
#include <QImage>
#include <QLineF>
#include <QPoint>

#include <optional>
#include <vector>

namespace rk {

class PictureBox : public QFrame, public PointSink {
    Q_OBJECT
public:
    // The design's border is two pixels wide; the interior is the box less it.
    static constexpr int kBorderWidth = 2;

    PictureBox(QSize outerSize, QWidget* parent = nullptr);
    static QSize interiorOf(QSize outerSize);

    void setBackColor(QColor colour);
    void setForeColor(QColor colour);

    // (left, top)-(right, bottom) in user units over the interior.
    void Scale(double left, double top, double right, double bottom);
    // Erases everything to the back colour; the scale stays, printing
    // starts again at the top-left corner.
    void Cls();
    // A line in the given colour, or in the fore colour when none is given.
    void Line(float x1, float y1, float x2, float y2, std::optional<QRgb> colour = std::nullopt);
    void PSet(float x, float y, QRgb colour);
    // A run's point, in the colour of its kind.
    void PSet(float x, float y, PointKind kind) override;
    // Text at the print position in the box's font and fore colour, then a
    // line end.
    void Print(const QString& text);
    // Lines in user units on a layer of their own beneath the drawing,
    // shown wherever the drawing has only the back colour. Drawing, Cls and
    // image() leave the layer alone; no lines remove it.
    void setUnderlay(const std::vector<Segment>& lines, QRgb colour);
    // Lines on a second layer beneath the drawing, over the underlay: the
    // exact solutions. Cut at the edges of the scale, so that a curve that
    // leaves the frame far off is drawn as far as the frame. No lines
    // remove it.
    void setCurveLayer(const std::vector<Segment>& lines, QRgb colour);

    // The interior as drawn, at device resolution.
    const QImage& image() const { return image_; }
    // The interior as shown, the underlay beneath the drawing and the
    // widgets laid over it (the legend), at the device pixel ratio.
    QImage shownImage();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // Continuous logical-pixel position of a user coordinate.
    double columnOf(double x) const;
    double rowOf(double y) const;
    // A line in user units as the painter is to draw it, each end `within`
    // the pixel it floors to; none when an end has no finite position.
    std::optional<QLineF> pixelLine(const Segment& s, double within) const;
    void changed();

    QSize interior_;
    int pixelSize_ = 1; // device pixels per logical pixel
    QImage image_;
    // Transparent but for its lines, in user units; null without lines.
    QImage layerOf(const std::vector<Segment>& lines, QRgb colour) const;
    QImage underlay_; // transparent but for its lines; null when there is none
    QImage curves_;   // likewise, drawn over the underlay
    QImage composed_; // image_ over underlay_, made when first painted after a change
    bool composedStale_ = true;
    QColor backColor_ = QColor(kPaperWhite);
    QColor foreColor_ = QColor(kInkBlack);
    double scaleLeft_ = 0, scaleTop_ = 0, scaleWidth_ = 1, scaleHeight_ = 1;
    QPoint printPosition_;
    bool repaintPending_ = false;
};

} // namespace rk
