#include "widgets/ComparisonChart.h"

#include "core/LineNumbers.h"
#include "widgets/Colours.h"
#include "widgets/ComparisonWords.h"
#include "widgets/MethodNames.h"
#include "widgets/QtText.h"

#include <QChart>
#include <QCursor>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QPen>
#include <QToolTip>

#include <algorithm>
#include <cmath>

namespace rk {

ComparisonChart::ComparisonChart(QWidget* parent) : QChartView(parent)
{
    setRenderHint(QPainter::Antialiasing);
    chart()->legend()->setVisible(true);
    // At the side, where the names have room to be read whole.
    chart()->legend()->setAlignment(Qt::AlignRight);
    setMinimumSize(420, 320);
}

QString ComparisonChart::pointText(QPointF point)
{
    return tr("h = %1, |error| = %2").arg(ComparisonWords::step(point.x()), toQString(errorText(point.y())));
}

void ComparisonChart::setComparison(const Comparison& comparison)
{
    QChart& chart = *this->chart();
    chart.removeAllSeries();
    // A removed axis is no longer the chart's to delete.
    for (QAbstractAxis* axis : chart.axes()) {
        chart.removeAxis(axis);
        delete axis;
    }

    auto* hAxis = new QLogValueAxis;
    hAxis->setTitleText(tr("step h"));
    hAxis->setLabelFormat(QStringLiteral("%g"));
    auto* errorAxis = new QLogValueAxis;
    errorAxis->setTitleText(tr("|error| at x2"));
    errorAxis->setLabelFormat(QStringLiteral("%.0e"));
    chart.addAxis(hAxis, Qt::AlignBottom);
    chart.addAxis(errorAxis, Qt::AlignLeft);

    double hLow = INFINITY, hHigh = 0, errorLow = INFINITY, errorHigh = 0;
    for (const MethodSummary& method : comparison.summaries) {
        auto* series = new QLineSeries;
        series->setName(methodName(comparison.methodInfo(method.method)));
        series->setPointsVisible(true);
        for (const ComparisonRow& row : comparison.rows) {
            // A log axis has no place for 0, and the rows beyond the stability
            // limit would stretch it over hundreds of decades.
            if (row.method != method.method || !row.error || row.mark == RowMark::BeyondStability)
                continue;
            const double magnitude = std::fabs(*row.error);
            if (!(magnitude > 0) || !std::isfinite(magnitude))
                continue;
            series->append(row.h, magnitude);
            hLow = std::min(hLow, row.h), hHigh = std::max(hHigh, row.h);
            errorLow = std::min(errorLow, magnitude), errorHigh = std::max(errorHigh, magnitude);
        }
        connect(series, &QLineSeries::hovered, this, [](QPointF point, bool state) {
            if (state)
                QToolTip::showText(QCursor::pos(), pointText(point));
            else
                QToolTip::hideText();
        });
        chart.addSeries(series);
        series->attachAxis(hAxis);
        series->attachAxis(errorAxis);
    }
    if (errorHigh == 0) { // nothing to draw: all exact, or no true value
        hLow = comparison.rows.empty() ? 0.00625 : comparison.rows.back().h;
        hHigh = comparison.rows.empty() ? 0.4 : comparison.rows.front().h;
        errorLow = 1e-16, errorHigh = 1;
    }
    hAxis->setRange(hLow / 1.5, hHigh * 1.5);
    errorAxis->setRange(errorLow / 3, errorHigh * 3);
    for (const int slope : {1, 2, 4})
        addGuide(slope, hLow, hHigh, errorHigh);
}

// From the top right corner, where the largest error is, down towards small
// h: a method whose points run parallel to a guide has that order.
void ComparisonChart::addGuide(int slope, double hSmallest, double hLargest, double errorLargest)
{
    auto* guide = new QLineSeries;
    guide->setName(tr("slope %1").arg(slope));
    QPen pen(QColor(kGuideColour), 1, Qt::DashLine);
    pen.setDashPattern({static_cast<qreal>(2 + 2 * slope), 4});
    guide->setPen(pen);
    for (double h = hLargest; h >= hSmallest / 2; h /= 2)
        guide->append(h, errorLargest * std::pow(h / hLargest, slope));
    chart()->addSeries(guide);
    for (QAbstractAxis* axis : chart()->axes())
        guide->attachAxis(axis);
}

} // namespace rk
