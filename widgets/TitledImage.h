#pragma once
// A picture with a title line above it, so that a saved image says what
// it shows once it has left the window.

#include <QFont>
#include <QImage>
#include <QString>

namespace rk {

QImage titledImage(const QImage& picture, const QString& title, const QFont& font);

} // namespace rk
