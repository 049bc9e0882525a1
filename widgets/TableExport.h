#pragma once
// The results table as text for other programs: tab-separated for the
// clipboard, comma-separated for a file. x has two decimals and y five, as
// the list shows them, so what leaves the window is digit for digit what it
// shows.

#include <QString>

class QIODevice;

namespace rk {

class ResultsTable;

// "x<TAB>y", then one "x<TAB>y" line per listed line; every line ends in '\n'.
QString tableText(const ResultsTable& table);

// "x,y", then one "x,y" row per listed line, each ending in '\n', written
// in pieces as it goes. False when the device refused a write.
bool writeTableCsv(const ResultsTable& table, QIODevice& device);

} // namespace rk
