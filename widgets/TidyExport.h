#pragma once
// The results as tidy data for a spreadsheet or pandas: a header row, then
// one row per listed line that names its run in full,
//   run, equation, method, h, x1, y1, i, x, y
// and, while the errors are shown, exact (or reference), error and relative
// error. x is written as the list writes it; y, h, x1, y1 and the exact
// value with the shortest digits that read back as the same double. UTF-8,
// '.' as the decimal point in every locale; a cell holding the separator, a
// quote or a line break is quoted.
//
// The column names and the method names are the same in every language, so
// that a script reading the file need not know who saved it.

#include "widgets/TableExport.h"

#include <QString>

#include <cstddef>
#include <functional>
#include <optional>
#include <vector>

class QAbstractItemModel;
class QIODevice;

namespace rk {

class ResultsTable;

using TidyTruth = TruthColumns;

// The header and the given lines, in their order.
QString tidyText(const ResultsTable& table, char separator, const TidyTruth* truth,
                 const std::vector<std::size_t>& lines);
// The header and every line, written in pieces as it goes. False when the
// device refused a write.
bool writeTidy(const ResultsTable& table, QIODevice& device, char separator, const TidyTruth* truth);

// A cell as tidy data writes it: quoted when it holds the separator, a
// quote or a line break.
QString tidyCell(const QString& text, char separator);

} // namespace rk
