#include "widgets/MethodNames.h"

#include "widgets/MessageNumbers.h"

#include <QCoreApplication>

#include <array>

namespace rk {
namespace {

// The built-in rows' names in the table's order, for the translators.
constexpr std::array<const char*, kMethods.size()> kNames{
    QT_TRANSLATE_NOOP("MethodNames", "Euler"),
    QT_TRANSLATE_NOOP("MethodNames", "Heun"),
    QT_TRANSLATE_NOOP("MethodNames", "Midpoint"),
    QT_TRANSLATE_NOOP("MethodNames", "Runge–Kutta"),
};

} // namespace

QString methodName(const MethodInfo& method)
{
    if (method.method == Method::Own)
        return QString::fromUtf8(method.name.data(), static_cast<qsizetype>(method.name.size()));
    return QCoreApplication::translate("MethodNames", kNames[static_cast<std::size_t>(method.method)]);
}

QString methodHeading(const MethodInfo& method, double h)
{
    if (method.method == Method::Own)
        //: %1 is the name the learner gave their own method, %2 the step, e.g. "3/8 rule (own method), h = 0.05".
        return QCoreApplication::translate("MethodNames", "%1 (own method), h = %2")
            .arg(methodName(method), shortest(h));
    //: %1 is the method's name, %2 the step, e.g. "Heun Method, h = 0.1".
    return QCoreApplication::translate("MethodNames", "%1 Method, h = %2").arg(methodName(method), shortest(h));
}

} // namespace rk
