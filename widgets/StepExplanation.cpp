#include "widgets/StepExplanation.h"

#include "core/Solve.h"

#include "widgets/MessageNumbers.h"
#include "widgets/MethodNames.h"
#include "core/Catalogue.h"
#include "widgets/QtText.h"

#include <QCoreApplication>
#include <QStringList>

#include <cmath>

namespace rk {
namespace {

// Rounded as the table rounds, so a value reads as the list shows it. A
// number too long for a line of a tooltip, which never wraps, is written
// with the shortest digits that still give it exactly.
QString fixed(double d, int decimals)
{
    constexpr qsizetype kLongest = 24;
    char buffer[kFormatBufferSize];
    const QString text = QString::fromLatin1(buffer, static_cast<qsizetype>(formatFixed(d, decimals, buffer)));
    return text.size() <= kLongest ? text : shortest(d);
}

// A stage's name as the formulas name it: "k1" for stage 0, and the next
// ordinate after the last stage.
QString stageName(int stage, int stages)
{
    return stage < stages ? QStringLiteral("k%1").arg(stage + 1) : QStringLiteral("y(x + h)");
}

// The formulas are mathematics, the same in every language; they come from
// the method's tableau, so a method the learner typed reads like the
// built-in ones.
QString stageText(const Tableau& tableau, int stage, const QString& value)
{
    const std::string formula = stage < tableau.stages ? stageFormula(tableau, stage) : nextFormula(tableau);
    return stageName(stage, tableau.stages) + QStringLiteral(" = ") + toQString(formula) + QStringLiteral(" = ") +
           value;
}

// Where a run ends is not obvious when (x2 - x1)/h is not a whole number
// in doubles: the last row of a whole run says how its last pass was found.
QStringList lastRowOfRun(const TableRow& row)
{
    if (row.pass != row.lastPass)
        return {};
    const QString n = shortest(row.n), last = QString::number(row.lastPass);
    if (row.n == static_cast<double>(row.lastPass))
        //: %1 is n = (x2 - x1)/h, a whole number here, and also the last pass.
        return {QCoreApplication::translate("StepExplanation",
                                            "Last row of this run: (x2 − x1)/h = %1 steps,\n"
                                            "so the passes are i = 0 … %1 and the run ends at x2.")
                    .arg(n)};
    if (countsAsWhole(row.n))
        //: %1 is n with the shortest digits that read back to it; %2 is the whole number it is taken as.
        return {QCoreApplication::translate("StepExplanation",
                                            "Last row of this run: (x2 − x1)/h comes out as %1\n"
                                            "in the computer's arithmetic, which is %2 but for rounding,\n"
                                            "so the passes are i = 0 … %2 and the run ends at x2.")
                    .arg(n, last)};
    //: %1 is n with the shortest digits that read back to it; %2 is the last pass.
    return {QCoreApplication::translate("StepExplanation",
                                        "Last row of this run: (x2 − x1)/h = %1 is not a whole number of steps,\n"
                                        "so the passes are i = 0 … %2, the last step that does not pass x2.")
                .arg(n, last)};
}

QStringList truthLines(double y, const std::optional<RowTruth>& truth, int xPlaces)
{
    if (!truth)
        return {};
    QStringList lines;
    if (truth->kind == ReferenceKind::Exact)
        //: %1 is the closed form of the solution, e.g. y = 1·e^(−(x − 0)).
        lines << QCoreApplication::translate("StepExplanation", "exact: %1").arg(toQString(truth->formula));
    else
        //: %1 is the relative accuracy, e.g. 1e-12.
        lines << QCoreApplication::translate("StepExplanation", "reference: computed to about %1")
                     .arg(QString::asprintf("%.0e", truth->accuracy));
    if (truth->value) {
        const double error = y - *truth->value;
        lines << QCoreApplication::translate("StepExplanation", "y(x) = %1").arg(toQString(valueText(*truth->value)));
        if (const auto relative = relativeError(y, *truth->value))
            //: %1 and %2 in scientific notation, e.g. 2.00e-08.
            lines << QCoreApplication::translate("StepExplanation", "error y − y(x) = %1, relative error %2")
                         .arg(toQString(errorText(error)), toQString(errorText(*relative)));
        else
            lines << QCoreApplication::translate("StepExplanation", "error y − y(x) = %1 (no relative error: y(x) = 0)")
                         .arg(toQString(errorText(error)));
        return lines;
    }
    const QString at = fixed(truth->stoppedAt, xPlaces);
    switch (truth->stop) {
    case ReferenceStop::NotFinite:
        lines << QCoreApplication::translate("StepExplanation",
                                             "No value here: the solution leaves the range of numbers before x = %1,\n"
                                             "as it does near a pole.")
                     .arg(at);
        break;
    case ReferenceStop::NoValue:
        lines << QCoreApplication::translate("StepExplanation", "No value here: the slope has no value at x = %1.").arg(at);
        break;
    case ReferenceStop::TooManySteps:
        lines << QCoreApplication::translate("StepExplanation",
                                             "No value here: computing it took too much work before x = %1.")
                     .arg(at);
        break;
    case ReferenceStop::Cancelled:
    case ReferenceStop::None:
        lines << QCoreApplication::translate("StepExplanation",
                                             "No value here: computing the reference was cancelled.");
        break;
    }
    return lines;
}

} // namespace

QString explainStep(const ResultsTable& table, std::size_t index, const std::optional<RowTruth>& truth)
{
    const TableRow row = table.row(index);
    if (row.equation == 0)
        return (QStringList{QCoreApplication::translate(
                    "StepExplanation",
                    "No equation was selected for this run, so every slope is 0 and y keeps its start value.")} +
                lastRowOfRun(row))
            .join(QLatin1Char('\n'));

    const Stages stages = table.stepAt(index);
    const MethodInfo& method = methodInfo(row.method, row.ownMethod);
    const Tableau& tableau = method.tableau;
    const auto valueOf = [&](int stage) {
        return stage < tableau.stages ? stages.k[static_cast<std::size_t>(stage)] : stages.next;
    };
    const int xPlaces = xDecimals(row.h);

    // A typed equation may be a thousand characters long; the tooltip shows
    // its start, the equation list the whole of it.
    constexpr qsizetype kLongestEquation = 80;
    QString text = toQString(row.own ? row.own->listText()
                                     : std::string(kEquationTexts[static_cast<std::size_t>(row.equation - 1)]));
    if (text.size() > kLongestEquation)
        text = text.left(kLongestEquation - 1) + QChar(0x2026);
    QStringList lines{text};
    // A run at the design's step and method says nothing of them.
    if (row.method != Method::RungeKutta || row.h != kStep)
        lines << methodHeading(method, row.h);
    lines << QCoreApplication::translate("StepExplanation", "x = %1   y = %2").arg(fixed(row.x, xPlaces), fixed(row.y, kYDecimals));
    const auto problem = slopeProblem(row.own, tableau, row.x, row.y, row.h, stages);
    for (int stage = 0; stage <= tableau.stages; ++stage) {
        const QString name = stageName(stage, tableau.stages);
        if (problem && problem->why == Stop::NoSlope && problem->stage == stage) {
            // A typed equation's run stops at the row whose step has a slope without a value.
            //: %1 is a slope, k1 to k6, as the lines above name it; %2 is the row's x.
            lines << QCoreApplication::translate("StepExplanation", "%1 has no value at x = %2, so the run stops here.")
                         .arg(name, fixed(row.x, xPlaces));
            return (lines + truthLines(row.y, truth, xPlaces)).join(QLatin1Char('\n'));
        }
        if (!std::isfinite(valueOf(stage))) {
            // A value past the doubles makes every later one so too, and the
            // run lists no row past it: its table ends here.
            const double x1 = table.row(index - static_cast<std::size_t>(row.pass)).x;
            //: %1 is a slope, k1 to k6, or y(x + h), as the lines above name it; %2 is the next row's x.
            lines << QCoreApplication::translate("StepExplanation",
                                                 "%1 is beyond the range of numbers, so the run stops before x = %2.")
                         .arg(name, fixed(abscissa(x1, row.pass + 1, row.h), xPlaces));
            break;
        }
        lines << stageText(tableau, stage, fixed(valueOf(stage), kYDecimals));
    }
    lines << lastRowOfRun(row) << truthLines(row.y, truth, xPlaces);
    return lines.join(QLatin1Char('\n'));
}

} // namespace rk
