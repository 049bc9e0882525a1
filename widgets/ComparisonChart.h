#pragma once
// |error| at x2 against h on log-log axes, one series per method: a
// method of order p draws a straight line of slope p, which the dashed
// guide lines of slope 1, 2 and 4 let a learner read off.

#include "core/Comparison.h"

#include <QChartView>

class QLineSeries;

namespace rk {

class ComparisonChart : public QChartView {
    Q_OBJECT
public:
    explicit ComparisonChart(QWidget* parent = nullptr);
    void setComparison(const Comparison& comparison);
    // What hovering a point shows, as its tooltip says it.
    static QString pointText(QPointF point);

private:
    void addGuide(int slope, double hSmallest, double hLargest, double errorLargest);
};

} // namespace rk
