#pragma once
// The x / y table of every run since the last Ready, kept as numbers.
//
// A run may list a million lines. The table keeps one double per line, the
// ordinate, and per run its equation and start abscissa, from which the
// abscissa of each line follows exactly as the run computed it. A line's
// text is written only when it is asked for, digit for digit the same as if
// it had been stored.

#include "core/Catalogue.h"
#include "core/LineNumbers.h"
#include "core/Methods.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace rk {

// One line of the table, with the run it belongs to.
struct TableRow {
    int equation;             // 1..6, kOwnEquation, or 0 when the run had none selected
    const TypedEquation* own; // with kOwnEquation: what the run solved
    double x, y;
    std::int64_t pass;     // 0 for the first line of its run
    double n;              // the run's (x2 - x1) / h
    std::int64_t lastPass; // the run's passes are i = 0 .. lastPass (lastPassOf(n))
    double h;
    Method method;
    const OwnMethod* ownMethod; // with Method::Own: the tableau the run stepped through
};

// A run as the table holds it: what its reference solution is made from.
struct RunSpan {
    std::size_t index;     // 0 for the first run since the last clear
    std::size_t firstLine; // in the table
    std::size_t lines;     // how many it listed; may be 0
    double x1, y1;         // y1 is the first line's y; 0 when it listed nothing
    double x2;             // the final abscissa the run was asked to reach
    double n;              // (x2 - x1) / h
    std::int64_t lastPass;
    const Equation* equation;
    double h;
    Method method;
    const OwnMethod* ownMethod; // with Method::Own: the tableau the run stepped through
};

// How many decimals a table line gives x for a run at step h: two, as the
// design lists 0.05's rows, or as many as it takes to tell the rows of a
// finer step apart (0.025 -> 3, 0.00625 -> 5), at most kMaxXDecimals.
inline constexpr int kMaxXDecimals = 10;
int xDecimals(double h);

class ResultsTable {
public:
    // A run of `equation` from x1 with (x2 - x1) / h = n starts; at most
    // lastPass + 1 lines follow. The run keeps its equation, so its rows
    // explain their steps whatever is typed later.
    void beginRun(const Equation& equation, double x1, double n, std::int64_t lastPass, double h = kStep,
                  Method method = Method::RungeKutta, std::shared_ptr<const OwnMethod> ownMethod = nullptr,
                  double x2 = 0);
    // The ordinate of the run's next pass.
    void append(double y) { ys_.push_back(y); }

    std::size_t count() const { return ys_.size(); }
    TableRow row(std::size_t index) const;
    // "x    y": x with two decimals (xDecimals of the run's h), four spaces,
    // y with five.
    std::string line(std::size_t index) const;
    // The same into `out`, which holds kLineBufferSize characters, with
    // another separator (at most kMaxSeparator characters) if need be;
    // returns the length.
    std::size_t writeLine(std::size_t index, char* out, std::string_view separator = kLineSeparator) const;
    // The step from the line to the next, computed again from the line's
    // exact numbers with the run's equation, method and step: the very values the
    // run used, so the slopes and the next ordinate explain the line.
    Stages stepAt(std::size_t index) const;
    void clear();

    std::size_t runCount() const { return runs_.size(); }
    // The most decimals any run's x is written with: 2 unless a run had a
    // finer step.
    int widestXDecimals() const { return widestXDecimals_; }
    RunSpan run(std::size_t runIndex) const;
    // The index of the run that listed line `index`.
    std::size_t runIndexOf(std::size_t index) const;

    static constexpr std::size_t kMaxSeparator = rk::kMaxSeparator;
    static constexpr std::size_t kLineBufferSize = rk::kLineBufferSize;

private:
    struct Run {
        std::size_t firstLine;
        double x1;
        double n;
        std::int64_t lastPass;
        Equation equation;
        double h;
        Method method;
        std::shared_ptr<const OwnMethod> ownMethod;
        int xDecimals;
        double x2;
    };
    const Run& runOf(std::size_t index) const;

    std::vector<Run> runs_;
    std::vector<double> ys_;
    int widestXDecimals_ = 2;
};

} // namespace rk
