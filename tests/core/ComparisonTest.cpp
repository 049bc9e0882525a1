#include "core/Comparison.h"

#include "tests/OwnMethods.h"
#include "tests/Utf16.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <string>
#include <thread>
#include <variant>

namespace rk {
namespace {

Equation typed(const std::string& text)
{
    auto read = OwnEquation::read(utf16(text));
    return {kOwnEquation, std::make_shared<const TypedEquation>(TypedEquation{text, std::get<OwnEquation>(read)})};
}

const ComparisonRow* rowOf(const Comparison& comparison, Method method, double h)
{
    for (const ComparisonRow& row : comparison.rows)
        if (row.method == method && row.h == h)
            return &row;
    return nullptr;
}

// Three significant digits of the error and two decimals of the order.
struct ExpectedRow {
    Method method;
    double h;
    double error;
    double order;
};

class ErrorsOfYMinusY : public ::testing::TestWithParam<ExpectedRow> {};

TEST_P(ErrorsOfYMinusY, FromZeroOneToOne)
{
    static const Comparison comparison = compare({{1, nullptr}, 0, 1, 1}, comparisonSteps());
    const ExpectedRow& want = GetParam();
    const ComparisonRow* row = rowOf(comparison, want.method, want.h);
    ASSERT_NE(row, nullptr);
    ASSERT_TRUE(row->error);
    EXPECT_NEAR(*row->error, want.error, 0.005 * std::fabs(want.error));
    EXPECT_EQ(row->mark, RowMark::None);
    EXPECT_FALSE(row->lastStepShortened);
    ASSERT_TRUE(row->order);
    EXPECT_EQ(std::round(*row->order * 100), std::round(want.order * 100)) << *row->order;
    EXPECT_DOUBLE_EQ(std::log2(*row->ratio), *row->order);
}

// The order of the 0.2 row is against h = 0.4, whose last step is shortened.
INSTANTIATE_TEST_SUITE_P(RungeKutta, ErrorsOfYMinusY, ::testing::Values(
    ExpectedRow{Method::RungeKutta, 0.2, 5.80e-6, 3.94},
    ExpectedRow{Method::RungeKutta, 0.1, 3.33e-7, 4.12},
    ExpectedRow{Method::RungeKutta, 0.05, 2.00e-8, 4.06},
    ExpectedRow{Method::RungeKutta, 0.025, 1.22e-9, 4.03},
    ExpectedRow{Method::RungeKutta, 0.0125, 7.56e-11, 4.02},
    ExpectedRow{Method::Euler, 0.1, -1.92e-2, 1.07}
));

struct ExpectedOrder {
    Method method;
    double order, within;
};

class OrdersOfYMinusY : public ::testing::TestWithParam<ExpectedOrder> {};

TEST_P(OrdersOfYMinusY, MedianOfTheRows)
{
    static const Comparison comparison = compare({{1, nullptr}, 0, 1, 1}, comparisonSteps());
    const ExpectedOrder& want = GetParam();
    const MethodSummary& summary = comparison.summaries[static_cast<std::size_t>(want.method)];
    ASSERT_TRUE(summary.order);
    EXPECT_NEAR(*summary.order, want.order, want.within);
    EXPECT_FALSE(summary.unstableFrom);
    EXPECT_FALSE(summary.roundingFrom);
    EXPECT_FALSE(summary.exactUpToRounding);
}

INSTANTIATE_TEST_SUITE_P(EachMethod, OrdersOfYMinusY, ::testing::Values(
    ExpectedOrder{Method::Euler, 1, 0.05}, ExpectedOrder{Method::Heun, 2, 0.05},
    ExpectedOrder{Method::Midpoint, 2, 0.05}, ExpectedOrder{Method::RungeKutta, 4, 0.05}
));

// A typed method is compared after the built-in ones: its measured order
// against the one its conditions promise. Weights that sum to 0.9 solve
// y' = 0.9·f instead, so the error stays whatever h is.
struct OwnOrder {
    const char* name;
    std::string text;
    int promised;
    double measured, within;
};

class OwnMethodOrders : public ::testing::TestWithParam<OwnOrder> {};

TEST_P(OwnMethodOrders, MeasuredBesidePromised)
{
    const OwnOrder& want = GetParam();
    ComparisonProblem problem{{1, nullptr}, 0, 1, 1};
    problem.ownMethod = test::typedMethod(want.name, want.text);
    const Comparison comparison = compare(problem, comparisonSteps());
    ASSERT_EQ(comparison.summaries.size(), kMethods.size() + 1);
    const MethodSummary& summary = comparison.summaries.back();
    EXPECT_EQ(summary.method, Method::Own);
    EXPECT_EQ(comparison.methodInfo(summary.method).name, want.name);
    EXPECT_EQ(comparison.methodInfo(summary.method).order, want.promised);
    ASSERT_TRUE(summary.order);
    EXPECT_NEAR(*summary.order, want.measured, want.within);
    EXPECT_EQ(comparison.rows.size(), comparison.summaries.size() * comparisonSteps().size());
    if (want.promised == 0) {
        const ComparisonRow* coarse = rowOf(comparison, Method::Own, 0.1);
        const ComparisonRow* fine = rowOf(comparison, Method::Own, 0.00625);
        // h sixteen times smaller, and the error within a tenth of itself.
        EXPECT_NEAR(*fine->error / *coarse->error, 1, 0.1) << "the error does not fall with h";
        EXPECT_GT(std::fabs(*fine->error), 0.01);
    }
}

INSTANTIATE_TEST_SUITE_P(YMinusY, OwnMethodOrders, ::testing::Values(
    OwnOrder{"3/8 rule", test::kThreeEighthsRule, 4, 4.0, 0.05},
    OwnOrder{"Ralston", test::kRalston, 2, 2.0, 0.05},
    OwnOrder{"Kutta", test::kKuttaThird, 3, 3.0, 0.05},
    OwnOrder{"nine tenths", test::kWeightsNineTenths, 0, 0.0, 0.1}
));

// Where the rows stop telling the order, and why; the summary says from which h.
struct Limit {
    const char* name;
    ComparisonProblem problem;
    std::vector<double> steps;
    Method method;
    RowMark mark;
    double from; // the summary's h: unstableFrom or roundingFrom
};

class WhereOrderEnds : public ::testing::TestWithParam<Limit> {};

TEST_P(WhereOrderEnds, MarkedAndSummarised)
{
    const Limit& want = GetParam();
    const Comparison comparison = compare(want.problem, want.steps);
    const MethodSummary& summary = comparison.summaries[static_cast<std::size_t>(want.method)];
    const auto from = want.mark == RowMark::Rounding ? summary.roundingFrom : summary.unstableFrom;
    ASSERT_TRUE(from) << want.name;
    EXPECT_EQ(*from, want.from) << want.name;
    EXPECT_EQ(rowOf(comparison, want.method, want.from)->mark, want.mark) << want.name;
    // The order is still the method's, from the rows nothing interferes with.
    ASSERT_TRUE(summary.order) << want.name;
    EXPECT_NEAR(*summary.order, methodInfo(want.method).order, 0.3) << want.name;
}

INSTANTIATE_TEST_SUITE_P(YMinusY, WhereOrderEnds, ::testing::Values(
    Limit{"stability", {{1, nullptr}, 0, 1, 40}, comparisonSteps(3, 0), Method::RungeKutta,
          RowMark::BeyondStability, 3.2},
    Limit{"stability of Heun", {{1, nullptr}, 0, 1, 40}, comparisonSteps(3, 0), Method::Heun,
          RowMark::BeyondStability, 3.2},
    Limit{"rounding", {{1, nullptr}, 0, 1, 1}, comparisonSteps(0, 6), Method::RungeKutta,
          RowMark::Rounding, 0.00625 / 16}
));

TEST(Comparison, ConstantSlopeIsExactForEveryMethod)
{
    const Comparison comparison = compare({{3, nullptr}, 0, 1, 1}, comparisonSteps(2, 2));
    EXPECT_TRUE(comparison.everyMethodExact());
    for (const ComparisonRow& row : comparison.rows) {
        ASSERT_TRUE(row.error);
        // No order is worth measuring, and none is a division by zero.
        EXPECT_TRUE(!row.order || std::isfinite(*row.order));
        EXPECT_TRUE(row.mark == RowMark::Rounding || row.mark == RowMark::None);
    }
    for (const MethodSummary& summary : comparison.summaries)
        EXPECT_FALSE(summary.unstableFrom);
}

// 1.6 is no whole number of steps 0.4 or 1.2: one shorter step ends on x2.
TEST(Comparison, LastStepShortenedEndsOnX2)
{
    const Comparison comparison = compare({{2, nullptr}, 0, 1, 1.3}, {0.4, 0.2, 0.1});
    const ComparisonRow* coarse = rowOf(comparison, Method::RungeKutta, 0.4);
    EXPECT_TRUE(coarse->lastStepShortened);
    EXPECT_EQ(coarse->steps, 4);
    EXPECT_FALSE(rowOf(comparison, Method::RungeKutta, 0.1)->lastStepShortened);
    EXPECT_EQ(rowOf(comparison, Method::RungeKutta, 0.1)->steps, 13);
    EXPECT_LT(std::fabs(*coarse->error), 1e-3);
}

TEST(Comparison, PoleInsideTheSpanMarksEveryRowAndFinishes)
{
    const Comparison comparison = compare({typed("y^2"), 0, 1, 2}, comparisonSteps());
    EXPECT_FALSE(comparison.truth);
    ASSERT_EQ(comparison.rows.size(), 4 * kComparisonSteps.size());
    for (const ComparisonRow& row : comparison.rows) {
        EXPECT_NE(row.mark, RowMark::None) << row.h;
        EXPECT_FALSE(row.error);
    }
}

TEST(Comparison, NoSlopeOnTheWayIsMarked)
{
    const Comparison comparison = compare({typed("sqrt(-y)"), 0, 1, 1}, {0.1});
    EXPECT_EQ(comparison.rows.front().mark, RowMark::NoValue);
}

TEST(Comparison, TooManyStepsSkipped)
{
    const Comparison comparison = compare({{1, nullptr}, 0, 1, 1}, {1e-3, 1e-7});
    EXPECT_EQ(rowOf(comparison, Method::Euler, 1e-7)->mark, RowMark::TooManySteps);
    EXPECT_FALSE(rowOf(comparison, Method::Euler, 1e-7)->y);
    EXPECT_EQ(rowOf(comparison, Method::Euler, 1e-3)->mark, RowMark::None);
}

TEST(Comparison, CancelStopsWithinARow)
{
    std::atomic<bool> cancel{false};
    std::size_t heard = 0;
    std::thread canceller([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        cancel = true;
    });
    // Some hundred million steps in all: many seconds without the flag,
    // which stops it within the row it is in.
    const Comparison comparison =
        compare({{6, nullptr}, 0, 1, 1000}, comparisonSteps(0, 8), {&cancel, [&](std::size_t, std::size_t) { ++heard; }});
    canceller.join();
    EXPECT_TRUE(comparison.cancelled);
    EXPECT_LT(heard, 4 * comparisonSteps(0, 8).size());
}

} // namespace
} // namespace rk
