#include "widgets/RunMessage.h"

#include "widgets/MessageNumbers.h"

#include <gtest/gtest.h>

namespace rk {
namespace {

RunReport refusedFor(Refusal why)
{
    RunReport report;
    report.outcome = RunOutcome::Refused;
    report.refusal = why;
    return report;
}

RunReport stoppedFor(Stop why, double at)
{
    RunReport report;
    report.outcome = RunOutcome::Stopped;
    report.stop = why;
    report.stoppedAt = at;
    return report;
}

FormValues withStep(double h, double x1 = 0, double x2 = 0)
{
    FormValues values;
    values.x1 = x1;
    values.x2 = x2;
    values.h = h;
    return values;
}

TEST(MessageNumbers, GroupedAndShortestInEveryLocale)
{
    const std::pair<std::int64_t, const char*> groups[] = {
        {0, "0"}, {100, "100"}, {-100, "-100"}, {-1000, "-1,000"}, {1'000'000, "1,000,000"}, {-123'456, "-123,456"}};
    const std::pair<double, const char*> shortests[] = {{0.05, "0.05"}, {-1e308, "-1e+308"}, {-0.0, "-0"}, {1e-7, "1e-07"}};
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German)); // comma for the point, dot for the groups
    for (const auto& [n, text] : groups)
        EXPECT_EQ(grouped(n), QString::fromLatin1(text)) << n;
    for (const auto& [d, text] : shortests)
        EXPECT_EQ(shortest(d), QString::fromLatin1(text)) << d;
    QLocale::setDefault(before);
}

// The numbers of a message as the run had them, in the program's own
// writing: shortest digits, whole spans grouped, the rest as they come.
TEST(RunMessage, SaysWhyWithTheRunsNumbers)
{
    const struct {
        RunReport report;
        FormValues values;
        const char* text;
    } cases[] = {
        {refusedFor(Refusal::TooManyPasses), withStep(0.000123),
         "A run is limited to 1,000,000 steps of 0.000123, so x2 - x1 must stay below 123.00000000000001. The run "
         "was not started."},
        {refusedFor(Refusal::TooManyPasses), withStep(1e9),
         "A run is limited to 1,000,000 steps of 1e+09, so x2 - x1 must stay below 1e+15. The run was not started."},
        {refusedFor(Refusal::StepNotValid), withStep(0),
         "The step h = 0 lies outside 1e-09 to 1e+09, so the run was not started."},
        {refusedFor(Refusal::EndBeforeStart), withStep(0.05, 2.5, -1e-300),
         "A run goes from x1 to the right, but x2 = -1e-300 lies to the left of x1 = 2.5, so nothing was computed. "
         "Type an x2 greater than x1."},
        {stoppedFor(Stop::NoSlope, -0.5), withStep(0.05),
         "The slope has no value at x = -0.5, so the run stopped there."},
        {stoppedFor(Stop::BeyondRange, 1.25), withStep(0.05),
         "The solution grew beyond the range of numbers at x = 1.25, so the run stopped there: it may blow up near "
         "this x."},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RunMessage::of(c.report, c.values).toStdString(), c.text);
}

} // namespace
} // namespace rk
