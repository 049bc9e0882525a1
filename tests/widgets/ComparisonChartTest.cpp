#include "widgets/ComparisonChart.h"

#include "widgets/ComparisonTableModel.h"
#include "widgets/TableExport.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QChart>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QTest>
#include <QToolTip>

#include <map>
#include <variant>

namespace rk {
namespace {

// y' = f(x, y) as typed.
Equation typed(const char16_t* text)
{
    auto read = OwnEquation::read(text);
    return {kOwnEquation, std::make_shared<const TypedEquation>(TypedEquation{"", std::get<OwnEquation>(read)})};
}

std::map<QString, QList<QPointF>> seriesOf(ComparisonChart& chart)
{
    std::map<QString, QList<QPointF>> found;
    for (QAbstractSeries* series : chart.chart()->series())
        found[series->name()] = static_cast<QXYSeries*>(series)->points();
    return found;
}

struct Drawn {
    const char* name;
    const char16_t* typed; // an own equation, or none for y' = -y
    double x2, y1;
    int larger, smaller;
    std::map<QString, qsizetype> points; // per series
};

class ComparisonChartDraws : public ::testing::TestWithParam<Drawn> {};

// One series per method on log axes, without the rows a log axis cannot
// hold or that would stretch it over hundreds of decades; three guides.
TEST_P(ComparisonChartDraws, SeriesAndAxes)
{
    const Drawn& want = GetParam();
    ComparisonChart chart;
    const Equation equation = want.typed ? typed(want.typed) : Equation{1, nullptr};
    chart.setComparison(compare({equation, 0, want.y1, want.x2}, comparisonSteps(want.larger, want.smaller)));
    const auto series = seriesOf(chart);
    for (const auto& [name, count] : want.points) {
        ASSERT_TRUE(series.count(name)) << want.name << ": " << name.toStdString();
        EXPECT_EQ(series.at(name).size(), count) << want.name << ": " << name.toStdString();
        for (const QPointF point : series.at(name))
            EXPECT_GT(point.y(), 0) << want.name;
    }
    EXPECT_EQ(series.size(), 7u) << want.name;
    const auto axes = chart.chart()->axes();
    ASSERT_EQ(axes.size(), 2) << want.name;
    for (QAbstractAxis* axis : axes)
        EXPECT_EQ(axis->type(), QAbstractAxis::AxisTypeLogValue) << want.name;
    for (QAbstractSeries* drawn : chart.chart()->series())
        EXPECT_EQ(drawn->attachedAxes().size(), 2) << want.name;
}

INSTANTIATE_TEST_SUITE_P(Problems, ComparisonChartDraws, ::testing::Values(
    Drawn{"y' = -y", nullptr, 1, 1, 0, 0,
          {{"Euler", 7}, {"Heun", 7}, {"Midpoint", 7}, {"Runge–Kutta", 7}}},
    // h = 3.2 is beyond every method's stability limit on y' = -y.
    Drawn{"beyond stability", nullptr, 40, 1, 3, 0,
          {{"Euler", 9}, {"Runge–Kutta", 9}}},
    Drawn{"no true value", u"y^2", 2, 1, 0, 0, {{"Euler", 0}, {"Runge–Kutta", 0}}}
));

// Pointing at a method's point shows its values; leaving it hides them.
TEST(ComparisonChart, HoverTellsThePoint)
{
    ComparisonChart chart;
    chart.setComparison(compare({{1, nullptr}, 0, 1, 1}, {0.4, 0.2}));
    chart.show();
    auto* rungeKutta = static_cast<QXYSeries*>(chart.chart()->series()[3]);
    emit rungeKutta->hovered({0.2, 5.8e-6}, true);
    EXPECT_EQ(QToolTip::text(), "h = 0.2, |error| = 5.80e-06");
    emit rungeKutta->hovered({0.2, 5.8e-6}, false);
    EXPECT_TRUE(QTest::qWaitFor([] { return !QToolTip::isVisible(); }, 2000)); // it fades
}

// The table leaves as a person reads it; a comma inside a note is quoted.
TEST(ComparisonTable, ExportsHeadingsAndRows)
{
    ComparisonTableModel model;
    model.setComparison(compare({{1, nullptr}, 0, 1, 1}, {0.4, 0.2}));
    const QStringList lines = modelText(model, '\t').split('\n');
    EXPECT_EQ(lines[0], "Method\th\tSteps\ty at x2\tError\tRatio\tOrder\tNote");
    EXPECT_EQ(lines[1], "Euler\t0.4\t3\t0.288\t-7.99e-02\t\t\tlast step shortened");
    EXPECT_EQ(lines.size(), 1 + 8 + 1);
    model.item(0, ComparisonTableModel::NoteColumn)->setText("a, \"b\"");
    QBuffer file;
    file.open(QIODevice::WriteOnly);
    ASSERT_TRUE(writeModelText(model, file, ','));
    EXPECT_TRUE(file.data().split('\n')[1].endsWith(",\"a, \"\"b\"\"\""));
}

} // namespace
} // namespace rk
