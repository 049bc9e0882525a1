#include "core/Catalogue.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>
#include <variant>

namespace rk {
namespace {

struct AtPoint {
    double x, y;
    std::array<double, 6> expected; // equations 1..6
};

class RightHandSides : public ::testing::TestWithParam<AtPoint> {};

// Worked by hand. Each list text, read as a typed equation, computes the
// same slope bit for bit: the words a learner sees are the run's function.
// What the row says of y agrees with that reading, and with the slope: its
// ∂f/∂y is the slope's change in y, 0 exactly where the slope ignores y.
TEST_P(RightHandSides, WorkedValuesAndTheTextsThatShowThem)
{
    const AtPoint& p = GetParam();
    for (int eq = 1; eq <= 6; ++eq) {
        const EquationRow& row = kEquations[static_cast<std::size_t>(eq - 1)];
        const std::string_view text = kEquationTexts[static_cast<std::size_t>(eq - 1)];
        SCOPED_TRACE(std::string(text));
        // Sine and cosine are the platform's, to within a few units in the last place.
        EXPECT_DOUBLE_EQ(f(eq, p.x, p.y), p.expected[static_cast<std::size_t>(eq - 1)]);
        EXPECT_EQ(row.slope(p.x, p.y), f(eq, p.x, p.y));
        ASSERT_EQ(text.substr(0, 5), "y' = ");
        const std::u16string rightHandSide(text.begin() + 5, text.end());
        const auto read = OwnEquation::read(rightHandSide);
        ASSERT_TRUE(std::holds_alternative<OwnEquation>(read));
        EXPECT_EQ(std::get<OwnEquation>(read)(p.x, p.y), f(eq, p.x, p.y));
        const auto typed = std::make_shared<const TypedEquation>(TypedEquation{"", std::get<OwnEquation>(read)});
        EXPECT_EQ(slopeReadsY({eq, nullptr}), slopeReadsY({kOwnEquation, typed}));

        const double d = 1e-6;
        const double change = (f(eq, p.x, p.y + d) - f(eq, p.x, p.y - d)) / (2 * d);
        EXPECT_NEAR(row.dfdy(p.x, p.y), change, 1e-8);
        EXPECT_EQ(row.readsY, row.dfdy(p.x, p.y) != 0 || row.dfdy(p.x + 1, p.y + 2) != 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Worked, RightHandSides, ::testing::Values(
    AtPoint{0, 1, {-1, -1, 2, 0, -1, -0.8414709848078965}},
    AtPoint{1, 0.5, {-0.5, 0.5, 2, -0.7568024953079282, -1.1536436208636118, -0.49749498660405445}},
    AtPoint{0.1, 0.3, {-0.3, -0.19999999999999998, 2, 0.3894183423086505, -0.20789390059971147, -0.33941834230865053}},
    // Before anything is confirmed, x and y are 0.
    AtPoint{0, 0, {0, 0, 2, 0, 0, 0}}
));

} // namespace
} // namespace rk
