#include "tests/app/FormFixture.h"

#include "app/ComparisonWindow.h"
#include "app/FileSaver.h"
#include "widgets/ComparisonTableModel.h"
#include "tests/Utf16.h"

#include <QAccessible>
#include <QChart>
#include <QChartView>
#include <QClipboard>
#include <QDir>
#include <QElapsedTimer>
#include <QProgressBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTableView>
#include <QXYSeries>

#include <variant>

namespace rk {
namespace {

class Comparing : public FormFixture {
protected:
    ComparisonWindow* openComparison()
    {
        choose(openMenu(control<QListWidget>("List2"), Way::ShiftF10), "Compare steps and methods…");
        auto* window = form.findChild<ComparisonWindow*>();
        if (window) {
            QApplication::setActiveWindow(window);
            EXPECT_TRUE(QTest::qWaitForWindowActive(window));
        }
        return window;
    }
    // The typed equation x/2 - sin(x+y), whose slopes cost more than a built-in one's.
    static ComparisonWindow::Setup longSpan()
    {
        ComparisonWindow::Setup setup;
        setup.problem.equation.number = kOwnEquation;
        setup.problem.equation.own = std::make_shared<const TypedEquation>(
            TypedEquation{"x/2 - sin(x+y)", std::get<OwnEquation>(OwnEquation::read(u"x/2 - sin(x+y)"))});
        setup.problem.x2 = 6000;
        setup.equationText = "y' = x/2 - sin(x+y)";
        return setup;
    }
    static bool finished(ComparisonWindow* window)
    {
        QSignalSpy computed(window, &ComparisonWindow::computed);
        return !window->busy() || computed.wait(20000);
    }
    static QString cell(ComparisonWindow* window, int row, int column)
    {
        return window->table().index(row, column).data().toString();
    }
};

// Nothing confirmed and no equation chosen: y' = -y from (0, 1) to 1, as
// the window says, with the numbers a hand computation gives.
TEST_F(Comparing, OpensFromTheEquationMenu)
{
    QElapsedTimer opening;
    opening.start();
    ComparisonWindow* window = openComparison();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    std::printf("opened in %lld ms\n", static_cast<long long>(opening.elapsed()));
    ASSERT_TRUE(finished(window));
    std::printf("computed in %lld ms\n", static_cast<long long>(opening.elapsed()));
    EXPECT_EQ(window->windowTitle(), "Compare steps and methods");
    EXPECT_EQ(window->findChild<QLabel*>("Problem")->text(), "y' = - y from (0, 1) to x = 1");
    EXPECT_TRUE(window->findChild<QLabel*>("Choice")->isVisible());

    // Runge-Kutta's rows come last, h = 0.4 first.
    const int first = 3 * 7;
    EXPECT_EQ(cell(window, first, ComparisonTableModel::NoteColumn), "last step shortened");
    const char* const errors[] = {"5.80e-06", "3.33e-07", "2.00e-08", "1.22e-09", "7.56e-11"};
    const char* const orders[] = {"3.94", "4.12", "4.06", "4.03", "4.02"};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(cell(window, first + 1 + i, ComparisonTableModel::ErrorColumn), errors[i]);
        EXPECT_EQ(cell(window, first + 1 + i, ComparisonTableModel::OrderColumn), orders[i]);
        EXPECT_EQ(cell(window, first + 1 + i, ComparisonTableModel::NoteColumn), "");
    }
    const QStringList said = window->sentence().text().split('\n');
    EXPECT_EQ(said, (QStringList{"Halving h divides the Euler error by about 2: order 1.0.",
                                 "Halving h divides the Heun error by about 4: order 2.0.",
                                 "Halving h divides the Midpoint error by about 4: order 2.0.",
                                 "Halving h divides the Runge–Kutta error by about 16: order 4.0."}));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&window->sentence())->text(QAccessible::Name),
              "What the rows show");

    QStringList names;
    // Loaded from its module, as the program loads it.
    auto* chart = qobject_cast<QChartView*>(&window->chart());
    ASSERT_NE(chart, nullptr) << window->chart().property("text").toString().toStdString();
    for (const QAbstractSeries* series : chart->chart()->series())
        names << series->name();
    EXPECT_EQ(names, (QStringList{"Euler", "Heun", "Midpoint", "Runge–Kutta", "slope 1", "slope 2", "slope 4"}));

    window->findChild<QPushButton*>("CopyComparison")->click();
    const QStringList copied = QGuiApplication::clipboard()->text().split('\n');
    // Tidy: every row names the problem.
    EXPECT_EQ(copied[0], "equation\tx1\ty1\tx2\tMethod\th\tSteps\ty at x2\tError\tRatio\tOrder\tNote");
    EXPECT_EQ(copied[first + 2],
              "y' = - y\t0\t1\t1\tRunge–Kutta\t0.2\t5\t0.367885238125\t5.80e-06\t15.34\t3.94\t");
    // The chart's picture says what it shows, above it.
    QTemporaryDir scratch;
    const QString png = scratch.filePath("chart.png");
    window->saver().setPathChooser([&](QWidget*, const FileSaver::SaveRequest&) { return png; });
    window->findChild<QPushButton*>("SaveChart")->click();
    const QImage saved(png);
    EXPECT_EQ(saved.size().width(), window->chart().grab().toImage().width());
    EXPECT_GT(saved.height(), window->chart().grab().toImage().height()) << "a title above the chart";

    // Smaller h, down to where rounding takes over, and it says so.
    for (int i = 0; i < 6; ++i) {
        // A mnemonic clicks its button a moment later, as a person would see.
        QSignalSpy computed(window, &ComparisonWindow::computed);
        QTest::keyClick(window, Qt::Key_S, Qt::AltModifier);
        ASSERT_TRUE(computed.wait(20000));
    }
    EXPECT_TRUE(window->sentence().text().endsWith(
        "For h = 0.000390625 and below the error stops falling: rounding in the computer's arithmetic takes over."))
        << window->sentence().text().toStdString();
    if (const QString folder = qEnvironmentVariable("RK_PICTURES"); !folder.isEmpty()) {
        QApplication::processEvents();
        auto* table = window->findChild<QTableView*>();
        table->scrollTo(table->model()->index(table->model()->rowCount() - 1, 0));
        QApplication::processEvents();
        EXPECT_TRUE(window->grab().save(QDir(folder).filePath("compare.png")));
    }
    // Escape closes it; the menu brings it back.
    QTest::keyClick(window, Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
    reactivate();
    EXPECT_EQ(openComparison(), window);
    EXPECT_TRUE(window->isVisible());
}

