#include "core/Solve.h"

#include "core/Catalogue.h"

#include "tests/OwnMethods.h"
#include "tests/ReferenceText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <string>
#include <vector>

namespace rk {
namespace {

struct Point {
    float x, y;
    PointKind kind;
    friend bool operator==(const Point&, const Point&) = default;
};

struct RecordingPicture : PointSink {
    std::vector<Point> points;
    void PSet(float x, float y, PointKind kind) override { points.push_back({x, y, kind}); }
};

std::vector<std::string> linesOf(const ResultsTable& table)
{
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < table.count(); ++i)
        lines.push_back(table.line(i));
    return lines;
}

struct Outcome {
    RecordingPicture picture;
    ResultsTable table;
    RunReport report;
    std::vector<std::string> lines() const { return linesOf(table); }
};

FormValues form(int eq, double x1, double y1, double x2, double h = kStep, Method method = Method::RungeKutta)
{
    return {eq, x1, y1, x2, nullptr, h, method};
}

Outcome solve(const FormValues& values)
{
    Outcome run;
    run.report = Solve(values, run.picture, run.table);
    return run;
}

struct Reference {
    std::vector<Point> points;
    std::vector<std::string> lines;
};

// The run written out apart from Solve, in plain doubles and with printf's
// digits, on the catalogue's right-hand sides (checked on their own).
Reference reference(int eq, double x1, double y1, double x2, double h = 0.05, Method method = Method::RungeKutta,
                    int xDecimals = 2)
{
    Reference r;
    const double n = (x2 - x1) / h, hh = h / 2;
    double y = y1;
    r.points.push_back({float(x1), float(y1), PointKind::Solution});
    r.points.push_back({float(x1), float(f(eq, x1, y1)), PointKind::Slope});
    for (long i = 0; i <= n; ++i) {
        const double x = x1 + i * h;
        const double k1 = f(eq, x, y);
        r.points.push_back({float(x), float(y), PointKind::Solution});
        r.points.push_back({float(x), float(k1), PointKind::Slope});
        r.lines.push_back(printfFixed(x, xDecimals) + "    " + printfFixed(y, 5));
        if (method == Method::Euler) {
            y = y + h * k1;
        } else if (method == Method::Heun) {
            y = y + (h * (k1 + f(eq, x + h, y + k1 * h))) / 2;
        } else if (method == Method::Midpoint) {
            y = y + h * f(eq, x + hh, y + k1 * hh);
        } else {
            const double k2 = f(eq, x + hh, y + k1 * hh);
            const double k3 = f(eq, x + hh, y + k2 * hh);
            const double k4 = f(eq, x + h, y + k3 * h);
            y = y + (h * ((k1 + k4) + 2 * (k2 + k3))) / 6;
        }
    }
    return r;
}

struct WorkedRun {
    int eq;
    double x2;
    std::vector<std::string> lines;
};

class WorkedTables : public ::testing::TestWithParam<WorkedRun> {};

TEST_P(WorkedTables, LinesDigitForDigit)
{
    const WorkedRun& w = GetParam();
    const Outcome run = solve(form(w.eq, 0, 1, w.x2));
    EXPECT_EQ(run.report.outcome, RunOutcome::Completed);
    EXPECT_EQ(run.lines(), w.lines);
}

INSTANTIATE_TEST_SUITE_P(FromStartOne, WorkedTables, ::testing::Values(
    WorkedRun{1, 0.2, {"0.00    1.00000", "0.05    0.95123", "0.10    0.90484", "0.15    0.86071", "0.20    0.81873"}},
    WorkedRun{2, 0.2, {"0.00    1.00000", "0.05    0.95246", "0.10    0.90967", "0.15    0.87142", "0.20    0.83746"}},
    WorkedRun{3, 0.1, {"0.00    1.00000", "0.05    1.10000", "0.10    1.20000"}}
));

struct Case {
    int eq;
    double x1, y1, x2;
    double h = 0.05;
    Method method = Method::RungeKutta;
    int xDecimals = 2;
};

class AgainstPlainDoubles : public ::testing::TestWithParam<Case> {};

TEST_P(AgainstPlainDoubles, SameLinesAndPointsInOrder)
{
    const Case& c = GetParam();
    const Outcome run = solve(form(c.eq, c.x1, c.y1, c.x2, c.h, c.method));
    const Reference want = reference(c.eq, c.x1, c.y1, c.x2, c.h, c.method, c.xDecimals);
    EXPECT_EQ(run.report.outcome, RunOutcome::Completed);
    EXPECT_EQ(run.report.linesListed, static_cast<std::int64_t>(want.lines.size()));
    EXPECT_EQ(run.lines(), want.lines);
    EXPECT_EQ(run.picture.points, want.points);
}

INSTANTIATE_TEST_SUITE_P(AllEquations, AgainstPlainDoubles, ::testing::Values(
    // The plain run counts passes by floor(n): no case lies near a whole n.
    Case{1, 0, 1, 10}, Case{2, -1.5, 3, 12}, Case{3, 0, -4, 5}, Case{4, 0.3, 0.7, 16.01},
    Case{5, -2, 2, 18}, Case{6, 0, 1, 18}, Case{6, -3.7, -2.2, 40}, Case{0, 0, 1, 1},
    // Other steps and methods; x gets the decimals that tell the rows apart.
    Case{1, 0, 1, 10.01, 0.1, Method::Euler}, Case{2, -1.5, 3, 12.01, 0.1, Method::Heun},
    Case{5, -2, 2, 18.01, 0.1, Method::Midpoint}, Case{6, 0, 1, 18.01, 0.3, Method::RungeKutta},
    Case{4, 0.3, 0.7, 2.01, 0.025, Method::Heun, 3}, Case{6, 0, 1, 1.001, 0.00625, Method::Euler, 5},
    Case{2, 0, 1, 0.9, 1.0 / 3, Method::Midpoint, 10}
));

// A row's step, recomputed for its explanation, gives the next row exactly:
// for every method, a typed one too, built-in equation and a typed one.
TEST(Solve, EachRowsStepGivesTheNextRowForEveryMethod)
{
    const auto typed = std::make_shared<const TypedEquation>(
        TypedEquation{"", std::get<OwnEquation>(OwnEquation::read(u"x/2 - sin(x + y) + y^2/9"))});
    const auto threeEighths = test::typedMethod("3/8 rule", test::kThreeEighthsRule);
    std::vector<MethodInfo> methods(kMethods.begin(), kMethods.end());
    methods.push_back(threeEighths->info);
    for (const MethodInfo& info : methods)
        for (int eq = 1; eq <= kOwnEquation; ++eq) {
            SCOPED_TRACE(std::string(info.name) + " on equation " + std::to_string(eq));
            FormValues values = form(eq, -0.4, 0.8, 2, 0.1, info.method);
            values.own = typed;
            values.ownMethod = threeEighths;
            const Outcome run = solve(values);
            ASSERT_EQ(run.table.count(), 25u);
            for (std::size_t i = 0; i + 1 < run.table.count(); ++i)
                ASSERT_EQ(run.table.stepAt(i).next, run.table.row(i + 1).y) << "row " << i;
        }
}

// The classical tableau typed as an own method weighs its slopes by the
// doubles nearest 1/6 and 1/3, where the built-in step sums
// ((k1 + k4) + 2·(k2 + k3))·h / 6: a step may differ in y's last bit, so
// row i lies within i units in the last place of the built-in one. The five
// decimals listed could differ only for a y within those few units of a
// rounding boundary of its fifth decimal, which no row here comes near.
TEST(Solve, ClassicalTableauTypedGivesTheBuiltInTable)
{
    const auto typed = test::typedMethod("RK4", test::kClassical);
    for (int eq = 1; eq <= 6; ++eq) {
        SCOPED_TRACE("equation " + std::to_string(eq));
        FormValues own = form(eq, 0, 1, 18);
        own.method = Method::Own;
        own.ownMethod = typed;
        const Outcome builtIn = solve(form(eq, 0, 1, 18)), typedRun = solve(own);
        ASSERT_EQ(typedRun.table.count(), builtIn.table.count());
        double largest = 0;
        int differing = 0;
        for (std::size_t i = 0; i < builtIn.table.count(); ++i) {
            const double want = builtIn.table.row(i).y, got = typedRun.table.row(i).y;
            largest = std::max(largest, std::fabs(want));
            const double ulp = std::nextafter(largest, INFINITY) - largest;
            ASSERT_LE(std::fabs(got - want), static_cast<double>(i) * ulp) << "row " << i;
            differing += got != want;
        }
        EXPECT_EQ(typedRun.lines(), builtIn.lines());
        std::printf("equation %d: %d of %zu rows differ in their last bits\n", eq, differing, builtIn.table.count());
    }
}

TEST(Solve, XDecimalsTellTheRowsOfAStepApart)
{
    const std::pair<double, int> cases[] = {{0.05, 2}, {0.1, 2}, {2.5, 2}, {1e9, 2}, {0.025, 3},
                                            {0.0125, 4}, {0.00625, 5}, {1e-9, 9}, {1.0 / 3, 10}};
    for (const auto& [h, decimals] : cases)
        EXPECT_EQ(xDecimals(h), decimals) << h;
}

struct CountCase {
    double x1, x2;
    std::size_t lines;
    const char* last;
    double h = 0.05;
};

class PassCount : public ::testing::TestWithParam<CountCase> {};

TEST_P(PassCount, LinesPerRun)
{
    const CountCase& c = GetParam();
    const Outcome run = solve(form(2, c.x1, 0, c.x2, c.h));
    ASSERT_EQ(run.lines().size(), c.lines);
    EXPECT_EQ(run.picture.points.size(), 2 + 2 * c.lines);
    if (c.last) {
        EXPECT_EQ(run.lines().back(), c.last);
    }
}

INSTANTIATE_TEST_SUITE_P(Bounds, PassCount, ::testing::Values(
    CountCase{0, 0.3, 7, "0.30    0.04082"},        // n = 5.999999999999999, taken as 6
    CountCase{0.1, 0.3, 5, "0.30    0.03686"},      // n = 3.9999999999999996
    CountCase{0, 0.3 - 1e-12, 7, "0.30    0.04082"}, // within 1e-9 of 6
    CountCase{0, 0.2999999, 6, "0.25    0.02880"},  // not: the last step short of x2
    CountCase{0, 0.33, 7, "0.30    0.04082"},       // n = 6.6
    CountCase{0, 1, 21, "1.00    0.36788"},
    CountCase{0.7, 0.7, 1, "0.70    0.00000"},
    CountCase{1, 0.5, 0, nullptr},
    // Every step reaches x2 by the same rule.
    CountCase{0, 0.3, 4, "0.30    0.04082", 0.1},    // n = 2.9999999999999996
    CountCase{0, 0.1, 5, "0.100    0.00484", 0.025},
    CountCase{0, 0.7, 3, "0.60    0.14884", 0.3},    // n = 2.33: short of x2
    CountCase{0, 1, 2, "1.00    0.37500", 1}        // one step: (0 + 0.75 + 2·(0.5 + 0.25))/6
));

TEST(Solve, BackwardRunDrawsOnlyTheStartPointsAndSaysSo)
{
    const Outcome run = solve(form(1, 1, 2, 0.5));
    EXPECT_EQ(run.report.refusal, Refusal::EndBeforeStart);
    EXPECT_TRUE(run.lines().empty());
    EXPECT_EQ(run.picture.points, (std::vector<Point>{{1, 2, PointKind::Solution}, {1, -2, PointKind::Slope}}));
    // However far back: the difference overflows, and it is still no pass.
    const Outcome far = solve(form(1, 1e30, 2, -1.7e308));
    EXPECT_EQ(far.report.refusal, Refusal::EndBeforeStart);
    EXPECT_TRUE(far.lines().empty());
    EXPECT_EQ(far.picture.points.size(), 2u);
}

TEST(Solve, StartPointsRepeatedByFirstPass)
{
    const Outcome run = solve(form(4, 0.5, 0.25, 0.6));
    ASSERT_GE(run.picture.points.size(), 4u);
    EXPECT_EQ(run.picture.points[0], run.picture.points[2]);
    EXPECT_EQ(run.picture.points[1], run.picture.points[3]);
}

TEST(Solve, NoEquationSelectedKeepsY)
{
    const Outcome run = solve(form(0, 0, 1.25, 0.2));
    EXPECT_EQ(run.lines(),
              (std::vector<std::string>{"0.00    1.25000", "0.05    1.25000", "0.10    1.25000",
                                        "0.15    1.25000", "0.20    1.25000"}));
    for (std::size_t k = 1; k < run.picture.points.size(); k += 2)
        EXPECT_EQ(run.picture.points[k].y, 0.0f);
}

TEST(Solve, UnsetStartValuesActAsZero)
{
    // x1 and y1 never confirmed: x = i * h and y starts as 0.
    const Outcome run = solve(form(3, 0, 0, 0.1));
    EXPECT_EQ(run.lines(),
              (std::vector<std::string>{"0.00    0.00000", "0.05    0.10000", "0.10    0.20000"}));
    EXPECT_EQ(run.picture.points.front(), (Point{0, 0, PointKind::Solution}));
}

TEST(Solve, NothingSetAtAllListsOneLine)
{
    const Outcome run = solve(FormValues{});
    EXPECT_EQ(run.lines(), std::vector<std::string>{"0.00    0.00000"});
}

TEST(Solve, SecondRunAppendsBelowTheFirst)
{
    RecordingPicture picture;
    ResultsTable table;
    Solve(form(1, 0, 1, 0.05), picture, table);
    Solve(form(2, 1, 1, 0.5), picture, table); // backward: lists nothing
    Solve(form(3, 0.5, 1, 0.55), picture, table);
    EXPECT_EQ(linesOf(table), (std::vector<std::string>{"0.00    1.00000", "0.05    0.95123",
                                                       "0.50    1.00000", "0.55    1.10000"}));
    EXPECT_EQ(table.row(1).equation, 1);
    EXPECT_EQ(table.row(2).equation, 3);
    EXPECT_EQ(table.row(3).pass, 1);
    EXPECT_EQ(table.row(3).x, 0.5 + 1 * 0.05);
    EXPECT_EQ(picture.points.size(), 2u * (2 + 2 * 2) + 2);
    // Each line knows its run, which a reference solution is made from.
    const RunSpan last = table.run(table.runIndexOf(3));
    EXPECT_EQ(table.runIndexOf(2), last.index);
    EXPECT_EQ(last.index + 1, table.runCount());
    EXPECT_EQ(table.runIndexOf(1), 0u);
    EXPECT_EQ(last.firstLine, 2u);
    EXPECT_EQ(last.lines, 2u);
    EXPECT_EQ(last.x1, 0.5);
    EXPECT_EQ(last.y1, 1.0);
    EXPECT_EQ(last.lastPass, 1);
    EXPECT_EQ(last.equation->number, 3);
    EXPECT_EQ(table.run(0).lines, 2u);
    table.clear();
    EXPECT_EQ(table.runCount(), 0u);
    EXPECT_EQ(table.count(), 0u);
}

// A point single precision cannot hold is left out, and the run goes on.
TEST(Solve, PointsBeyondSingleRangeAreSkipped)
{
    const Outcome run = solve(form(3, 0, 1e39, 0.1));
    EXPECT_EQ(run.report.outcome, RunOutcome::Completed);
    ASSERT_EQ(run.lines().size(), 3u);
    EXPECT_EQ(run.lines()[0], "0.00    999999999999999939709166371603178586112.00000");
    for (const Point& p : run.picture.points)
        EXPECT_EQ(p.kind, PointKind::Slope) << "no solution point can be drawn at 1e39";
    EXPECT_EQ(run.picture.points.size(), 4u);
}

TEST(Solve, OverflowStopsBeforeListingThatPass)
{
    // k1 + k4 overflows in the first update, so y is infinite at x = 0.05.
    const Outcome run = solve(form(1, 0, -1.7e308, 1));
    EXPECT_EQ(run.report.outcome, RunOutcome::Stopped);
    EXPECT_EQ(run.lines().size(), 1u);
    EXPECT_EQ(run.report.linesListed, 1);
    EXPECT_EQ(run.report.stoppedAt, 0.05);
    EXPECT_EQ(run.report.refusal, Refusal::None);
}

// A typed equation whose slope is not finite stops at the row whose step
// needed it; that row is listed. Infinite, or not a number because a value
// on the way overflowed, is beyond the range; otherwise it has no value.
TEST(Solve, TypedSlopeWithoutValueStopsAtItsRow)
{
    const struct {
        const char16_t* text;
        std::size_t lines;
        double stoppedAt;
        Stop why;
    } cases[] = {
        {u"log(x)", 1, 0, Stop::BeyondRange},         // k1 = log(0), minus infinity
        {u"0/0", 1, 0, Stop::NoSlope},                // not a number
        {u"1/(x - 0.1)", 2, 0.05, Stop::BeyondRange}, // k4 of the second row, at x + h = 0.1
        {u"sqrt(0.06 - x)", 2, 0.05, Stop::NoSlope},
        {u"sqrt(-1 - y^2)", 1, 0, Stop::NoSlope},
        {u"sin(x*1e308*100)", 1, 0, Stop::BeyondRange}, // sin of an overflow: not a number
        {u"y^2", 23, 1.1, Stop::BeyondRange},           // y = 1/(1 - x) blows up; the steps overflow past 1
        {u"x - y", 41, 0, Stop::None},                  // has a value everywhere: completes
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.text, c.text + std::char_traits<char16_t>::length(c.text)));
        auto read = OwnEquation::read(c.text);
        ASSERT_TRUE(std::holds_alternative<OwnEquation>(read));
        FormValues values = form(kOwnEquation, 0, 1, 2);
        values.own = std::make_shared<const TypedEquation>(TypedEquation{"", std::get<OwnEquation>(std::move(read))});
        const Outcome run = solve(values);
        EXPECT_EQ(run.report.stop, c.why);
        EXPECT_EQ(run.lines().size(), c.lines);
        EXPECT_EQ(run.report.stoppedAt, c.stoppedAt);
    }
}

