#pragma once
// Expected table text written apart from the program's own formatting: fixed
// decimals, correctly rounded, and no minus sign on a value that reads as zero.
// std::to_chars gives the same digits as printf in the C locale, whatever
// locale the test runs under.

#include <charconv>
#include <string>

namespace rk {

inline std::string printfFixed(double v, int decimals)
{
    char buffer[400];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, v, std::chars_format::fixed, decimals).ptr;
    std::string s(buffer, end);
    if (s[0] == '-' && s.find_first_not_of("0.", 1) == std::string::npos)
        s.erase(0, 1);
    return s;
}

} // namespace rk
