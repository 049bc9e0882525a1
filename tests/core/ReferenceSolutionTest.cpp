#include "core/ReferenceSolution.h"

#include "core/ExactSolution.h"
#include "core/Solve.h"
#include "tests/Utf16.h"

#include <gtest/gtest.h>

#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <variant>

namespace rk {
namespace {

struct NoPicture : PointSink {
    void PSet(float, float, PointKind) override {}
};

Equation typed(const std::string& text)
{
    auto read = OwnEquation::read(utf16(text));
    if (!std::holds_alternative<OwnEquation>(read))
        return {kOwnEquation, nullptr};
    return {kOwnEquation, std::make_shared<const TypedEquation>(TypedEquation{text, std::get<OwnEquation>(read)})};
}

// Rows from x1 out to x2, as a run lists them.
std::int64_t rowsTo(double x1, double x2) { return static_cast<std::int64_t>(std::floor((x2 - x1) / kStep)) + 1; }

struct RunError {
    int equation;
    std::size_t row;
    double error, relative; // the run's y - y(x) and that over |y(x)|
    double digits;          // their relative precision as given
};

class RunErrors : public ::testing::TestWithParam<RunError> {};

// The real run against its reference, row by row as the window will show it.
TEST_P(RunErrors, OfTheRealRun)
{
    const RunError& want = GetParam();
    NoPicture picture;
    ResultsTable table;
    Solve({want.equation, 0, 1, 1, nullptr}, picture, table);
    const ReferenceRun reference =
        referenceSolution({want.equation, nullptr}, 0, 1, kStep, static_cast<std::int64_t>(table.count()));
    ASSERT_EQ(reference.values.size(), table.count());
    ASSERT_LT(want.row, table.count());
    const double y = table.row(want.row).y, truth = reference.values[want.row];
    EXPECT_NEAR(y - truth, want.error, want.digits * std::fabs(want.error));
    EXPECT_NEAR(*relativeError(y, truth), want.relative, want.digits * std::fabs(want.relative));
}

INSTANTIATE_TEST_SUITE_P(FromZeroOne, RunErrors, ::testing::Values(
    RunError{1, 1, 2.58262e-9, 2.58262e-9 / std::exp(-0.05), 5e-6},
    RunError{1, 20, 1.9976097e-8, 5.4300662e-8, 5e-8}
));

// Runge-Kutta is exact for y' = 2: only the rounding of one addition a row
// is left, which the closed form, computed afresh at each row, lacks.
TEST(ReferenceSolution, ConstantSlopeOnlyRounding)
{
    NoPicture picture;
    ResultsTable table;
    Solve({3, 0, 1, 10, nullptr}, picture, table);
    const ReferenceRun reference = referenceSolution({3, nullptr}, 0, 1, kStep, rowsTo(0, 10));
    ASSERT_EQ(reference.values.size(), table.count());
    EXPECT_EQ(reference.kind, ReferenceKind::Exact);
    for (std::size_t i = 0; i < table.count(); ++i)
        ASSERT_LE(std::fabs(table.row(i).y - reference.values[i]), i * 0x1p-52 * reference.values[i]) << "row " << i;
}

struct Start {
    int equation;
    double x1, y1;
};

class ClosedForms : public ::testing::TestWithParam<Start> {};

// Each closed form starts at (x1, y1) and its slope, by central differences,
// is the equation's along the way: a wrong sign, coefficient or constant
// shows at once. The computed reference, made for the same start, agrees
// with it to within the accuracy it claims all the way out to x = 10:
// relative to y, or where y crosses 0 to its change over a row.
TEST_P(ClosedForms, SolveTheEquationAndAgreeWithTheComputedReference)
{
    const Start s = GetParam();
    const auto y = ClosedForm::of(s.equation, s.x1, s.y1);
    ASSERT_TRUE(y.has_value());
    EXPECT_NEAR((*y)(s.x1), s.y1, 4e-16 * std::max(1.0, std::fabs(s.y1)));
    const double d = 1e-5;
    for (double x = s.x1; x < s.x1 + 6; x += 0.37) {
        const double slope = ((*y)(x + d) - (*y)(x - d)) / (2 * d);
        EXPECT_NEAR(slope, f(s.equation, x, (*y)(x)), 1e-7 * std::max(1.0, std::fabs(slope))) << "x = " << x;
    }

    const std::int64_t rows = rowsTo(s.x1, 10);
    const ReferenceRun computed = computedReference({s.equation, nullptr}, s.x1, s.y1, kStep, rows);
    EXPECT_EQ(computed.kind, ReferenceKind::Computed);
    EXPECT_EQ(computed.stop, ReferenceStop::None);
    ASSERT_EQ(static_cast<std::int64_t>(computed.values.size()), rows);
    const auto exact = ClosedForm::of(s.equation, s.x1, s.y1);
    for (std::int64_t i = 0; i < rows; ++i) {
        const double x = abscissa(s.x1, i, kStep), truth = (*exact)(x);
        const double scale = std::fabs(truth) + kStep * std::fabs(f(s.equation, x, truth));
        ASSERT_NEAR(computed.values[i], truth, computed.accuracy * scale) << "row " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(EquationsOneToFive, ClosedForms, ::testing::Values(
    Start{1, 0, 1}, Start{1, -3.3, -2}, Start{1, -2, -3.5}, Start{2, 0, 1}, Start{2, -1, 0.5}, Start{2, 2.5, -3},
    Start{2, 1.5, -4}, Start{3, 0, 1}, Start{3, -3.3, -2}, Start{3, -7, 2.25}, Start{4, 0, 1}, Start{4, 0.77, -0.2},
    Start{4, 0.3, -1}, Start{5, 0, 1}, Start{5, -1, 0.5}, Start{5, 1.1, -1}, Start{5, -1.2, 0.4}, Start{5, 3, -2}
));

struct Known {
    Equation equation;
    std::size_t row;
    double y; // from a 30-digit integration
};

class KnownValues : public ::testing::TestWithParam<Known> {};

TEST_P(KnownValues, OfEquationSix)
{
    const Known& k = GetParam();
    const ReferenceRun run = referenceSolution(k.equation, 0, 1, kStep, rowsTo(0, 10));
    EXPECT_EQ(run.kind, ReferenceKind::Computed);
    ASSERT_GT(run.values.size(), k.row);
    EXPECT_NEAR(run.values[k.row], k.y, 1e-11 * k.y);
}

// Typed, the same equation takes the same path through the reference.
INSTANTIATE_TEST_SUITE_P(BuiltInAndTyped, KnownValues, ::testing::Values(
    Known{{6, nullptr}, 20, 0.34497703684209239}, Known{{6, nullptr}, 200, 23.239589722257686},
    Known{typed("x/2 -sin(x+y)"), 20, 0.34497703684209239}, Known{typed("x/2 -sin(x+y)"), 200, 23.239589722257686}
));

struct Ending {
    std::string text;
    double x1, y1;
    ReferenceStop why;
    std::size_t values; // rows with a reference before it stops
};

class Stops : public ::testing::TestWithParam<Ending> {};

// Where the solution cannot be followed the reference ends, says why, and
// takes little time about it; none of its values is other than a number.
TEST_P(Stops, WithItsReason)
{
    const Ending& s = GetParam();
    const auto started = std::chrono::steady_clock::now();
    const ReferenceRun run = referenceSolution(typed(s.text), s.x1, s.y1, kStep, 200);
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - started;
    EXPECT_EQ(run.stop, s.why);
    EXPECT_EQ(run.values.size(), s.values);
    EXPECT_EQ(run.stoppedAt, abscissa(s.x1, static_cast<std::int64_t>(run.values.size()), kStep));
    for (const double y : run.values)
        EXPECT_TRUE(std::isfinite(y));
    EXPECT_LT(took.count(), 5.0);
}

INSTANTIATE_TEST_SUITE_P(TypedEquations, Stops, ::testing::Values(
    Ending{"y^2", 0, 1, ReferenceStop::NotFinite, 21},          // the pole on row 20, at x = 1
    Ending{"y^2", 0, 1 / 1.03, ReferenceStop::NotFinite, 21},   // the pole between rows 20 and 21
    Ending{"sqrt(-1 - y^2)", 0, 1, ReferenceStop::NoValue, 1},  // no value anywhere
    Ending{"log(x)", 0, 1, ReferenceStop::NotFinite, 1},        // an infinite slope at the start
    // y = 1/(0.525 - x) - 1/0.525: between rows 10 and 11 the steps close in
    // on the pole without a slope out of range, until there are too many.
    Ending{"1/(x - 0.525)^2", 0, 0, ReferenceStop::TooManySteps, 11}
));

TEST(ReferenceSolution, PoleIsFollowedUpwards)
{
    const ReferenceRun run = referenceSolution(typed("y^2"), 0, 1, kStep, 200);
    ASSERT_EQ(run.values.size(), 21u);
    EXPECT_NEAR(run.values[19], 20, 20 * kComputedAccuracy); // y = 1/(1 - x)
    EXPECT_GT(run.values[20], 1e12);
}

struct Cancel {
    Equation equation;
    std::size_t atMost; // rows done after the first progress report asked it to stop
};

class Cancelling : public ::testing::TestWithParam<Cancel> {};

TEST_P(Cancelling, SoonAfterAsked)
{
    std::atomic<bool> cancel{false};
    std::vector<std::int64_t> reports;
    const WorkControl control{&cancel, [&](std::int64_t rows, std::int64_t total) {
                                  reports.push_back(rows);
                                  EXPECT_EQ(total, 100'000);
                                  cancel = true;
                              }};
    const ReferenceRun run = referenceSolution(GetParam().equation, 0, 1, kStep, 100'000, control);
    EXPECT_EQ(run.stop, ReferenceStop::Cancelled);
    EXPECT_GE(run.values.size(), static_cast<std::size_t>(kProgressRows));
    EXPECT_LE(run.values.size(), GetParam().atMost);
    EXPECT_EQ(reports, (std::vector<std::int64_t>{kProgressRows, static_cast<std::int64_t>(run.values.size())}));
}

INSTANTIATE_TEST_SUITE_P(ExactAndComputed, Cancelling, ::testing::Values(
    Cancel{{1, nullptr}, kProgressRows}, Cancel{{6, nullptr}, kProgressRows + 30}
));

// RK_RANDOM_SEED replays a failure; the default is fixed.
std::uint64_t seedFromEnvironment()
{
    const char* text = std::getenv("RK_RANDOM_SEED");
    return text ? std::strtoull(text, nullptr, 10) : 20261208;
}

// A typed right-hand side built from x, y, small numbers, the operators and
// four functions whose domains end: enough for poles, overflow and slopes
// without values, at random.
std::string randomText(std::mt19937_64& random, int depth)
{
    const int kind = std::uniform_int_distribution<int>(0, depth > 0 ? 9 : 2)(random);
    if (kind == 0)
        return "x";
    if (kind == 1)
        return "y";
    if (kind == 2) {
        char digits[32];
        const double number = std::uniform_int_distribution<int>(0, 40)(random) / 4.0;
        return std::string(digits, std::to_chars(digits, digits + sizeof digits, number).ptr);
    }
    if (kind < 8) {
        static constexpr char kOperators[] = "+-*/^";
        const std::string left = randomText(random, depth - 1);
        return "(" + left + kOperators[kind - 3] + randomText(random, depth - 1) + ")";
    }
    static constexpr const char* kFunctions[] = {"sin", "exp", "sqrt", "log"};
    return std::string(kFunctions[std::uniform_int_distribution<int>(0, 3)(random)]) + "(" +
           randomText(random, depth - 1) + ")";
}

TEST(ReferenceSolution, RandomTypedEquationsEndWithNumbersOnly)
{
    const std::uint64_t seed = seedFromEnvironment();
    std::printf("RK_RANDOM_SEED=%llu\n", static_cast<unsigned long long>(seed));
    std::mt19937_64 random(seed);
    for (int k = 0; k < 300; ++k) {
        const std::string text = randomText(random, 4);
        const Equation equation = typed(text);
        ASSERT_NE(equation.own, nullptr) << text;
        const double x1 = std::uniform_int_distribution<int>(-500, 500)(random) / 100.0;
        const double y1 = std::uniform_int_distribution<int>(-300, 300)(random) / 100.0;
        const std::int64_t rows = std::uniform_int_distribution<std::int64_t>(1, 200)(random);
        SCOPED_TRACE(testing::Message() << "RK_RANDOM_SEED=" << seed << ", case " << k << ": y' = " << text
                                        << " from (" << x1 << ", " << y1 << "), " << rows << " rows");
        const ReferenceRun run = referenceSolution(equation, x1, y1, kStep, rows);
        ASSERT_LE(static_cast<std::int64_t>(run.values.size()), rows);
        EXPECT_EQ(run.stop == ReferenceStop::None, static_cast<std::int64_t>(run.values.size()) == rows);
        if (!run.values.empty()) {
            EXPECT_EQ(run.values[0], y1);
        }
        for (const double y : run.values)
            ASSERT_TRUE(std::isfinite(y));
    }
}

} // namespace
} // namespace rk
