// The comparison's chart as a module of its own, with plain C entry points
// that ComparisonChartLoader looks up by name.

#include "widgets/ComparisonChart.h"

extern "C" {

Q_DECL_EXPORT QWidget* rk_comparison_chart_new(QWidget* parent) { return new rk::ComparisonChart(parent); }

Q_DECL_EXPORT void rk_comparison_chart_show(QWidget* chart, const rk::Comparison* comparison)
{
    static_cast<rk::ComparisonChart*>(chart)->setComparison(*comparison);
}
}
