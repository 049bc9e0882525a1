#pragma once
// Qt Charts, with the OpenGL libraries it brings along, added 8 to 9 ms to
// the program's start (bench_startup, 20 starts each: 102-113 ms against
// 94-106 ms without), enough to pass the plain window's. The chart is
// therefore a module of its own, loaded when a comparison first needs it.

#include "core/Comparison.h"

#include <QString>

class QWidget;

namespace rk {

class ComparisonChartLoader {
public:
    // A new chart, or nullptr with `reason` saying why the module would not load.
    static QWidget* create(QWidget* parent, QString& reason);
    // `chart` came from create().
    static void show(QWidget* chart, const Comparison& comparison);
};

} // namespace rk
