#pragma once
// --help and --version, answered before the toolkit starts: they need no
// display, and every other argument is left to the toolkit as before.

#include <optional>

namespace rk {

// The exit status when the arguments asked only for the help or the version
// (printed on standard output), nothing when the program should start.
std::optional<int> answerCommandLine(int argc, char* argv[]);

} // namespace rk
