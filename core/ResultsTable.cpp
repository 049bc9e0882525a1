#include "core/ResultsTable.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace rk {

int xDecimals(double h)
{
    // The fewest decimals, from two, that write h itself to within a
    // millionth of a millionth of it.
    int decimals = 2;
    double scale = 100;
    while (decimals < kMaxXDecimals && std::fabs(std::round(h * scale) / scale - h) > 1e-12 * h) {
        ++decimals;
        scale *= 10;
    }
    return decimals;
}

void ResultsTable::beginRun(const Equation& equation, double x1, double n, std::int64_t lastPass, double h,
                            Method method, std::shared_ptr<const OwnMethod> ownMethod, double x2)
{
    // A run's lines arrive one by one; making room for all of them at once
    // spares the copies, and the spare half, of growing as they come. Growth
    // stays geometric, so many small runs still cost amortised constant time.
    const std::size_t needed = ys_.size() + static_cast<std::size_t>(std::max<std::int64_t>(lastPass + 1, 0));
    if (needed > ys_.capacity())
        ys_.reserve(std::max(needed, ys_.capacity() + ys_.capacity() / 2));
    runs_.push_back({ys_.size(), x1, n, lastPass, equation, h, method, std::move(ownMethod), xDecimals(h), x2});
    widestXDecimals_ = std::max(widestXDecimals_, runs_.back().xDecimals);
}

void ResultsTable::clear()
{
    // Ready gives the memory of a long table back, not just its lines.
    std::vector<double>().swap(ys_);
    runs_.clear();
    widestXDecimals_ = 2;
}

const ResultsTable::Run& ResultsTable::runOf(std::size_t index) const
{
    if (index >= ys_.size())
        throw std::out_of_range("ResultsTable: no such line");
    // The last run that starts at or before the line; a run that listed
    // nothing shares its start with the next and is passed over.
    const auto after = std::upper_bound(runs_.begin(), runs_.end(), index,
                                        [](std::size_t i, const Run& run) { return i < run.firstLine; });
    return *(after - 1);
}

std::size_t ResultsTable::runIndexOf(std::size_t index) const
{
    return static_cast<std::size_t>(&runOf(index) - runs_.data());
}

RunSpan ResultsTable::run(std::size_t runIndex) const
{
    const Run& r = runs_.at(runIndex);
    const std::size_t end = runIndex + 1 < runs_.size() ? runs_[runIndex + 1].firstLine : ys_.size();
    const std::size_t lines = end - r.firstLine;
    return {runIndex, r.firstLine, lines, r.x1, lines > 0 ? ys_[r.firstLine] : 0.0, r.x2, r.n, r.lastPass, &r.equation,
            r.h, r.method, r.ownMethod.get()};
}

TableRow ResultsTable::row(std::size_t index) const
{
    const Run& run = runOf(index);
    const auto pass = static_cast<std::int64_t>(index - run.firstLine);
    return {run.equation.number, run.equation.own.get(), abscissa(run.x1, pass, run.h), ys_[index], pass, run.n,
            run.lastPass, run.h, run.method, run.ownMethod.get()};
}

std::size_t ResultsTable::writeLine(std::size_t index, char* out, std::string_view separator) const
{
    const Run& run = runOf(index);
    const auto pass = static_cast<std::int64_t>(index - run.firstLine);
    return rk::writeLine(abscissa(run.x1, pass, run.h), run.xDecimals, ys_[index], out, separator);
}

Stages ResultsTable::stepAt(std::size_t index) const
{
    const TableRow r = row(index);
    return withRightHandSide(r.equation, r.own,
                             [&](const auto& f) { return methodStep(r.method, r.ownMethod, f, r.x, r.y, r.h); });
}

std::string ResultsTable::line(std::size_t index) const
{
    char buffer[kLineBufferSize];
    return std::string(buffer, writeLine(index, buffer));
}

} // namespace rk
