#include "equations/Catalogue.h"

#include "ui/Trig.h"

namespace rk {

Value f(const Value& eqNo, const Value& x, const Value& y)
{
    static const Value two = Value::integer(2);
    static const Value four = Value::integer(4);

    // Empty equals none of the numbers, so no selection gives Empty.
    if (equalsInteger(eqNo, 1))
        return -y;
    if (equalsInteger(eqNo, 2))
        return x - y;
    if (equalsInteger(eqNo, 3))
        return two;
    if (equalsInteger(eqNo, 4)) {
        const Value p = four * x;
        return Value(sine(p.toDouble()));
    }
    if (equalsInteger(eqNo, 5)) {
        const Value p = four * x;
        const Value c(cosine(p.toDouble()));
        const Value m = x * c;
        return m - y;
    }
    if (equalsInteger(eqNo, 6)) {
        const Value a = x + y;
        const Value s(sine(a.toDouble()));
        const Value d = x / two;
        return d - s;
    }
    return Value();
}

} // namespace rk
