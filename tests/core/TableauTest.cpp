#include "core/Catalogue.h"
#include "core/Methods.h"
#include "core/TableauText.h"

#include "tests/OwnMethods.h"

#include <gtest/gtest.h>

#include <bit>
#include <cfloat>
#include <cmath>
#include <string>
#include <variant>
#include <vector>

namespace rk {
namespace {

Tableau read(const std::string& text)
{
    auto result = readTableau(utf16(text));
    if (const auto* error = std::get_if<TableauError>(&result))
        ADD_FAILURE() << text << ": refused at line " << error->line << ", entry " << error->entry;
    return std::get_if<Tableau>(&result) ? std::get<Tableau>(result) : Tableau{};
}

using test::kKuttaThird;
using test::kRalston;
using test::kThreeEighthsRule;

// What a tableau promises, how its formulas read and what it does to
// y' = λy; the built-in rows' stated orders are their conditions' too.
struct Promise {
    const char* name;
    std::string text; // empty: the built-in row `method`
    Method method;
    int order;
    int failingNext; // of the next order's conditions
    std::vector<double> stability;
    std::vector<std::string> formulas; // each stage's f(…), then the next y
};

class Tableaux : public ::testing::TestWithParam<Promise> {};

TEST_P(Tableaux, OrderFormulasAndStability)
{
    const Promise& want = GetParam();
    const Tableau t = want.text.empty() ? methodInfo(want.method).tableau : read(want.text);
    const OrderCheck check = checkOrder(t);
    EXPECT_EQ(check.order, want.order);
    if (want.text.empty()) {
        EXPECT_EQ(methodInfo(want.method).order, want.order);
    }
    if (want.order < kMaxCheckedOrder) {
        EXPECT_EQ(check.failing[static_cast<std::size_t>(want.order + 1)], want.failingNext);
    }
    EXPECT_EQ(check.rowSumMismatch, -1);

    std::vector<std::string> formulas;
    for (int i = 0; i < t.stages; ++i)
        formulas.push_back(stageFormula(t, i));
    formulas.push_back(nextFormula(t));
    EXPECT_EQ(formulas, want.formulas);

    const StabilityFunction r = stabilityFunction(t);
    ASSERT_EQ(r.degree + 1, static_cast<int>(want.stability.size()));
    double atMinusOne = 0;
    for (std::size_t k = 0; k < want.stability.size(); ++k) {
        EXPECT_NEAR(r.coefficients[k], want.stability[k], 1e-15) << "z^" << k;
        atMinusOne += want.stability[k] * std::pow(-1.0, static_cast<double>(k));
    }
    EXPECT_NEAR(r.magnitudeAt({-1, 0}), std::fabs(atMinusOne), 1e-15);
    // On the imaginary axis Euler grows: |1 + i| = √2.
    if (want.method == Method::Euler && want.text.empty()) {
        EXPECT_DOUBLE_EQ(r.magnitudeAt({0, 1}), std::sqrt(2.0));
    }
}

const std::vector<double> kFourth{1, 1, 0.5, 1.0 / 6, 1.0 / 24};

INSTANTIATE_TEST_SUITE_P(BuiltInAndTyped, Tableaux, ::testing::Values(
    Promise{"Euler", "", Method::Euler, 1, 1, {1, 1}, {"f(x, y)", "y + h·k1"}},
    Promise{"Heun", "", Method::Heun, 2, 2, {1, 1, 0.5}, {"f(x, y)", "f(x + h, y + k1·h)", "y + h·(k1 + k2)/2"}},
    Promise{"Midpoint", "", Method::Midpoint, 2, 2, {1, 1, 0.5}, {"f(x, y)", "f(x + h/2, y + k1·h/2)", "y + h·k2"}},
    Promise{"RungeKutta", "", Method::RungeKutta, 4, 9, kFourth,
            {"f(x, y)", "f(x + h/2, y + k1·h/2)", "f(x + h/2, y + k2·h/2)", "f(x + h, y + k3·h)",
             "y + h·((k1 + k4) + 2·(k2 + k3))/6"}},
    Promise{"ThreeEighths", kThreeEighthsRule, Method::Own, 4, 9, kFourth,
            {"f(x, y)", "f(x + h/3, y + k1·h/3)", "f(x + 2h/3, y + (−k1 + 3·k2)·h/3)",
             "f(x + h, y + (k1 − k2 + k3)·h)", "y + h·((k1 + k4) + 3·(k2 + k3))/8"}},
    // As a textbook prints it, with its zeros, typed on a Japanese keyboard.
    Promise{"ClassicalTypedInFull", "0\t| 0 0 0 0\n１／２ ｜ ０．５\n1/2 | 0 1/2\n1 | 0 0 1\n\n====\n  | 1/6 1/3 1/3 1/6\n",
            Method::Own, 4, 9, kFourth,
            {"f(x, y)", "f(x + h/2, y + k1·h/2)", "f(x + h/2, y + k2·h/2)", "f(x + h, y + k3·h)",
             "y + h·((k1 + k4) + 2·(k2 + k3))/6"}},
    Promise{"Ralston", kRalston, Method::Own, 2, 1, {1, 1, 0.5},
            {"f(x, y)", "f(x + 2h/3, y + 2·k1·h/3)", "y + h·(k1 + 3·k2)/4"}},
    Promise{"KuttaThird", kKuttaThird, Method::Own, 3, 2, {1, 1, 0.5, 1.0 / 6},
            {"f(x, y)", "f(x + h/2, y + k1·h/2)", "f(x + h, y + (−k1 + 2·k2)·h)", "y + h·((k1 + k3) + 4·k2)/6"}},
    Promise{"WeightsSumToNineTenths", "0 |\n| 0.9", Method::Own, 0, 1, {1, 0.9}, {"f(x, y)", "y + h·9·k1/10"}},
    Promise{"DecimalsNoFractionGives", "0 |\n0.1234567 | 0.1234567\n| 0 1", Method::Own, 1, 1,
            {1, 1, 0.1234567}, {"f(x, y)", "f(x + 0.1234567·h, y + 0.1234567·k1·h)", "y + h·k2"}}
), [](const auto& info) { return std::string(info.param.name); });

TEST(Tableau, RowsThatDoNotSumToTheirCPromiseOrderOneOnly)
{
    // The midpoint's numbers with its stage taken at x + h: order 2 by the
    // conditions written with c, but the stage's y belongs to x + h/2.
    const OrderCheck check = checkOrder(read("0 |\n1 | 1/2\n| 0 1"));
    EXPECT_EQ(check.rowSumMismatch, 1);
    EXPECT_EQ(check.rowSum, 0.5);
    EXPECT_EQ(check.promisedOrder(), 1);
    EXPECT_EQ(checkOrder(read("0 |\n| 0.9")).weightSum, 0.9);
}

// The tableau's own evaluation against the hand-written steps, on every
// equation: the points where the slopes are taken bit for bit, and the next
// ordinate too but for the classical method, whose step groups its sums
// ((k1 + k4) + 2·(k2 + k3))·h / 6 where the tableau weighs each slope by a
// rounded 1/6 or 1/3: there it may differ in the last bit.
TEST(Tableau, EvaluationAgreesWithEachBuiltInStep)
{
    struct Point {
        double x, y;
        bool operator==(const Point&) const = default;
    };
    for (const MethodInfo& info : kMethods)
        for (int eq = 1; eq <= 6; ++eq)
            for (const double h : {0.05, 0.1, 1.0 / 3, 0.7})
                for (const double y : {1.0, -2.5, 0.3}) {
                    SCOPED_TRACE(std::string(info.name) + " on equation " + std::to_string(eq) + " at h = " +
                                 std::to_string(h) + ", y = " + std::to_string(y));
                    std::vector<Point> handWritten, fromTableau;
                    const auto recording = [eq](std::vector<Point>& points) {
                        return [eq, &points](double x, double y) {
                            points.push_back({x, y});
                            return f(eq, x, y);
                        };
                    };
                    const double x = 0.35;
                    const Stages built = methodStep(info.method, nullptr, recording(handWritten), x, y, h);
                    const Stages generic = withTableauStep(info.tableau, [&](const auto& step) {
                        return step(recording(fromTableau), x, y, h);
                    });
                    ASSERT_EQ(fromTableau, handWritten);
                    for (int i = 0; i < info.stages(); ++i) {
                        const StagePoint at = stagePoint(info.tableau, i, x, y, h, built);
                        EXPECT_EQ((Point{at.x, at.y}), handWritten[static_cast<std::size_t>(i)]) << "stage " << i;
                    }
                    if (info.method == Method::RungeKutta) {
                        EXPECT_NEAR(generic.next, built.next,
                                    4 * DBL_EPSILON * (std::fabs(built.next) + std::fabs(built.next - y)));
                    } else {
                        EXPECT_EQ(std::bit_cast<std::uint64_t>(generic.next), std::bit_cast<std::uint64_t>(built.next));
                    }
                }
}

struct Refusal {
    const char* name;
    std::string text;
    TableauProblem problem;
    int line, entry;
    std::string marked;
};

class Refusals : public ::testing::TestWithParam<Refusal> {};

TEST_P(Refusals, PlaceAndReason)
{
    const Refusal& want = GetParam();
    const std::u16string text = utf16(want.text);
    auto result = readTableau(text);
    ASSERT_TRUE(std::holds_alternative<TableauError>(result));
    const TableauError& error = std::get<TableauError>(result);
    EXPECT_EQ(error.problem, want.problem);
    EXPECT_EQ(error.line, want.line);
    EXPECT_EQ(error.entry, want.entry);
    EXPECT_EQ(text.substr(error.position, error.length), utf16(want.marked));
}

INSTANTIATE_TEST_SUITE_P(Typed, Refusals, ::testing::Values(
    Refusal{"Empty", " \n\n", TableauProblem::Empty, 0, 0, ""},
    Refusal{"NoBar", "0 |\n1/2 1/2\n| 0 1", TableauProblem::MissingBar, 2, 0, "1/2 1/2"},
    Refusal{"Word", "0 |\n1/2 | half\n| 0 1", TableauProblem::NotANumber, 2, 1, "half"},
    Refusal{"Exponent", "0 |\n| 1e0", TableauProblem::NotANumber, 2, 1, "1e0"},
    Refusal{"TwoPoints", "0 |\n1.2.3 | 1\n| 0 1", TableauProblem::NotANumber, 2, 0, "1.2.3"},
    Refusal{"TwoCs", "0 0 |\n| 1", TableauProblem::NotANumber, 1, 0, "0"},
    Refusal{"ByZero", "0 |\n| 1/0", TableauProblem::ZeroDenominator, 2, 1, "1/0"},
    Refusal{"OnDiagonal", "0 |\n1 | 1 1\n| 1/2 1/2", TableauProblem::AboveDiagonal, 2, 2, "1"},
    Refusal{"FirstStageUsesItself", "0 | 0.5\n| 1", TableauProblem::AboveDiagonal, 1, 1, "0.5"},
    Refusal{"SevenStages", "0 |\n1|1\n1|1\n1|1\n1|1\n1|1\n1|1\n| 1", TableauProblem::TooManyStages, 7, 0, "1|1"},
    Refusal{"StageAfterWeights", "0 |\n| 1\n1 | 1", TableauProblem::WeightsNotLast, 3, 0, "1 | 1"},
    Refusal{"NoWeights", "0 |\n1 | 1", TableauProblem::MissingWeights, 0, 0, ""},
    Refusal{"WeightPastLastStage", "0 |\n| 1 0 2", TableauProblem::TooManyWeights, 2, 3, "2"}
), [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace rk
