#include "ui/Value.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

namespace rk {
namespace {

using Kind = Value::Kind;

Value I(std::int16_t i) { return Value::integer(i); }
Value L(std::int32_t i) { return Value::longInteger(i); }
Value D(double d) { return Value(d); }
const Value E;

struct BinaryCase {
    const char* name;
    std::function<Value(const Value&, const Value&)> op;
    Value a, b;
    Kind kind;
    double number;
};

class ValueArithmetic : public ::testing::TestWithParam<BinaryCase> {};

TEST_P(ValueArithmetic, KindAndNumber)
{
    const BinaryCase& c = GetParam();
    const Value r = c.op(c.a, c.b);
    EXPECT_EQ(r.kind(), c.kind) << c.name;
    EXPECT_EQ(r.toDouble(), c.number) << c.name;
}

const auto add = [](const Value& a, const Value& b) { return a + b; };
const auto sub = [](const Value& a, const Value& b) { return a - b; };
const auto mul = [](const Value& a, const Value& b) { return a * b; };
const auto divide = [](const Value& a, const Value& b) { return a / b; };

INSTANTIATE_TEST_SUITE_P(Rules, ValueArithmetic, ::testing::Values(
    BinaryCase{"Empty+Empty is Integer 0", add, E, E, Kind::Integer, 0},
    BinaryCase{"Empty-Empty is Integer 0", sub, E, E, Kind::Integer, 0},
    BinaryCase{"Empty*Empty is Integer 0", mul, E, E, Kind::Integer, 0},
    BinaryCase{"Empty+Double computes with 0", add, E, D(2.5), Kind::Double, 2.5},
    BinaryCase{"Double-Empty", sub, D(2.5), E, Kind::Double, 2.5},
    BinaryCase{"Empty*Double", mul, E, D(2.5), Kind::Double, 0},
    BinaryCase{"Integer+Integer stays Integer", add, I(2), I(3), Kind::Integer, 5},
    BinaryCase{"Integer*Integer stays Integer", mul, I(2), I(6), Kind::Integer, 12},
    BinaryCase{"Integer+Empty stays Integer", add, I(7), E, Kind::Integer, 7},
    BinaryCase{"Integer*Double is Double", mul, I(2), D(0.05), Kind::Double, 0.1},
    BinaryCase{"Integer/Integer is Double", divide, I(1), I(2), Kind::Double, 0.5},
    BinaryCase{"Empty/Integer is Double", divide, E, I(2), Kind::Double, 0},
    BinaryCase{"Integer past 32767 widens to Long", add, I(32767), I(1), Kind::Long, 32768},
    BinaryCase{"Integer below -32768 widens to Long", sub, I(-32768), I(1), Kind::Long, -32769},
    BinaryCase{"Integer product widens", mul, I(300), I(300), Kind::Long, 90000},
    BinaryCase{"Long stays Long even when small", sub, L(40000), L(39999), Kind::Long, 1},
    BinaryCase{"Long overflow widens to Double", mul, L(2000000000), I(2), Kind::Double, 4e9},
    BinaryCase{"Double+Double", add, D(0.1), D(0.2), Kind::Double, 0.1 + 0.2}
));

struct UnaryCase {
    Value a;
    Kind kind;
    double number;
};

class ValueNegation : public ::testing::TestWithParam<UnaryCase> {};

TEST_P(ValueNegation, KindAndNumber)
{
    const Value r = -GetParam().a;
    EXPECT_EQ(r.kind(), GetParam().kind);
    EXPECT_EQ(r.toDouble(), GetParam().number);
}

INSTANTIATE_TEST_SUITE_P(Rules, ValueNegation, ::testing::Values(
    UnaryCase{E, Kind::Integer, 0},
    UnaryCase{I(5), Kind::Integer, -5},
    UnaryCase{I(-32768), Kind::Long, 32768},
    UnaryCase{D(1.5), Kind::Double, -1.5}
));

TEST(ValueEquality, EmptyEqualsOnlyZero)
{
    EXPECT_TRUE(equalsInteger(E, 0));
    for (std::int16_t c = 1; c <= 6; ++c)
        EXPECT_FALSE(equalsInteger(E, c)) << c;
}

TEST(ValueEquality, NumericAcrossKinds)
{
    EXPECT_TRUE(equalsInteger(I(3), 3));
    EXPECT_TRUE(equalsInteger(L(3), 3));
    EXPECT_TRUE(equalsInteger(D(3.0), 3));
    EXPECT_FALSE(equalsInteger(D(3.0000000001), 3));
    EXPECT_FALSE(equalsInteger(I(4), 3));
}

TEST(ValueLoopTest, CounterAgainstDoubleBound)
{
    EXPECT_TRUE(notPast(I(5), D(5.999999999999999)));
    EXPECT_FALSE(notPast(I(6), D(5.999999999999999)));
    EXPECT_TRUE(notPast(I(0), D(0.0)));
    EXPECT_FALSE(notPast(I(0), D(-0.5)));
    EXPECT_TRUE(notPast(L(40000), D(40000.0)));
}

TEST(ValueSingle, RangeOfSinglePrecision)
{
    EXPECT_EQ(toSingle(D(1.5)), 1.5f);
    EXPECT_EQ(toSingle(E), 0.0f);
    EXPECT_EQ(toSingle(I(2)), 2.0f);
    EXPECT_EQ(toSingle(D(3.4e38)), 3.4e38f);
    EXPECT_FALSE(toSingle(D(3.5e38)).has_value());
    EXPECT_FALSE(toSingle(D(-1e300)).has_value());
    EXPECT_FALSE(toSingle(D(std::numeric_limits<double>::infinity())).has_value());
    EXPECT_FALSE(toSingle(D(std::nan(""))).has_value());
}

TEST(ValueText, TextOfEachKind)
{
    EXPECT_EQ(toText(E), "");
    EXPECT_EQ(toText(I(-12)), "-12");
    EXPECT_EQ(toText(D(0.05)), "0.05");
    EXPECT_EQ(toText(Value(std::string("ab"))), "ab");
    EXPECT_EQ(toText(join(Value(std::string("0.05")), join(Value(std::string("    ")), Value(std::string("0.95123"))))),
              "0.05    0.95123");
}

} // namespace
} // namespace rk
