#pragma once
// Expected table text written with printf, apart from the program's own
// formatting: fixed decimals, and no minus sign on a value that reads as zero.

#include <cstdio>
#include <string>

namespace rk {

inline std::string printfFixed(double v, int decimals)
{
    char buffer[400];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, v);
    std::string s = buffer;
    if (s[0] == '-' && s.find_first_not_of("0.", 1) == std::string::npos)
        s.erase(0, 1);
    return s;
}

} // namespace rk
