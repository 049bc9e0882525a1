#include "widgets/ComparisonWords.h"

#include "core/Solve.h"
#include "widgets/MessageNumbers.h"
#include "widgets/MethodNames.h"

#include <cmath>

namespace rk {

QString ComparisonWords::step(double h) { return QString::number(h, 'g', 6); }

QString ComparisonWords::problem(const QString& equation, double x1, double y1, double x2)
{
    return tr("%1 from (%2, %3) to x = %4").arg(equation, step(x1), step(y1), step(x2));
}

QString ComparisonWords::note(const ComparisonRow& row)
{
    QStringList parts;
    switch (row.mark) {
    case RowMark::None: break;
    case RowMark::Rounding: parts << tr("rounding takes over"); break;
    case RowMark::BeyondStability: parts << tr("beyond the stability limit"); break;
    case RowMark::NoValue: parts << tr("no value"); break;
    case RowMark::NoTrueValue: parts << tr("beyond range"); break;
    case RowMark::TooManySteps: parts << tr("too many steps"); break;
    }
    if (row.lastStepShortened)
        parts << tr("last step shortened");
    return parts.join(QStringLiteral("; "));
}

QString ComparisonWords::reason(const ComparisonRow& row)
{
    QStringList parts;
    switch (row.mark) {
    case RowMark::None: break;
    case RowMark::Rounding:
        parts << tr("The error is as small as the rounding of the computer's arithmetic and no longer falls as h "
                    "is halved.");
        break;
    case RowMark::BeyondStability:
        parts << (row.y ? tr("The numbers grow where the solution does not: h is beyond the method's stability "
                             "limit.")
                        : tr("The numbers leave the computer's range at x = %1: h is beyond the method's "
                             "stability limit.")
                              .arg(step(row.markedAt)));
        break;
    case RowMark::NoValue: parts << tr("The equation has no value on the way, at x = %1.").arg(step(row.markedAt)); break;
    case RowMark::NoTrueValue:
        parts << tr("The solution has no finite value at the end point, so there is no error to measure.");
        break;
    case RowMark::TooManySteps:
        //: %1 is the most steps a run may take, e.g. 1,000,000.
        parts << tr("More than %1 steps: not computed.").arg(grouped(kMaxPasses));
        break;
    }
    if (row.lastStepShortened)
        parts << tr("The span is no whole number of steps h, so the last step is shorter and ends at the end "
                    "point.");
    return parts.join(' ');
}

QStringList ComparisonWords::summary(const Comparison& comparison, double x2)
{
    if (comparison.rows.empty())
        return {tr("There is nothing to compare: x1, y1 and x2 must be numbers within range, with x2 to the right "
                   "of x1.")};
    if (!comparison.truth)
        return {tr("The solution has no finite value at x = %1, so there is no true value to measure the errors "
                   "against.")
                    .arg(step(x2))};
    if (comparison.everyMethodExact())
        return {tr("Every method gives the exact answer here up to rounding, so there is no error to halve.")};
    QStringList lines;
    for (const MethodSummary& method : comparison.summaries) {
        const MethodInfo& info = comparison.methodInfo(method.method);
        const QString name = methodName(info);
        QString line;
        if (method.exactUpToRounding)
            line = tr("The %1 method gives the exact answer here up to rounding.").arg(name);
        else if (method.order)
            line = tr("Halving h divides the %1 error by about %2: order %3.")
                       .arg(name, QString::number(std::exp2(*method.order), 'f', 0),
                            QString::number(*method.order, 'f', 1));
        else
            line = tr("The %1 rows show no order here.").arg(name);
        if (method.roundingFrom)
            line += ' ' + tr("For h = %1 and below the error stops falling: rounding in the computer's "
                             "arithmetic takes over.")
                              .arg(step(*method.roundingFrom));
        if (method.unstableFrom)
            line += ' ' + tr("For h = %1 and above the %2 numbers grow where the solution does not: h is beyond "
                             "the method's stability limit.")
                              .arg(step(*method.unstableFrom), name);
        // A typed method's order is the learner's question: what its
        // numbers promise stands beside what the rows measured.
        if (info.method == Method::Own)
            line += ' ' + tr("Its tableau's order conditions promise order %1.").arg(info.order);
        lines << line;
    }
    return lines;
}

} // namespace rk
