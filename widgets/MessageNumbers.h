#pragma once
// How the messages write numbers: alike in every language and locale, with
// the decimal point the window reads and lists.

#include <QLocale>
#include <QString>

#include <charconv>
#include <cstdint>

namespace rk {

// The shortest text that reads back as d. QString::number(d, 'g',
// QLocale::FloatingPointShortest) would drop the sign of -0 and write
// 1.2345678901234568e20 as 123456789012345680000 (to_chars: ...683968).
inline QString shortest(double d)
{
    char buffer[32];
    const char* end = std::to_chars(buffer, buffer + sizeof buffer, d).ptr;
    return QString::fromLatin1(buffer, end - buffer);
}

// Thousands grouped with commas; the sign stays in front of the digits.
inline QString grouped(std::int64_t n)
{
    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::DefaultNumberOptions); // the C locale leaves out group separators unless told
    return c.toString(static_cast<qlonglong>(n));
}

} // namespace rk
