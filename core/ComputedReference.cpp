// The reference where there is no closed form: a controlled Boost.Odeint
// stepper driven by integrate_times along the run's own abscissae, so that
// each value lands on its row without interpolation. As in Odeint, the
// pieces stand apart: the system (the slope, watched for values), the
// stepper (core/GuardedSteppers.h), the driver and the observer (the rows,
// watched for values).

#include "core/ReferenceSolution.h"

#include "core/GuardedSteppers.h"
#include "core/RungeKuttaStep.h"

#include <boost/core/ref.hpp>
#include <boost/iterator/counting_iterator.hpp>
#include <boost/iterator/transform_iterator.hpp>

#include <cmath>
#include <string>

namespace rk {
namespace {

// Absolute and relative. Equation 6 out to x = 10 at the step 0.05 with the
// Fehlberg pair: 3.6e-13 from the 30-digit solution at this tolerance, for
// 16 slopes a row (8.8e-13 at 1e-13, where one step of 13 slopes per row is
// always enough; 0 at 1e-15, for 20 slopes a row).
constexpr double kTolerance = 1e-14;

// A pole draws the steps in for ever, each one a little nearer; so does a
// slope that is steep everywhere. Successful steps between two rows:
constexpr int kMaxStepsPerRow = 10'000;
// and slopes in all, however they are spent: a quarter of a second or so of
// a typed equation at the least, and over ten times what equation 6 needs
// a row for long runs.
constexpr std::int64_t kSlopeBudgetAtLeast = 2'000'000;
constexpr std::int64_t kSlopeBudgetPerRow = 200;

// Thrown to stop the integration with a reason.
struct Halt {
    ReferenceStop why;
};

// What the trial steps since the last row met: a slope that overflowed, or
// one without a value, at a finite y. When the stepper gives up, that is
// why; a NaN that came from an infinite y says nothing new.
struct Trouble {
    bool overflow = false;
    bool noValue = false;
    ReferenceStop reason() const
    {
        return overflow  ? ReferenceStop::NotFinite
               : noValue ? ReferenceStop::NoValue
                         : ReferenceStop::TooManySteps;
    }
};

// The bound on the total work, and the cancel flag, checked per slope so
// that no mix of failed and successful steps gets round them.
class Work {
public:
    Work(std::int64_t slopes, const WorkControl& control) : left_(slopes), control_(control) {}
    void spend(const Trouble& trouble)
    {
        if (--left_ < 0)
            throw Halt{trouble.reason()};
        if (left_ % 256 == 0 && control_.cancelled())
            throw Halt{ReferenceStop::Cancelled};
    }

private:
    std::int64_t left_;
    const WorkControl& control_;
};

// The system: y' = f(x, y), in Odeint's form.
template <typename RightHandSide>
struct Slope {
    const RightHandSide& f;
    Trouble& trouble;
    Work& work;
    void operator()(const double& y, double& dydx, double x) const
    {
        work.spend(trouble);
        dydx = f(x, y);
        if (!std::isfinite(dydx) && std::isfinite(y))
            (std::isnan(dydx) ? trouble.noValue : trouble.overflow) = true;
    }
};

// The observer: one call per row, at the row's own abscissa.
struct Rows {
    std::vector<double>& values;
    Trouble& trouble;
    const WorkControl& control;
    std::int64_t rows;
    void operator()(const double& y, double) const
    {
        // An accepted step may still end out of range: its error estimate,
        // relative to an infinite y, looks small.
        if (!std::isfinite(y))
            throw Halt{ReferenceStop::NotFinite};
        values.push_back(y);
        trouble = {};
        if (values.size() % kProgressRows == 0)
            control.report(static_cast<std::int64_t>(values.size()), rows);
    }
};

template <typename Stepper, typename RightHandSide>
ReferenceStop integrate(const RightHandSide& f, double x1, double y1, double h, std::int64_t rows,
                        const WorkControl& control, std::vector<double>& values)
{
    Trouble trouble;
    Work work(kSlopeBudgetAtLeast + kSlopeBudgetPerRow * rows, control);
    const auto grid = [x1, h](std::int64_t i) { return abscissa(x1, i, h); };
    const auto first = boost::make_transform_iterator(boost::counting_iterator<std::int64_t>(0), grid);
    const auto end = boost::make_transform_iterator(boost::counting_iterator<std::int64_t>(rows), grid);
    // Made in place and passed by reference: a copy would copy the
    // stepper's scratch doubles, which nothing has set yet.
    Guarded<Stepper> stepper(FiniteErrorChecker(kTolerance, kTolerance));
    double y = y1;
    try {
        odeint::integrate_times(boost::ref(stepper), Slope<RightHandSide>{f, trouble, work}, y, first, end, h,
                                Rows{values, trouble, control, rows},
                                odeint::max_step_checker(kMaxStepsPerRow));
    } catch (const Halt& halt) {
        return halt.why;
    } catch (const StepVanished&) {
        return trouble.reason();
    } catch (const odeint::odeint_error&) { // too many steps, or too many failed ones in a row
        return trouble.reason();
    }
    return ReferenceStop::None;
}

} // namespace

ReferenceRun computedReference(const Equation& equation, double x1, double y1, double h, std::int64_t rows,
                               const WorkControl& control)
{
    ReferenceRun run;
    run.kind = ReferenceKind::Computed;
    run.accuracy = kComputedAccuracy;
    if (rows <= 0)
        return run;
    // Abscissae that are not numbers would have the driver observe the
    // start for every row.
    if (!std::isfinite(x1) || !std::isfinite(h)) {
        run.stop = ReferenceStop::NotFinite;
        run.stoppedAt = x1;
        return run;
    }
    run.values.reserve(static_cast<std::size_t>(rows));
    const bool plainIntegral = !slopeReadsY(equation);
    run.stop = withRightHandSide(equation.number, equation.own.get(), [&](const auto& f) {
        return plainIntegral ? integrate<DormandPrince54>(f, x1, y1, h, rows, control, run.values)
                             : integrate<Fehlberg78>(f, x1, y1, h, rows, control, run.values);
    });
    if (run.stop != ReferenceStop::None)
        run.stoppedAt = abscissa(x1, static_cast<std::int64_t>(run.values.size()), h);
    control.report(static_cast<std::int64_t>(run.values.size()), rows);
    return run;
}

} // namespace rk
