// The results as a table a teacher can check, and as tidy data: the cells
// the table window shows, the run labels, and the files it writes.

#include "core/Solve.h"
#include "widgets/ResultsModel.h"
#include "widgets/RunTableModel.h"
#include "widgets/TidyExport.h"

#include <gtest/gtest.h>

#include <QBuffer>

#include <cstdlib>
#include <memory>

namespace rk {
namespace {

struct NoPicture : PointSink {
    void PSet(float, float, PointKind) override {}
};

// Runs into the results as the window makes them, each published at once.
class RunTable : public ::testing::Test {
protected:
    void solve(int equation, double x1, double y1, double x2, double h = kStep, Method method = Method::RungeKutta)
    {
        FormValues values{equation, x1, y1, x2, nullptr, h, method};
        NoPicture picture;
        Solve(values, picture, results.table());
        results.publishAppended();
    }

    QStringList row(int line) const
    {
        QStringList cells;
        for (int column = 0; column < table.columnCount(); ++column)
            cells << table.index(line, column).data().toString();
        return cells;
    }

    QStringList headings() const
    {
        QStringList names;
        for (int column = 0; column < table.columnCount(); ++column)
            names << table.headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
        return names;
    }

    ResultsModel results;
    RunTableModel table{results};
};

// y' = -y from (0, 1): y in full, its exact value, and an error that the
// two texts give back; the stages of the step from each row on request.
TEST_F(RunTable, CellsInFullThatGiveTheErrorBack)
{
    solve(1, 0, 1, 1);
    ASSERT_EQ(table.rowCount(), 21);
    EXPECT_EQ(headings(), (QStringList{"run", "i", "x", "y"}));
    EXPECT_EQ(row(1), (QStringList{"1", "1", "0.05", "0.9512294270833334"}));

    results.setShowErrors(true);
    EXPECT_EQ(headings(), (QStringList{"run", "i", "x", "y", "exact y", "error", "relative error"}));
    const QStringList cells = row(1);
    EXPECT_EQ(cells.mid(4), (QStringList{"0.951229424500714", "2.58e-09", "2.72e-09"}));
    EXPECT_EQ(QString::asprintf("%.2e", cells[3].toDouble() - cells[4].toDouble()), cells[5]);

    table.setShowStages(true);
    EXPECT_EQ(row(0).mid(7), (QStringList{"-1", "-0.975", "-0.975625", "-0.95121875"}));
    EXPECT_EQ(headings().mid(7), (QStringList{"k1", "k2", "k3", "k4"}));
}

// Runs made later appear; Ready empties the table; each run is labelled,
// and one that ends short of x2 says where and why.
TEST_F(RunTable, RunsAppearAndAreLabelled)
{
    solve(1, 0, 1, 0.2, 0.1, Method::Euler);
    solve(2, 0, 1, 1, 0.055);
    table.setShowStages(true);
    ASSERT_EQ(table.rowCount(), 3 + 19);
    EXPECT_EQ(row(2), (QStringList{"1", "2", "0.20", "0.81", "-0.81", "", "", ""})) << "Euler has one stage";
    EXPECT_EQ(row(3).mid(0, 3), (QStringList{"2", "0", "0.000"}));

    const struct {
        int line;
        const char* label;
    } labels[] = {
        {0, "Run 1: y' = - y, Euler, h = 0.1, from (0, 1) to x2 = 0.2"},
        {21, "Run 2: y' = x - y, Runge–Kutta, h = 0.055, from (0, 1) to x2 = 1\n"
             "ends at x = 0.99, before x2 = 1: h = 0.055 does not divide 1"},
    };
    for (const auto& l : labels)
        EXPECT_EQ(table.index(l.line, 0).data(Qt::ToolTipRole).toString(), QString::fromUtf8(l.label));

    results.clear();
    EXPECT_EQ(table.rowCount(), 0);
    solve(0, 1, 2, 1.05);
    EXPECT_EQ(row(0).mid(0, 4), (QStringList{"1", "0", "1.00", "2"}));
    EXPECT_EQ(table.index(0, 0).data(Qt::ToolTipRole).toString(),
              "Run 1: no equation, Runge–Kutta, h = 0.05, from (1, 2) to x2 = 1.05");
}

// Tidy data: a header, then every line with its run's equation, method, h
// and start; two runs saved together tell their rows apart.
TEST_F(RunTable, TidyRowsNameTheirRun)
{
    solve(1, 0, 1, 0.1, 0.1, Method::Euler);
    solve(1, 0, 1, 0.05);
    QBuffer file;
    file.open(QIODevice::WriteOnly);
    ASSERT_TRUE(writeTidy(results.table(), file, ',', nullptr));
    EXPECT_EQ(QString::fromUtf8(file.data()), "run,equation,method,h,x1,y1,i,x,y\n"
                                              "1,y' = - y,Euler,0.1,0,1,0,0.00,1\n"
                                              "1,y' = - y,Euler,0.1,0,1,1,0.10,0.9\n"
                                              "2,y' = - y,Runge-Kutta,0.05,0,1,0,0.00,1\n"
                                              "2,y' = - y,Runge-Kutta,0.05,0,1,1,0.05,0.9512294270833334\n");

    results.setShowErrors(true);
    const TidyTruth truth{"exact", [this](std::size_t line) { return results.truthAt(line)->value; }};
    EXPECT_EQ(tidyText(results.table(), '\t', &truth, {3}),
              "run\tequation\tmethod\th\tx1\ty1\ti\tx\ty\texact\terror\trelative error\n"
              "2\ty' = - y\tRunge-Kutta\t0.05\t0\t1\t1\t0.05\t0.9512294270833334\t0.951229424500714\t2.58e-09\t2.72e-09\n");

    const struct {
        const char* text;
        char separator;
        const char* cell;
    } cells[] = {
        {"y' = x, y", ',', "\"y' = x, y\""},
        {"y' = x, y", '\t', "y' = x, y"},
        {"a\tb", '\t', "\"a\tb\""},
        {"say \"x\"", ',', "\"say \"\"x\"\"\""},
        {"y' = x - y", ',', "y' = x - y"},
    };
    for (const auto& c : cells)
        EXPECT_EQ(tidyCell(QString::fromUtf8(c.text), c.separator), QString::fromUtf8(c.cell)) << c.text;
}

} // namespace
} // namespace rk
