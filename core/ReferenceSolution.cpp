#include "core/ReferenceSolution.h"

#include "core/ExactSolution.h"
#include "core/RungeKuttaStep.h"

#include <algorithm>
#include <cmath>

namespace rk {
namespace {

ReferenceRun fromClosedForm(const ClosedForm& y, double x1, double h, std::int64_t rows,
                            const WorkControl& control)
{
    ReferenceRun run;
    run.values.reserve(static_cast<std::size_t>(std::max<std::int64_t>(rows, 0)));
    for (std::int64_t i = 0; i < rows; ++i) {
        if (i % kProgressRows == 0 && i > 0) {
            control.report(i, rows);
            if (control.cancelled()) {
                run.stop = ReferenceStop::Cancelled;
                break;
            }
        }
        // A start near the ends of the doubles' range can make the constant
        // or a term overflow; a value that is not a number is no reference.
        const double value = y(abscissa(x1, i, h));
        if (!std::isfinite(value)) {
            run.stop = ReferenceStop::NotFinite;
            break;
        }
        run.values.push_back(value);
    }
    if (run.stop != ReferenceStop::None)
        run.stoppedAt = abscissa(x1, static_cast<std::int64_t>(run.values.size()), h);
    control.report(static_cast<std::int64_t>(run.values.size()), rows);
    return run;
}

} // namespace

ReferenceRun referenceSolution(const Equation& equation, double x1, double y1, double h, std::int64_t rows,
                               const WorkControl& control)
{
    if (const auto form = ClosedForm::of(equation.number, x1, y1))
        return fromClosedForm(*form, x1, h, rows, control);
    return computedReference(equation, x1, y1, h, rows, control);
}

std::optional<double> relativeError(double y, double reference)
{
    if (reference == 0)
        return std::nullopt;
    return (y - reference) / std::fabs(reference);
}

} // namespace rk
