#include "widgets/Frame.h"

#include "core/FrameWindow.h"
#include "widgets/QtText.h"

namespace rk {

void DrawFrame(PictureBox& picture, FrameVariant variant)
{
    // Half a tick as a single, so both ends are exact negatives of each other.
    constexpr float kTick = 0.1f;
    const bool startUp = variant == FrameVariant::StartUp;

    if (startUp) {
        // Printed before the scale is set: it lands at the top-left corner.
        picture.Print(toQString(kFrameTitle));
        picture.Scale(kFrameLeft, kFrameTop, kFrameRight, kFrameBottom);
        picture.Line(kFrameLeft, 0, kFrameRight, 0, kStartUpAxisColour);
    } else {
        picture.Line(kFrameLeft, 0, kFrameRight, 0);
    }
    picture.Line(0, kFrameTop, 0, kFrameBottom);

    for (int i = startUp ? -1 : -10; i <= 17; ++i) {
        const auto at = static_cast<float>(i);
        picture.Line(at, -kTick, at, kTick);
        picture.Line(-kTick, at, kTick, at);
    }
}

} // namespace rk
