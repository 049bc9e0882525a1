#include "core/SlopeField.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace rk {
namespace {

// 501 pixels over 20 units, as the plot has them.
constexpr double kUnitsPerPixel = 20.0 / 501;
constexpr double kHalf = 6 * kUnitsPerPixel;

struct FieldCase {
    const char* name;
    double slope;
    std::size_t strokes; // of the 21 x 21 points
    double dx, dy;       // the stroke at (3, 4) from its centre to its upper end
};

class SlopeField : public ::testing::TestWithParam<FieldCase> {};

TEST_P(SlopeField, StrokesAtEveryPointTiltedBySlope)
{
    const FieldCase& c = GetParam();
    const std::vector<Segment> strokes = slopeField([&](double, double) { return c.slope; }, kUnitsPerPixel);
    ASSERT_EQ(strokes.size(), c.strokes);
    // Whole at the window's edges too: the picture cuts them, not the field.
    for (const Segment& s : strokes)
        ASSERT_NEAR(std::hypot(s.x2 - s.x1, s.y2 - s.y1), 2 * kHalf, 1e-12) << "12 pixels long";
    if (c.strokes == 0)
        return;
    // Column by column from x = -2, row by row from y = -10: (3, 4) comes 5 columns and 14 rows in.
    const Segment& s = strokes[5 * 21 + 14];
    EXPECT_NEAR((s.x1 + s.x2) / 2, 3, 1e-12);
    EXPECT_NEAR((s.y1 + s.y2) / 2, 4, 1e-12);
    EXPECT_NEAR(s.x2 - 3, c.dx, 1e-12);
    EXPECT_NEAR(s.y2 - 4, c.dy, 1e-12);
}

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(Slopes, SlopeField, ::testing::Values(
    FieldCase{"Flat", 0, 441, kHalf, 0},
    FieldCase{"Rising", 1, 441, kHalf / std::sqrt(2), kHalf / std::sqrt(2)},
    FieldCase{"Falling", -1, 441, kHalf / std::sqrt(2), -kHalf / std::sqrt(2)},
    FieldCase{"Steep", 1e12, 441, kHalf * 1e-12, kHalf},
    FieldCase{"Infinite", kInf, 0, 0, 0},
    FieldCase{"NoValue", kNaN, 0, 0, 0}),
    [](const auto& info) { return std::string(info.param.name); });

// No stroke where the slope has no value: here none at y = 0.
TEST(SlopeFieldGaps, OnlyWhereTheSlopeHasAValue)
{
    const std::vector<Segment> gaps =
        slopeField([](double, double y) { return y == 0 ? kNaN : y; }, kUnitsPerPixel);
    EXPECT_EQ(gaps.size(), 441u - 21u);
}

} // namespace
} // namespace rk
