#pragma once
// The methods' names in the user's language, one place for the menus, the
// explanations and the comparison.

#include "core/Methods.h"

#include <QString>

namespace rk {

// "Euler", "Heun", "Midpoint", "Runge–Kutta"; an own method's name as typed.
QString methodName(const MethodInfo& method);
inline QString methodName(Method method) { return methodName(methodInfo(method)); }

// What a run at `h` with `method` is called in the window's heading:
// "Heun Method, h = 0.1", as the design heads its own "Runge Kutta Method".
QString methodHeading(const MethodInfo& method, double h);
inline QString methodHeading(Method method, double h) { return methodHeading(methodInfo(method), h); }

} // namespace rk
