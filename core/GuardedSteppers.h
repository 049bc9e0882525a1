#pragma once
// Boost.Odeint's controlled steppers for the computed reference, with two
// guards that their defaults lack. Included by the computed reference only:
// Odeint's headers are not the rest of the program's concern.

#include <boost/numeric/odeint.hpp>

#include <cfloat>
#include <cmath>
#include <limits>
#include <type_traits>

namespace rk {

namespace odeint = boost::numeric::odeint;

// Eighth order for the accuracy at a step or so per row. Its error estimate
// weighs the first slope against the twelfth and the eleventh against the
// thirteenth, taken at the same x: where the slope does not depend on y the
// two are equal and the estimate is 0 whatever the step, so such an
// equation, a plain integral, goes to the Dormand-Prince 5(4) pair instead.
using Fehlberg78 = odeint::runge_kutta_fehlberg78<double>;
using DormandPrince54 = odeint::runge_kutta_dopri5<double>;
static_assert(std::is_same_v<Fehlberg78::algebra_type, DormandPrince54::algebra_type> &&
              std::is_same_v<Fehlberg78::operations_type, DormandPrince54::operations_type>);

// Odeint takes a step when its error estimate is not above 1, and NaN is
// not: a trial step through a slope with no value would be taken, NaN and
// all. Such an estimate counts as too large instead, so that the step
// shrinks towards where the slopes have values.
class FiniteErrorChecker
    : public odeint::default_error_checker<double, Fehlberg78::algebra_type, Fehlberg78::operations_type> {
public:
    using default_error_checker::default_error_checker;

    template <class State, class Deriv, class Err, class Time>
    double error(Fehlberg78::algebra_type& algebra, const State& x, const Deriv& dxdt, Err& xErr, Time dt) const
    {
        const double e = default_error_checker::error(algebra, x, dxdt, xErr, dt);
        return std::isfinite(e) ? e : std::numeric_limits<double>::infinity();
    }
};

// Thrown when the step has shrunk to nothing.
struct StepVanished {};

// Failed steps shrink the step fivefold, and Odeint gives up only after 500
// failures in a row: from 0.05 the step underflows to 0 after about 460.
// With a step of 0, Odeint takes the next observation point as reached and
// hands over the state of the point before it. The step stops short of that.
class FlooredStepAdjuster : public odeint::default_step_adjuster<double, double> {
public:
    double decrease_step(double dt, double error, int errorOrder) const
    {
        dt = default_step_adjuster::decrease_step(dt, error, errorOrder);
        if (std::fabs(dt) < DBL_MIN)
            throw StepVanished{};
        return dt;
    }
};

template <class ErrorStepper>
using Guarded = odeint::controlled_runge_kutta<ErrorStepper, FiniteErrorChecker, FlooredStepAdjuster>;

} // namespace rk
