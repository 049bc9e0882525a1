#pragma once
// The solution in closed form of a built-in equation that has one, through
// a run's start, for measuring how far the run's rows are from the truth.
// Each equation's formula is its row's in core/Catalogue.h.

#include "core/Catalogue.h"

#include <optional>
#include <string>

namespace rk {

class ClosedForm {
public:
    // None for equation 6, an own equation or none chosen.
    static std::optional<ClosedForm> of(int equation, double x1, double y1);

    double operator()(double x) const { return rule_->value(x, x1_, c_); }

    // In UTF-8 with the run's numbers in, e.g. "y = 1·e^(−(x − 0))".
    std::string text() const { return rule_->text(x1_, c_); }

private:
    ClosedForm(const ClosedFormRule& rule, double x1, double y1) : rule_(&rule), x1_(x1), c_(rule.constant(x1, y1)) {}

    const ClosedFormRule* rule_;
    double x1_;
    double c_; // y1, or the constant that y1 and x1 make together
};

// y(x) of equation `equation` through (x1, y1), where it has a closed form.
std::optional<double> exactSolution(int equation, double x1, double y1, double x);

// Its text, as ClosedForm::text.
std::optional<std::string> exactSolutionText(int equation, double x1, double y1);

} // namespace rk
