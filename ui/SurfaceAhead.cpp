#include "ui/SurfaceAhead.h"

#include <mutex>
#include <utility>

namespace rk {
namespace {

std::mutex keptLock;
QImage kept;

} // namespace

void prepareSurface(QSize pixels)
{
    QImage surface(pixels, QImage::Format_RGB32);
    surface.fill(0);
    const std::lock_guard lock(keptLock);
    kept = std::move(surface);
}

QImage takeSurface(QSize pixels)
{
    QImage surface;
    {
        const std::lock_guard lock(keptLock);
        surface = std::exchange(kept, QImage());
    }
    // A surface of another size (a screen of another pixel ratio) is let go.
    return surface.size() == pixels ? surface : QImage(pixels, QImage::Format_RGB32);
}

} // namespace rk
