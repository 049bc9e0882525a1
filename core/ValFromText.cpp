#include "core/ValFromText.h"

#include "core/TextFold.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdint>
#include <limits>
#include <string>

namespace rk {
namespace {

// from_chars leaves the value alone when the number is past the range of a
// Double, so which side it lies on is read from the text: the place of the
// first significant digit, moved by the exponent. Far above the range that
// is above the point, far below it well under; exactness does not matter.
double beyondRange(std::string_view number)
{
    const std::size_t e = std::min(number.find_first_of("eE"), number.size());
    const std::string_view mantissa = number.substr(0, e);
    const auto point = static_cast<std::int64_t>(std::min(mantissa.find('.'), mantissa.size()));
    // There is a nonzero digit: a zero is never out of range.
    const auto first = static_cast<std::int64_t>(mantissa.find_first_not_of("0."));
    std::int64_t exponent = 0;
    if (e < number.size()) {
        std::string_view digits = number.substr(e + 1);
        if (digits.front() == '+')
            digits.remove_prefix(1);
        // An exponent past 64 bits only says which way it points.
        if (std::from_chars(digits.data(), digits.data() + digits.size(), exponent).ec ==
            std::errc::result_out_of_range)
            exponent = digits.front() == '-' ? std::numeric_limits<std::int64_t>::min()
                                             : std::numeric_limits<std::int64_t>::max();
    }
    // Compared, not added, so that no exponent can overflow.
    return exponent > first - point ? std::numeric_limits<double>::infinity() : 0.0;
}

} // namespace

LeadingNumber readLeadingNumber(std::u16string_view text)
{
    std::string ascii(text.size(), '\0');
    std::transform(text.begin(), text.end(), ascii.begin(), foldToAscii);
    std::string_view in = ascii;
    in.remove_prefix(std::min(in.find_first_not_of(' '), in.size()));

    const bool negative = !in.empty() && in.front() == '-';
    if (!in.empty() && (negative || in.front() == '+'))
        in.remove_prefix(1);
    // from_chars would also take a second sign, "inf" and "nan".
    if (in.empty() || !(std::isdigit(static_cast<unsigned char>(in.front())) || in.front() == '.'))
        return {0.0, 0};

    double magnitude = 0.0;
    const auto [end, error] = std::from_chars(in.data(), in.data() + in.size(), magnitude);
    if (error == std::errc::invalid_argument) // "." with no digits
        return {0.0, 0};
    if (error == std::errc::result_out_of_range)
        magnitude = beyondRange(in.substr(0, static_cast<std::size_t>(end - in.data())));
    return {negative ? -magnitude : magnitude, static_cast<std::size_t>(end - ascii.data())};
}

double valFromText(std::u16string_view text) { return readLeadingNumber(text).value; }

} // namespace rk
