#pragma once

#include <string_view>

namespace rk {

// The usage steps in one line; the help box wraps them at its width. The
// "ｘ" is the full-width letter, the runs of blanks separate the steps.
inline constexpr std::string_view kHelpText =
    "関数を選ぶ"
    "         "
    "Ready をクリック"
    "      "
    "Initial ｘ を入力 Enter"
    "    "
    "Initial y を入力 Enter"
    "  "
    "Final ｘ を入力 Enter";

} // namespace rk
