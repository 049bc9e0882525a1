#pragma once
// The results table as text for other programs: tab-separated for the
// clipboard, comma-separated for a file. x has two decimals and y five, as
// the list shows them, so what leaves the window is digit for digit what it
// shows.

#include <QString>

#include <cstddef>
#include <functional>
#include <optional>
#include <string_view>

class QAbstractItemModel;
class QIODevice;

namespace rk {

class ResultsTable;

// Two more columns after y, when the errors are shown: the exact or
// reference y(x) with twelve significant digits, headed `heading`, and the
// error y - y(x) as the list writes it; both empty where a line has none.
struct TruthColumns {
    QString heading;
    std::function<std::optional<double>(std::size_t line)> valueAt;
};

// "x<TAB>y", then one "x<TAB>y" line per listed line; every line ends in '\n'.
QString tableText(const ResultsTable& table, const TruthColumns* truth = nullptr);

// "x,y", then one "x,y" row per listed line, each ending in '\n', written
// in pieces as it goes. False when the device refused a write.
bool writeTableCsv(const ResultsTable& table, QIODevice& device, const TruthColumns* truth = nullptr);

// Any table a view shows, headings first, as its cells' display texts:
// tab-separated for the clipboard, comma-separated for a file, where a cell
// holding a comma, a quote or a line break is quoted.
QString modelText(const QAbstractItemModel& model, char separator);
// Writes all of `bytes`, again and again where a device takes only part;
// false when it refuses a write.
bool writeAll(QIODevice& device, std::string_view bytes);

// False when the device refused a write.
bool writeModelText(const QAbstractItemModel& model, QIODevice& device, char separator);

} // namespace rk
