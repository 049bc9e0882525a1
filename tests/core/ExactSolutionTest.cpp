#include "core/ExactSolution.h"

#include "core/Catalogue.h"

#include <gtest/gtest.h>

#include <cmath>

namespace rk {
namespace {

struct Start {
    int equation;
    double x1, y1;
};

class ClosedForms : public ::testing::TestWithParam<Start> {};

// Each closed form starts at (x1, y1) and its slope, by central differences,
// is the equation's at every point along the way: a wrong sign, coefficient
// or constant anywhere shows at once.
TEST_P(ClosedForms, StartAtTheStartAndSolveTheEquation)
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
}

INSTANTIATE_TEST_SUITE_P(EquationsOneToFive, ClosedForms, ::testing::Values(
    Start{1, 0, 1}, Start{1, -2, -3.5}, Start{2, 0, 1}, Start{2, 1.5, -4}, Start{3, 0, 1}, Start{3, -7, 2.25},
    Start{4, 0, 1}, Start{4, 0.3, -1}, Start{5, 0, 1}, Start{5, -1.2, 0.4}, Start{5, 3, -2}
));

struct Text {
    Start start;
    const char* text;
};

class ClosedFormTexts : public ::testing::TestWithParam<Text> {};

TEST_P(ClosedFormTexts, NumbersFilledInShortest)
{
    const Text& t = GetParam();
    EXPECT_EQ(exactSolutionText(t.start.equation, t.start.x1, t.start.y1), std::string(t.text));
}

INSTANTIATE_TEST_SUITE_P(EquationsOneToFive, ClosedFormTexts, ::testing::Values(
    Text{{1, 0, 1}, "y = 1·e^(−(x − 0))"},
    Text{{1, -0.0, -0.0}, "y = 0·e^(−(x − 0))"},
    Text{{1, -2.5, -3}, "y = −3·e^(−(x + 2.5))"},
    Text{{2, 0, 1}, "y = x − 1 + 2·e^(−(x − 0))"},
    Text{{2, 0, -5}, "y = x − 1 − 4·e^(−(x − 0))"},
    Text{{3, 0.1, 1}, "y = 1 + 2·(x − 0.1)"},
    Text{{4, 0, 1}, "y = 1.25 − cos(4x)/4"},
    Text{{5, 0, 1}, "y = ((17x + 15)·cos(4x) + (68x − 8)·sin(4x))/289 + 0.9480968858131488·e^(−(x − 0))"}
));

TEST(ClosedForm, NoneWithoutOne)
{
    for (const int equation : {0, 6, kOwnEquation}) {
        EXPECT_FALSE(exactSolution(equation, 0, 1, 1).has_value()) << equation;
        EXPECT_FALSE(exactSolutionText(equation, 0, 1).has_value()) << equation;
    }
}

} // namespace
} // namespace rk
