#include "ui/Value.h"

#include "ui/ValFromText.h"

#include <charconv>

namespace rk {

double Value::stringToDouble() const
{
    return valFromText(stringValue());
}

std::string toText(const Value& v)
{
    switch (v.kind()) {
    case Value::Kind::Empty: return {};
    case Value::Kind::Integer:
    case Value::Kind::Long: return std::to_string(v.wholeValue());
    case Value::Kind::String: return v.stringValue();
    case Value::Kind::Double: break;
    }
    char buffer[32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, v.doubleValue()).ptr;
    return std::string(buffer, end);
}

Value join(const Value& a, const Value& b)
{
    return Value(toText(a) + toText(b));
}

} // namespace rk
