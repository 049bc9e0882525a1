#pragma once
// The user coordinates of the plot's window: x from -2 to 18, y from -10 to
// 10, set by the start-up frame and kept for the life of the window.

namespace rk {

inline constexpr int kFrameLeft = -2, kFrameRight = 18, kFrameBottom = -10, kFrameTop = 10;

} // namespace rk
