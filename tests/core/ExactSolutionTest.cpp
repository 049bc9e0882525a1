#include "core/ExactSolution.h"

#include "core/Catalogue.h"

#include <gtest/gtest.h>


namespace rk {
namespace {

struct Start {
    int equation;
    double x1, y1;
};

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
