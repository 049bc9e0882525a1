#include "ui/ValFromText.h"

#include <charconv>
#include <cstddef>
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

} // namespace

double valFromText(std::string_view utf8)
{
    FoldedReader in(utf8);
    while (in.peek() == ' ' || in.peek() == '\t')
        in.advance();

    // The number is copied in its ASCII form, so the strict, locale-free
    // std::from_chars can read it and nothing beyond the grammar above.
    std::string ascii;
    bool negative = false;
    if (in.peek() == '+' || in.peek() == '-') {
        negative = in.peek() == '-';
        in.advance();
    }

    // Where the first significant digit stands, to tell an overflow from an
    // underflow when from_chars reports the result out of range.
    bool seenSignificant = false;
    long integerDigits = 0;
    long leadingFractionZeros = 0;

    while (isDigit(in.peek())) {
        if (in.peek() != '0' || seenSignificant) {
            seenSignificant = true;
            ++integerDigits;
        }
        ascii += in.peek();
        in.advance();
    }
    bool hasDigits = !ascii.empty();
    if (in.peek() == '.') {
        ascii += '.';
        in.advance();
        while (isDigit(in.peek())) {
            if (!seenSignificant) {
                if (in.peek() == '0')
                    ++leadingFractionZeros;
                else
                    seenSignificant = true;
            }
            ascii += in.peek();
            hasDigits = true;
            in.advance();
        }
    }
    if (!hasDigits)
        return 0.0;

    long exponent = 0;
    if (in.peek() == 'e' || in.peek() == 'E') {
        FoldedReader afterE = in;
        afterE.advance();
        bool negativeExponent = false;
        if (afterE.peek() == '+' || afterE.peek() == '-') {
            negativeExponent = afterE.peek() == '-';
            afterE.advance();
        }
        bool exponentDigits = false;
        while (isDigit(afterE.peek())) {
            exponentDigits = true;
            // Saturate: an exponent of a thousand digits is still just huge.
            if (exponent < 100000)
                exponent = exponent * 10 + (afterE.peek() - '0');
            afterE.advance();
        }
        // "1e" and "1e+" end before the e: the number is 1.
        if (exponentDigits) {
            if (negativeExponent)
                exponent = -exponent;
            ascii += 'e';
            ascii += std::to_string(exponent);
        }
    }

    double magnitude = 0.0;
    const auto result = std::from_chars(ascii.data(), ascii.data() + ascii.size(), magnitude);
    if (result.ec == std::errc::result_out_of_range) {
        const long leadExponent = exponent + (integerDigits > 0 ? integerDigits : -leadingFractionZeros);
        magnitude = leadExponent > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return negative ? -magnitude : magnitude;
}

} // namespace rk
