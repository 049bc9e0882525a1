#include "core/Catalogue.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>

namespace rk {
namespace {

TEST(Catalogue, TextsInListOrder)
{
    const std::array<const char*, 6> expected{
        "y' = - y", "y' = x - y", "y' = 2", "y' = sin(4x)", "y' = xcos(4x) -y", "y' = x/2 -sin(x+y)"};
    for (std::size_t k = 0; k < expected.size(); ++k)
        EXPECT_EQ(kEquationTexts[k], expected[k]) << "position " << k;
}

struct AtPoint {
    double x, y;
    std::array<double, 6> expected; // equations 1..6
};

class RightHandSides : public ::testing::TestWithParam<AtPoint> {};

TEST_P(RightHandSides, DoubleArguments)
{
    const AtPoint& p = GetParam();
    for (int eq = 1; eq <= 6; ++eq) {
        // Sine and cosine are the platform's, to within a few units in the last place.
        EXPECT_DOUBLE_EQ(f(eq, p.x, p.y), p.expected[static_cast<std::size_t>(eq - 1)]) << "equation " << eq;
    }
}

INSTANTIATE_TEST_SUITE_P(Worked, RightHandSides, ::testing::Values(
    AtPoint{0, 1, {-1, -1, 2, 0, -1, -0.8414709848078965}},
    AtPoint{1, 0.5, {-0.5, 0.5, 2, -0.7568024953079282, -1.1536436208636118, -0.49749498660405445}},
    // An unset x or y is read as 0.
    AtPoint{0, 0, {0, 0, 2, 0, 0, 0}}
));

TEST(RightHandSides, ExactArithmeticForPlainRows)
{
    // One IEEE operation at a time, in the order written.
    EXPECT_EQ(f(2, 0.1, 0.3), 0.1 - 0.3);
    const double x = 0.35, y = 1.25;
    EXPECT_EQ(f(6, x, y), x / 2 - std::sin(x + y));
    EXPECT_EQ(f(5, x, y), x * std::cos(4 * x) - y);
    EXPECT_EQ(f(0, x, y), 0.0);
}

} // namespace
} // namespace rk