struct RefusedCase {
    double x1, x2;
    Refusal why;
    double y1 = 1;
    double h = 0.05;
};

class RefusedRuns : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(RefusedRuns, NothingDrawnOrListed)
{
    const Outcome run = solve(form(1, GetParam().x1, GetParam().y1, GetParam().x2, GetParam().h));
    EXPECT_EQ(run.report.outcome, RunOutcome::Refused);
    EXPECT_TRUE(run.picture.points.empty());
    EXPECT_TRUE(run.lines().empty());
    EXPECT_EQ(run.report.linesListed, 0);
    EXPECT_EQ(run.report.refusal, GetParam().why);
}

constexpr double kInf = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(Limits, RefusedRuns, ::testing::Values(
    RefusedCase{0, 50000, Refusal::TooManyPasses}, // n = 1,000,000: one pass too many
    RefusedCase{0, 1e12, Refusal::TooManyPasses},
    RefusedCase{0, kInf, Refusal::InputNotFinite},
    RefusedCase{-kInf, 0, Refusal::InputNotFinite},
    RefusedCase{kInf, kInf, Refusal::InputNotFinite},
    RefusedCase{-1e308, 1e308, Refusal::TooManyPasses}, // finite ends; only the difference overflows
    RefusedCase{0.3, 1, Refusal::StartNotFinite, kInf}, // y1 = 1e309, not a solution that grew
    RefusedCase{0.3, 0, Refusal::StartNotFinite, -kInf},
    RefusedCase{0, 1, Refusal::StepNotValid, 1, 0},
    RefusedCase{0, 1, Refusal::StepNotValid, 1, -0.05},
    RefusedCase{0, 1, Refusal::StepNotValid, 1, std::numeric_limits<double>::quiet_NaN()},
    RefusedCase{0, 1, Refusal::StepNotValid, 1, kInf},
    RefusedCase{0, 1, Refusal::StepNotValid, 1, 0.99e-9},
    RefusedCase{0, 1, Refusal::StepNotValid, 1, 1.01e9},
    RefusedCase{0, 2, Refusal::TooManyPasses, 1, 2e-6} // a million steps and one
));

TEST(Solve, LargestAllowedRunCompletes)
{
    ResultsTable table;
    struct NullPicture : PointSink {
        void PSet(float, float, PointKind) override {}
    } picture;
    // n = 999999.7999999999: passes 0 .. 999999.
    const RunReport report = Solve(form(0, 0, 1, 49999.99), picture, table);
    EXPECT_EQ(report.outcome, RunOutcome::Completed);
    EXPECT_EQ(table.count(), 1'000'000u);
    EXPECT_EQ(table.line(999'999), "49999.95    1.00000");
}

} // namespace
} // namespace rk
