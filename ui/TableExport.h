#pragma once
// The results table as text for other programs: tab-separated for the
// clipboard, comma-separated for a file. Each line's two texts are taken as
// listed, so what leaves the window is digit for digit what it shows.

#include <QString>

class QIODevice;

namespace rk {

class LineSource;

// "x<TAB>y", then one "x<TAB>y" line per listed line; every line ends in '\n'.
QString tableText(const LineSource& table);

// "x,y", then one "x,y" row per listed line, each ending in '\n', written
// in pieces as it goes. False when the device refused a write.
bool writeTableCsv(const LineSource& table, QIODevice& device);

} // namespace rk