// The problem the window takes from the main window's values.
struct TakenProblem {
    const char* name;
    FormValues values;
    double x1, y1, x2;
    int equation;
    bool chosen;
};

class TakesTheProblem : public ::testing::TestWithParam<TakenProblem> {};

TEST_P(TakesTheProblem, FromTheMainWindow)
{
    const TakenProblem& want = GetParam();
    const auto setup = ComparisonWindow::setupFrom(want.values, "y' = 2");
    EXPECT_EQ(setup.problem.x1, want.x1) << want.name;
    EXPECT_EQ(setup.problem.y1, want.y1) << want.name;
    EXPECT_EQ(setup.problem.x2, want.x2) << want.name;
    EXPECT_EQ(setup.problem.equation.number, want.equation) << want.name;
    EXPECT_EQ(setup.chosen, want.chosen) << want.name;
}

INSTANTIATE_TEST_SUITE_P(Values, TakesTheProblem, ::testing::Values(
    TakenProblem{"nothing confirmed", {}, 0, 1, 1, 1, false},
    TakenProblem{"x2 left of x1", {3, 2, 5, 1}, 2, 5, 3, 3, true},
    TakenProblem{"no equation", {0, 1, 2, 4}, 1, 2, 4, 1, false},
    TakenProblem{"own equation not typed", {kOwnEquation, 0, 1, 2}, 0, 1, 2, 1, false}
));

TEST_F(Comparing, ConstantSlopeHasNoErrorToHalve)
{
    clickEquation(2);
    ComparisonWindow* window = openComparison();
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(finished(window));
    EXPECT_EQ(window->findChild<QLabel*>("Problem")->text(), "y' = 2 from (0, 1) to x = 1");
    EXPECT_FALSE(window->findChild<QLabel*>("Choice")->isVisible());
    EXPECT_EQ(window->sentence().text(),
              "Every method gives the exact answer here up to rounding, so there is no error to halve.");

    // Far out, x1 + 1 is x1 again: nothing to compare, and the window says so.
    window->setSetup(ComparisonWindow::setupFrom(FormValues{3, 1e20, 1, 0}, "y' = 2"));
    ASSERT_TRUE(finished(window));
    EXPECT_TRUE(window->comparison().rows.empty());
    EXPECT_TRUE(window->sentence().text().startsWith("There is nothing to compare")) << window->sentence().text().toStdString();
}

// From the main window's last run, x = 0 to 20. How soon it opens is a
// benchmark's (make bench).
TEST_F(Comparing, SpanOfTwentyFromTheLastRun)
{
    clickEquation(5);
    control<QPushButton>("Command1")->click();
    for (const char* typed : {"0", "1", "20"})
        typeAndEnter(typed);
    choose(openMenu(control<QListWidget>("List2"), Way::ShiftF10), "Compare steps and methods…");
    auto* window = form.findChild<ComparisonWindow*>();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    ASSERT_TRUE(finished(window));
    EXPECT_EQ(window->findChild<QLabel*>("Problem")->text(), "y' = x/2 -sin(x+y) from (0, 1) to x = 20");
}

// A long span: the bar and Cancel show, the main window still runs, and
// Cancel or closing the window stop the work.
TEST_F(Comparing, LongSpanCancels)
{
    ComparisonWindow window(longSpan(), &form);
    window.show();
    QTest::qWait(400);
    ASSERT_TRUE(window.busy()) << "done too soon to be cancelled";
    EXPECT_TRUE(window.findChild<QProgressBar*>()->isVisible());
    reactivate();
    clickEquation(0);
    control<QPushButton>("Command1")->click();
    typeAndEnter("0");
    typeAndEnter("1");
    typeAndEnter("1");
    EXPECT_EQ(listedCount(form), 21u);
    window.findChild<QPushButton*>("CancelComparison")->click();
    ASSERT_TRUE(finished(&window));
    EXPECT_TRUE(window.comparison().cancelled);
    EXPECT_TRUE(window.sentence().text().startsWith("Cancelled"));

    window.setSetup(longSpan());
    window.close();
    ASSERT_TRUE(finished(&window));
    EXPECT_TRUE(window.comparison().cancelled);
}

} // namespace
} // namespace rk
