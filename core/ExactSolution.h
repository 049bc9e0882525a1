#pragma once
// The solutions in closed form of the built-in equations that have one, for
// measuring how far a run's rows are from the truth.

#include <optional>
#include <string>

namespace rk {

// The solution of equation 1 to 5 through (x1, y1). Its constant, which
// depends on the start only, is worked out once, so a whole run's rows cost
// one evaluation each; the text shows that same constant, so what a learner
// reads is what the values were computed from.
class ClosedForm {
public:
    // None for equation 6, an own equation or none chosen.
    static std::optional<ClosedForm> of(int equation, double x1, double y1);

    double operator()(double x) const;

    // In UTF-8 with the run's numbers in, e.g. "y = 1·e^(−(x − 0))".
    std::string text() const;

private:
    ClosedForm(int equation, double x1, double c) : equation_(equation), x1_(x1), c_(c) {}

    int equation_;
    double x1_;
    double c_; // y1, or the constant that y1 and x1 make together
};

// y(x) of equation `equation` through (x1, y1), where it has a closed form.
std::optional<double> exactSolution(int equation, double x1, double y1, double x);

// Its text, as ClosedForm::text.
std::optional<std::string> exactSolutionText(int equation, double x1, double y1);

} // namespace rk
