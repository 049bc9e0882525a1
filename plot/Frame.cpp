#include "plot/Frame.h"

#include "ui/QtText.h"
#include "ui/Value.h"

namespace rk {

void DrawFrame(PictureBox& picture, FrameVariant variant)
{
    // Half a tick as a single, so both ends are exact negatives of each other.
    constexpr float kTick = 0.1f;
    const bool startUp = variant == FrameVariant::StartUp;

    if (startUp) {
        // Printed before the scale is set: it lands at the top-left corner.
        picture.Print(toQString(kFrameTitle));
        const Value left = Value::integer(-2), top = Value::integer(10);
        const Value right = Value::integer(18), bottom = Value::integer(-10);
        picture.Scale(left.toDouble(), top.toDouble(), right.toDouble(), bottom.toDouble());
        picture.Line(-2, 0, 18, 0, paletteColor(5));
    } else {
        picture.Line(-2, 0, 18, 0);
    }
    picture.Line(0, 10, 0, -10);

    const Value end = Value::integer(17);
    const Value one = Value::integer(1);
    for (Value i = Value::integer(startUp ? -1 : -10); notPast(i, end); i = i + one) {
        const float at = *toSingle(i);
        picture.Line(at, -kTick, at, kTick);
        picture.Line(-kTick, at, kTick, at);
    }
}

} // namespace rk
