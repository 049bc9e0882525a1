#pragma once
// How the messages write numbers: alike in every language and locale, with
// the decimal point the window reads and lists.

#include <QString>

#include <charconv>
#include <cstdint>

namespace rk {

// The shortest text that reads back as d.
inline QString shortest(double d)
{
    char buffer[32];
    const char* end = std::to_chars(buffer, buffer + sizeof buffer, d).ptr;
    return QString::fromLatin1(buffer, end - buffer);
}

// Thousands grouped with commas; the sign stays in front of the digits.
inline QString grouped(std::int64_t n)
{
    QString digits = QString::number(n);
    const qsizetype first = digits.startsWith('-') ? 1 : 0;
    for (qsizetype at = digits.size() - 3; at > first; at -= 3)
        digits.insert(at, ',');
    return digits;
}

} // namespace rk
