#include "widgets/TitledImage.h"

#include <QFontMetrics>
#include <QPainter>

namespace rk {

QImage titledImage(const QImage& picture, const QString& title, const QFont& font)
{
    QFont bold = font;
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    const int margin = metrics.height() / 2;
    const int titleHeight = metrics.height() + 2 * margin;
    QImage image(picture.width(), picture.height() + titleHeight, QImage::Format_RGB32);
    image.setDevicePixelRatio(picture.devicePixelRatio());
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(bold);
    painter.setPen(Qt::black);
    const qreal ratio = picture.devicePixelRatio();
    const QRectF line(margin, margin, picture.width() / ratio - 2 * margin, metrics.height());
    painter.drawText(line, Qt::AlignHCenter | Qt::AlignVCenter,
                     metrics.elidedText(title, Qt::ElideRight, static_cast<int>(line.width())));
    painter.drawImage(QPointF(0, titleHeight / ratio), picture);
    return image;
}

} // namespace rk
