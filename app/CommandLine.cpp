#include "app/CommandLine.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <string_view>

namespace rk {

namespace {

constexpr std::string_view helpText =
    "Usage: rungekutta [options]\n"
    "Learn the fourth-order Runge-Kutta method on six equations y' = f(x, y).\n"
    "\n"
    "Options:\n"
    "  -h, --help                  Show this help and exit.\n"
    "  -v, --version               Show the version and exit.\n"
    "\n"
    "Options of the Qt toolkit (with one dash or two), for example:\n"
    "  -platform name[:options]    Use the named platform plugin: xcb, wayland,\n"
    "                              offscreen, ...\n"
    "  -platformtheme name         Use the named platform theme.\n"
    "  -platformpluginpath path    Also look for platform plugins in path.\n"
    "  -plugin name                Load the named generic plugin.\n"
    "  -display host:screen        Connect to this X server instead of $DISPLAY.\n"
    "  -qwindowgeometry geometry   Place the window, in X geometry syntax (+100+50).\n"
    "  -geometry geometry          The same as -qwindowgeometry on X11.\n"
    "  -qwindowtitle title         Set the window title.\n"
    "  -qwindowicon file           Set the window icon.\n"
    "  -style style                Draw the controls in the named style (Fusion).\n"
    "  -stylesheet file            Apply the Qt style sheet in file.\n"
    "  -reverse                    Lay the window out from right to left.\n"
    "  -session session            Restore the program from an earlier session.\n"
    "  -widgetcount                On exit, print how many widgets were left.\n";

// The toolkit's options that take the next argument as their value: that
// value is never one of ours, so `-qwindowtitle --help` starts the window.
constexpr std::array<std::string_view, 14> toolkitOptionsWithValue = {
    "platform", "platformtheme", "platformpluginpath", "plugin", "display", "qwindowgeometry", "geometry",
    "qwindowtitle", "title", "qwindowicon", "icon", "style", "stylesheet", "session"};

} // namespace

std::optional<int> answerCommandLine(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "-h" || arg == "--help") {
            std::fwrite(helpText.data(), 1, helpText.size(), stdout);
            return 0;
        }
        if (arg == "-v" || arg == "--version") {
            std::puts("rungekutta " RK_VERSION);
            return 0;
        }
        std::string_view name = arg.substr(arg.starts_with("--") ? 2 : arg.starts_with('-') ? 1 : arg.size());
        if (std::find(toolkitOptionsWithValue.begin(), toolkitOptionsWithValue.end(), name) !=
            toolkitOptionsWithValue.end())
            ++i;
    }
    return std::nullopt;
}

} // namespace rk
