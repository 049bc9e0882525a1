#include "core/ExactCurves.h"

namespace rk {

std::vector<Segment> exactCurves(const ResultsTable& table, const TrueValueAt& truth, double right)
{
    std::vector<Segment> lines;
    for (std::size_t r = 0; r < table.runCount(); ++r) {
        const RunSpan run = table.run(r);
        std::optional<double> previous;
        double previousX = 0;
        for (std::size_t i = 0; i < run.lines; ++i) {
            const std::size_t line = run.firstLine + i;
            const double x = table.row(line).x;
            if (i > 0 && previousX > right)
                break;
            const std::optional<double> value = truth(line);
            if (previous && value)
                lines.push_back({previousX, *previous, x, *value});
            previous = value;
            previousX = x;
        }
    }
    return lines;
}

} // namespace rk
