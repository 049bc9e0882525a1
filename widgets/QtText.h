#pragma once
// The program keeps its texts as UTF-8; Qt wants QString.

#include <QString>

#include <string_view>

namespace rk {

inline QString toQString(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

} // namespace rk
