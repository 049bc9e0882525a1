#include "solver/StepExplanation.h"

#include "equations/Catalogue.h"
#include "ui/QtText.h"

#include <QCoreApplication>
#include <QStringList>

#include <cmath>

namespace rk {
namespace {

// Rounded as the table rounds, so a value reads as the list shows it.
QString fixed(double d, int decimals)
{
    char buffer[kFormatBufferSize];
    return QString::fromLatin1(buffer, static_cast<qsizetype>(formatFixed(d, decimals, buffer)));
}

struct StageLine {
    const char* name;
    const char* text;
};

// The formulas name the stages the way a textbook does; a translation may
// word them otherwise but keeps the one number, %1.
const StageLine kStageLines[] = {
    {"k1", QT_TRANSLATE_NOOP("StepExplanation", "k1 = f(x, y) = %1")},
    {"k2", QT_TRANSLATE_NOOP("StepExplanation", "k2 = f(x + h/2, y + k1·h/2) = %1")},
    {"k3", QT_TRANSLATE_NOOP("StepExplanation", "k3 = f(x + h/2, y + k2·h/2) = %1")},
    {"k4", QT_TRANSLATE_NOOP("StepExplanation", "k4 = f(x + h, y + k3·h) = %1")},
    {"y(x + h)", QT_TRANSLATE_NOOP("StepExplanation", "y(x + h) = y + h·((k1 + k4) + 2·(k2 + k3))/6 = %1")},
};

} // namespace

QString explainStep(const ResultsTable& table, std::size_t index)
{
    const TableRow row = table.row(index);
    if (row.equation == 0)
        return QCoreApplication::translate(
            "StepExplanation", "No equation was selected for this run, so every slope is 0 and y keeps its start value.");

    // The same step function, right-hand side and step as the run: the last
    // value is the next row's ordinate to the last bit.
    const Stages stages = withRightHandSide(
        row.equation, [&](const auto& f) { return rungeKuttaStep(f, row.x, row.y, kStep); });
    const double values[] = {stages.k1, stages.k2, stages.k3, stages.k4, stages.next};

    QStringList lines{toQString(kEquationTexts[static_cast<std::size_t>(row.equation - 1)]),
                      QCoreApplication::translate("StepExplanation", "x = %1   y = %2")
                          .arg(fixed(row.x, 2), fixed(row.y, 5))};
    for (std::size_t stage = 0; stage < std::size(values); ++stage) {
        if (!std::isfinite(values[stage])) {
            // A value past the doubles makes every later one so too, and the
            // run lists no row past it: its table ends here.
            const double x1 = table.row(index - static_cast<std::size_t>(row.pass)).x;
            //: %1 is k1 to k4 or y(x + h), as the lines above name them; %2 is the next row's x.
            lines << QCoreApplication::translate("StepExplanation",
                                                 "%1 is beyond the range of numbers, so the run stops before x = %2.")
                         .arg(QString::fromLatin1(kStageLines[stage].name), fixed(abscissa(x1, row.pass + 1), 2));
            break;
        }
        lines << QCoreApplication::translate("StepExplanation", kStageLines[stage].text).arg(fixed(values[stage], 5));
    }
    return lines.join(QLatin1Char('\n'));
}

} // namespace rk
