#include "core/ExactCurves.h"

#include <gtest/gtest.h>

#include <set>

namespace rk {
namespace {

struct CurveCase {
    const char* name;
    std::set<std::size_t> noValue; // table lines without a true value
    std::vector<Segment> expected;
};

class ExactCurves : public ::testing::TestWithParam<CurveCase> {};

// Two runs at h = 1, from x = 0 (lines 0..3) and from x = 16 (lines 4..8,
// the last two right of the frame); the true value is 10x.
TEST_P(ExactCurves, RowToRowWithinEachRunAndStopsRightOfTheFrame)
{
    ResultsTable table;
    for (const double x1 : {0.0, 16.0}) {
        const std::int64_t last = x1 == 0 ? 3 : 4;
        table.beginRun(Equation{1, nullptr}, x1, static_cast<double>(last), last, 1.0);
        for (std::int64_t i = 0; i <= last; ++i)
            table.append(0);
    }
    const auto& gaps = GetParam().noValue;
    const std::vector<Segment> drawn = exactCurves(table, [&](std::size_t line) -> std::optional<double> {
        if (gaps.contains(line))
            return std::nullopt;
        return 10 * table.row(line).x;
    });
    ASSERT_EQ(drawn.size(), GetParam().expected.size());
    for (std::size_t i = 0; i < drawn.size(); ++i) {
        const Segment& d = drawn[i];
        const Segment& e = GetParam().expected[i];
        EXPECT_EQ(std::tie(d.x1, d.y1, d.x2, d.y2), std::tie(e.x1, e.y1, e.x2, e.y2)) << "segment " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Gaps, ExactCurves, ::testing::Values(
    // Never 3 to 16: the runs are apart. 18 to 19 crosses the edge; 19 to 20 lies beyond it.
    CurveCase{"EveryValue", {}, {{0, 0, 1, 10}, {1, 10, 2, 20}, {2, 20, 3, 30}, {16, 160, 17, 170},
                                 {17, 170, 18, 180}, {18, 180, 19, 190}}},
    // A row without a value breaks its run's curve on both sides.
    CurveCase{"Gaps", {1, 4}, {{2, 20, 3, 30}, {17, 170, 18, 180}, {18, 180, 19, 190}}}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace rk
