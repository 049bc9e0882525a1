#include "solver/Solve.h"

#include "solver/CleanVectorState.h"
#include "equations/Catalogue.h"
#include "ui/FormatValue.h"

#include <cmath>
#include <cstring>

namespace rk {
namespace {

const Rgb kSolutionColour = paletteColor(12);
const Rgb kSlopeColour = paletteColor(9);

// A point that single precision cannot hold is left out; the run goes on.
void plot(PointSink& picture, const Value& x, const Value& y, Rgb colour)
{
    const auto sx = toSingle(x);
    const auto sy = toSingle(y);
    if (sx && sy)
        picture.PSet(*sx, *sy, colour);
}

// "x    y" with x in "0.00" and y in "0.00000", built in place: the line is
// written once per pass, so it must not cost more than the formatting.
void listLine(LineSink& list, const Value& x, const Value& y)
{
    static constexpr char kGap[] = "    ";
    static constexpr std::size_t kGapLength = sizeof kGap - 1;
    char line[2 * kFormatBufferSize + kGapLength];
    std::size_t length = formatFixed(x.toDouble(), 2, line);
    std::memcpy(line + length, kGap, kGapLength);
    length += kGapLength;
    length += formatFixed(y.toDouble(), 5, line + length);
    list.AddItem(std::string_view(line, length));
}

RunReport refused(Refusal why)
{
    RunReport report;
    report.outcome = RunOutcome::Refused;
    report.refusal = why;
    return report;
}

} // namespace

RunReport Solve(const FormValues& form, PointSink& picture, LineSink& list)
{
    cleanVectorState();
    static const Value zero = Value::integer(0);
    static const Value one = Value::integer(1);
    static const Value two = Value::integer(2);
    static const Value six = Value::integer(6);

    const Value& eqNo = form.eqNo;
    const Value& x1 = form.x1;
    const Value& y1 = form.y1;

    const Value h(kStep);
    const Value n = (form.x2 - x1) / h;

    const double bound = n.toDouble();
    if (!std::isfinite(bound))
        return refused(Refusal::BoundNotFinite);
    // Passes run for i = 0 .. floor(n): more than kMaxPasses exactly when n reaches it.
    if (bound >= static_cast<double>(kMaxPasses))
        return refused(Refusal::TooManyPasses);

    const Value hh = h / two;
    Value y = y1;
    plot(picture, x1, y1, kSolutionColour);
    const Value r = f(eqNo, x1, y1);
    plot(picture, x1, r, kSlopeColour);

    RunReport report;
    for (Value i = zero; notPast(i, n); i = i + one) {
        const Value x = x1 + (i * h);
        const Value k1 = f(eqNo, x, y);
        plot(picture, x, y, kSolutionColour);
        plot(picture, x, k1, kSlopeColour);
        if (!isFiniteNumber(x) || !isFiniteNumber(y)) {
            report.outcome = RunOutcome::Stopped;
            report.stoppedAt = x.toDouble();
            return report;
        }
        listLine(list, x, y);
        ++report.linesListed;

        const Value k2 = f(eqNo, x + hh, y + (k1 * hh));
        const Value k3 = f(eqNo, x + hh, y + (k2 * hh));
        const Value k4 = f(eqNo, x + h, y + (k3 * h));
        // This grouping is part of the result: regrouping changes last digits.
        const Value s = k1 + k4;
        const Value t = k2 + k3;
        const Value u = two * t;
        const Value v = s + u;
        const Value w = h * v;
        const Value q = w / six;
        y = y + q;
    }
    return report;
}

} // namespace rk
