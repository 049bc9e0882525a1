#include "core/ExactSolution.h"

namespace rk {

std::optional<ClosedForm> ClosedForm::of(int equation, double x1, double y1)
{
    const EquationRow* row = equationRow(equation);
    if (!row || !row->closedForm)
        return std::nullopt;
    return ClosedForm(*row->closedForm, x1, y1);
}

std::optional<double> exactSolution(int equation, double x1, double y1, double x)
{
    if (const auto form = ClosedForm::of(equation, x1, y1))
        return (*form)(x);
    return std::nullopt;
}

std::optional<std::string> exactSolutionText(int equation, double x1, double y1)
{
    if (const auto form = ClosedForm::of(equation, x1, y1))
        return form->text();
    return std::nullopt;
}

} // namespace rk
