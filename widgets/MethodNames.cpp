#include "widgets/MethodNames.h"

#include "widgets/MessageNumbers.h"

#include <QCoreApplication>

namespace rk {

QString methodName(Method method)
{
    switch (method) {
    case Method::Euler: return QCoreApplication::translate("MethodNames", "Euler");
    case Method::Heun: return QCoreApplication::translate("MethodNames", "Heun");
    case Method::Midpoint: return QCoreApplication::translate("MethodNames", "Midpoint");
    case Method::RungeKutta: break;
    }
    return QCoreApplication::translate("MethodNames", "Runge–Kutta");
}

QString methodHeading(Method method, double h)
{
    //: %1 is the method's name, %2 the step, e.g. "Heun Method, h = 0.1".
    return QCoreApplication::translate("MethodNames", "%1 Method, h = %2").arg(methodName(method), shortest(h));
}

} // namespace rk
