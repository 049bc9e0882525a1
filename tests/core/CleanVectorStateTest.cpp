#include "core/CleanVectorState.h"
#include "core/Solve.h"

#include "tests/VectorState.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>

namespace rk {
namespace {

// Notes the state at the first point a run plots: by then the run has
// begun, and nothing of its own can have cleaned up for it.
struct StateAtFirstPoint : PointSink {
    std::optional<bool> upperInUse;
    bool seen = false;
    void PSet(float, float, PointKind) override
    {
        if (!seen)
            upperInUse = test::vectorUpperInUse();
        seen = true;
    }
};

struct CleaningCase {
    const char* what;
    std::function<std::optional<bool>()> afterDirtying;
};

class VectorStateCases : public ::testing::TestWithParam<CleaningCase> {};

TEST_P(VectorStateCases, CleanAfterwards)
{
    if (!test::vectorUpperInUse().has_value() || !test::dirtyVectorUpper())
        GTEST_SKIP() << "this processor cannot report its vector state, or has no AVX";
    ASSERT_EQ(test::vectorUpperInUse(), true) << "the test could not dirty the state";
    test::dirtyVectorUpper();
    EXPECT_EQ(GetParam().afterDirtying(), false) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(Guard, VectorStateCases, ::testing::Values(
    CleaningCase{"cleanVectorState", [] {
        cleanVectorState();
        return test::vectorUpperInUse();
    }},
    CleaningCase{"a run, at its first point", [] {
        StateAtFirstPoint picture;
        ResultsTable table;
        Solve({6, 0.0, 1.0, 0.2}, picture, table);
        return picture.upperInUse;
    }}
));

} // namespace
} // namespace rk
