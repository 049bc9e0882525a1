#include "core/ValFromText.h"

#include <charconv>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>

namespace rk {
namespace {

// Reads one character of UTF-8 text and folds the full-width forms
// (U+FF01..U+FF5E) and the ideographic space onto ASCII. Characters that
// matter to a number all fold to ASCII; anything else becomes '\x7f', which
// no rule accepts.
class FoldedReader {
public:
    explicit FoldedReader(std::string_view text) : text_(text) {}

    char peek() const { return pos_ < text_.size() ? fold(pos_, nullptr) : '\0'; }
    bool atEnd() const { return pos_ >= text_.size(); }
    void advance()
    {
        std::size_t length = 1;
        fold(pos_, &length);
        pos_ += length;
    }

private:
    char fold(std::size_t at, std::size_t* length) const
    {
        const auto byte = [&](std::size_t i) {
            return at + i < text_.size() ? static_cast<unsigned char>(text_[at + i]) : 0u;
        };
        const unsigned lead = byte(0);
        if (lead < 0x80) {
            if (length) *length = 1;
            return static_cast<char>(lead);
        }
        // Three-byte sequences: U+3000 is E3 80 80, U+FF01..U+FF5E are
        // EF BC 81..EF BD 9E.
        if (lead == 0xE3 && byte(1) == 0x80 && byte(2) == 0x80) {
            if (length) *length = 3;
            return ' ';
        }
        if (lead == 0xEF && (byte(1) == 0xBC || byte(1) == 0xBD) && (byte(2) & 0xC0) == 0x80) {
            const unsigned codePoint = 0xF000u | ((byte(1) & 0x3Fu) << 6) | (byte(2) & 0x3Fu);
            if (codePoint >= 0xFF01 && codePoint <= 0xFF5E) {
                if (length) *length = 3;
                return static_cast<char>(codePoint - 0xFF01 + 0x21);
            }
        }
        if (length) *length = 1; // a lone or foreign byte: step over it
        return '\x7f';
    }

    std::string_view text_;
    std::size_t pos_ = 0;
};

bool isDigit(char c) { return c >= '0' && c <= '9'; }

constexpr std::int64_t kExponentCap = 100'000'000'000'000'000; // 10^17

} // namespace

double valFromText(std::string_view utf8)
{
    FoldedReader in(utf8);
    while (in.peek() == ' ' || in.peek() == '\t')
        in.advance();

    bool negative = false;
    if (in.peek() == '+' || in.peek() == '-') {
        negative = in.peek() == '-';
        in.advance();
    }

    // The number is kept as 0.<significant digits> times ten to the power
    // `lead` + the written exponent: leading zeros dropped, the point
    // folded into `lead`. Every digit is kept, however many there are, so
    // that the last one can still decide the rounding.
    std::string significant;
    std::int64_t lead = 0;
    bool hasDigits = false;
    while (isDigit(in.peek())) {
        hasDigits = true;
        if (in.peek() != '0' || !significant.empty()) {
            significant += in.peek();
            ++lead;
        }
        in.advance();
    }
    if (in.peek() == '.') {
        in.advance();
        while (isDigit(in.peek())) {
            hasDigits = true;
            if (in.peek() != '0' || !significant.empty())
                significant += in.peek();
            else
                --lead;
            in.advance();
        }
    }
    if (!hasDigits)
        return 0.0;

    std::int64_t exponent = 0;
    if (in.peek() == 'e' || in.peek() == 'E') {
        FoldedReader afterE = in;
        afterE.advance();
        bool negativeExponent = false;
        if (afterE.peek() == '+' || afterE.peek() == '-') {
            negativeExponent = afterE.peek() == '-';
            afterE.advance();
        }
        while (isDigit(afterE.peek())) {
            // Past the cap only the sign of the exponent still matters: the
            // digits of a text held in memory number far fewer than the cap
            // (under 2^48), so `lead` can never bring a capped exponent back
            // near the range of a Double, whichever way it points.
            if (exponent < kExponentCap)
                exponent = exponent * 10 + (afterE.peek() - '0');
            afterE.advance();
        }
        // "1e" and "1e+" end before the e: the number is 1.
        if (negativeExponent)
            exponent = -exponent;
    }

    double magnitude = 0.0;
    while (!significant.empty() && significant.back() == '0')
        significant.pop_back();
    const std::int64_t scale = lead + exponent;
    // 0.1e310 is past the largest Double (1.8e308) and 0.9e-324 rounds to
    // zero (the smallest is 4.9e-324), so only the scales between are read.
    if (significant.empty() || scale < -323)
        magnitude = 0.0;
    else if (scale > 309)
        magnitude = std::numeric_limits<double>::infinity();
    else {
        // std::from_chars is strict, locale-free and correctly rounded at any
        // number of digits.
        std::string ascii = "0.";
        ascii += significant;
        ascii += 'e';
        ascii += std::to_string(scale);
        const auto result = std::from_chars(ascii.data(), ascii.data() + ascii.size(), magnitude);
        if (result.ec == std::errc::result_out_of_range)
            magnitude = scale > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return negative ? -magnitude : magnitude;
}

} // namespace rk
