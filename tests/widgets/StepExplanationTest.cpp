#include "widgets/StepExplanation.h"

#include "core/Solve.h"
#include "tests/OwnMethods.h"

#include <gtest/gtest.h>

#include <string>
#include <variant>

namespace rk {
namespace {

struct NoPicture : PointSink {
    void PSet(float, float, PointKind) override {}
};

// A run, one of its rows and what the explanation of that row says. The
// slope 2 keeps the numbers plain, so each case shows what it is about:
// which stages, with which formulas, under which heading.
struct Explained {
    const char* name;
    int eq;
    double x2, h;
    Method method;
    std::size_t row;
    std::string typedEquation; // for kOwnEquation
    std::optional<RowTruth> truth;
    std::string text;
};

class StepExplanations : public ::testing::TestWithParam<Explained> {};

TEST_P(StepExplanations, OneFactALine)
{
    const Explained& want = GetParam();
    FormValues values{want.eq, 0, 1, want.x2, nullptr, want.h, want.method};
    values.ownMethod = test::typedMethod("3/8 rule", test::kThreeEighthsRule);
    if (!want.typedEquation.empty())
        values.own = std::make_shared<const TypedEquation>(TypedEquation{
            want.typedEquation, std::get<OwnEquation>(OwnEquation::read(utf16(want.typedEquation)))});
    NoPicture picture;
    ResultsTable table;
    Solve(values, picture, table);
    ASSERT_LT(want.row, table.count());
    EXPECT_EQ(explainStep(table, want.row, want.truth).toStdString(), want.text);
}

const std::string kEquationTwo = "y' = 2\nx = 0.00   y = 1.00000\n";

INSTANTIATE_TEST_SUITE_P(Methods, StepExplanations, ::testing::Values(
    Explained{"DesignMethodHasNoHeading", 3, 0.1, kStep, Method::RungeKutta, 0, "", std::nullopt,
              kEquationTwo + "k1 = f(x, y) = 2.00000\nk2 = f(x + h/2, y + k1·h/2) = 2.00000\n"
                             "k3 = f(x + h/2, y + k2·h/2) = 2.00000\nk4 = f(x + h, y + k3·h) = 2.00000\n"
                             "y(x + h) = y + h·((k1 + k4) + 2·(k2 + k3))/6 = 1.10000"},
    Explained{"HeunNamedWithItsStep", 3, 0.3, 0.1, Method::Heun, 0, "", std::nullopt,
              "y' = 2\nHeun Method, h = 0.1\nx = 0.00   y = 1.00000\nk1 = f(x, y) = 2.00000\n"
              "k2 = f(x + h, y + k1·h) = 2.00000\ny(x + h) = y + h·(k1 + k2)/2 = 1.20000"},
    Explained{"OwnMethodWithItsStages", 3, 0.1, kStep, Method::Own, 0, "", std::nullopt,
              "y' = 2\n3/8 rule (own method), h = 0.05\nx = 0.00   y = 1.00000\nk1 = f(x, y) = 2.00000\n"
              "k2 = f(x + h/3, y + k1·h/3) = 2.00000\nk3 = f(x + 2h/3, y + (−k1 + 3·k2)·h/3) = 2.00000\n"
              "k4 = f(x + h, y + (k1 − k2 + k3)·h) = 2.00000\n"
              "y(x + h) = y + h·((k1 + k4) + 3·(k2 + k3))/8 = 1.10000"},
    Explained{"OwnMethodsThirdSlopeHasNoValue", kOwnEquation, 0.1, kStep, Method::Own, 0, "sqrt(0.02 - x)",
              std::nullopt,
              "y' = sqrt(0.02 - x)\n3/8 rule (own method), h = 0.05\nx = 0.00   y = 1.00000\n"
              "k1 = f(x, y) = 0.14142\nk2 = f(x + h/3, y + k1·h/3) = 0.05774\n"
              "k3 has no value at x = 0.00, so the run stops here."},
    Explained{"LastRowOfAWholeRun", 3, 0.05, kStep, Method::Euler, 1, "", std::nullopt,
              "y' = 2\nEuler Method, h = 0.05\nx = 0.05   y = 1.10000\nk1 = f(x, y) = 2.00000\n"
              "y(x + h) = y + h·k1 = 1.20000\nLast row of this run: (x2 − x1)/h = 1 steps,\n"
              "so the passes are i = 0 … 1 and the run ends at x2."},
    Explained{"WithTheExactSolution", 3, 0.1, kStep, Method::Midpoint, 0, "",
              RowTruth{ReferenceKind::Exact, kExactAccuracy, "y = 1 + 2·(x − 0)", 1.0},
              "y' = 2\nMidpoint Method, h = 0.05\nx = 0.00   y = 1.00000\nk1 = f(x, y) = 2.00000\n"
              "k2 = f(x + h/2, y + k1·h/2) = 2.00000\ny(x + h) = y + h·k2 = 1.10000\n"
              "exact: y = 1 + 2·(x − 0)\ny(x) = 1\nerror y − y(x) = 0.00e+00, relative error 0.00e+00"}
), [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace rk
