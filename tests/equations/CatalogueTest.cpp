#include "equations/Catalogue.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>

namespace rk {
namespace {

using Kind = Value::Kind;

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
    for (std::int16_t eq = 1; eq <= 6; ++eq) {
        const Value r = f(Value::integer(eq), Value(p.x), Value(p.y));
        const double want = p.expected[static_cast<std::size_t>(eq - 1)];
        if (eq == 3) {
            EXPECT_EQ(r.kind(), Kind::Integer);
            EXPECT_EQ(r.integerValue(), 2);
        } else {
            ASSERT_EQ(r.kind(), Kind::Double) << "equation " << eq;
            // Sine and cosine are the platform's, to within a few units in the last place.
            EXPECT_DOUBLE_EQ(r.doubleValue(), want) << "equation " << eq;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Worked, RightHandSides, ::testing::Values(
    AtPoint{0, 1, {-1, -1, 2, 0, -1, -0.8414709848078965}},
    AtPoint{1, 0.5, {-0.5, 0.5, 2, -0.7568024953079282, -1.1536436208636118, -0.49749498660405445}}
));

TEST(RightHandSides, ExactArithmeticForPlainRows)
{
    // Rows 1, 2 and 6 without trig are single IEEE operations.
    EXPECT_EQ(f(Value::integer(2), Value(0.1), Value(0.3)).doubleValue(), 0.1 - 0.3);
    EXPECT_EQ(f(Value::integer(1), Value(), Value(0.7)).doubleValue(), -0.7);
    const double x = 0.35, y = 1.25;
    EXPECT_EQ(f(Value::integer(6), Value(x), Value(y)).doubleValue(), x / 2 - std::sin(x + y));
    EXPECT_EQ(f(Value::integer(5), Value(x), Value(y)).doubleValue(), x * std::cos(4 * x) - y);
}

struct EmptyCase {
    std::int16_t eq;
    Value x, y;
    Kind kind;
    double number;
};

class EmptyArguments : public ::testing::TestWithParam<EmptyCase> {};

TEST_P(EmptyArguments, ActAsZero)
{
    const EmptyCase& c = GetParam();
    const Value r = f(Value::integer(c.eq), c.x, c.y);
    EXPECT_EQ(r.kind(), c.kind) << "equation " << c.eq;
    EXPECT_EQ(r.toDouble(), c.number) << "equation " << c.eq;
}

INSTANTIATE_TEST_SUITE_P(Rows, EmptyArguments, ::testing::Values(
    EmptyCase{1, Value(), Value(), Kind::Integer, 0},
    EmptyCase{2, Value(1.5), Value(), Kind::Double, 1.5},
    EmptyCase{2, Value(), Value(), Kind::Integer, 0},
    EmptyCase{3, Value(), Value(), Kind::Integer, 2},
    EmptyCase{4, Value(), Value(), Kind::Double, 0},
    EmptyCase{5, Value(), Value(0.5), Kind::Double, -0.5},
    EmptyCase{6, Value(), Value(), Kind::Double, 0},
    EmptyCase{6, Value(1.0), Value(), Kind::Double, 0.5 - std::sin(1.0)}
));

TEST(RightHandSides, NoEquationGivesEmpty)
{
    for (const Value& eqNo : {Value(), Value::integer(0), Value::integer(7), Value::integer(-1), Value(1.5)})
        EXPECT_TRUE(f(eqNo, Value(1.0), Value(2.0)).isEmpty());
}

TEST(RightHandSides, DoubleEquationNumberMatchesNumerically)
{
    EXPECT_EQ(f(Value(3.0), Value(), Value()).integerValue(), 2);
}

} // namespace
} // namespace rk
