#include "widgets/RunMessage.h"

#include "widgets/MessageNumbers.h"

#include <cmath>

namespace rk {
namespace {

// The span a run of kMaxPasses steps of h covers, grouped when whole.
QString longestSpan(double h)
{
    const double span = static_cast<double>(kMaxPasses) * h;
    return span == std::round(span) && span < 1e15 ? grouped(std::llround(span)) : shortest(span);
}

} // namespace

QString RunMessage::of(const RunReport& report, const FormValues& values)
{
    if (report.refusal == Refusal::EndBeforeStart)
        return tr("A run goes from x1 to the right, but x2 = %1 lies to the left of x1 = %2, so nothing was "
                  "computed. Type an x2 greater than x1.")
            .arg(shortest(values.x2), shortest(values.x1));
    if (report.stop == Stop::NoSlope)
        return tr("The slope has no value at x = %1, so the run stopped there.").arg(shortest(report.stoppedAt));
    if (report.outcome == RunOutcome::Stopped)
        return tr("The solution grew beyond the range of numbers at x = %1, so the run stopped there: it may blow "
                  "up near this x.")
            .arg(shortest(report.stoppedAt));
    if (report.refusal == Refusal::StepNotValid)
        return tr("The step h = %1 lies outside %2 to %3, so the run was not started.")
            .arg(shortest(values.h), shortest(kMinStep), shortest(kMaxStep));
    if (report.refusal == Refusal::StartNotFinite)
        return tr("The initial ordinate y1 is beyond the range of numbers, so the run was not started.");
    if (report.refusal == Refusal::TooManyPasses)
        return tr("A run is limited to %1 steps of %2, so x2 - x1 must stay below %3. The run was not started.")
            .arg(grouped(kMaxPasses), shortest(values.h), longestSpan(values.h));
    return tr("The final abscissa x2 or the start abscissa x1 is beyond the range of numbers, so the run "
              "was not started.");
}

} // namespace rk
