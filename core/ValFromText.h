#pragma once

#include <cstddef>
#include <string_view>

namespace rk {

// The number at the start of a typed text, as a Double; 0 when it has none.
//
// Accepted: leading blanks, an optional sign, digits with an optional
// decimal point, an optional exponent (e or E, optional sign, digits).
// Everything after that is ignored. Characters are first folded as
// foldToAscii folds them, so full-width forms, the minus sign U+2212 and
// the other blanks count as their ASCII forms. The result is the Double
// nearest to the number written, at any length of digits and exponent; a
// number past the Double range gives +/-infinity, one too small for it a
// signed zero. Never fails.
double valFromText(std::u16string_view text);

// The same number, and where it ends in the text: the index of the first
// UTF-16 unit after it, 0 when the text does not begin with a number.
struct LeadingNumber {
    double value;
    std::size_t end;
};
LeadingNumber readLeadingNumber(std::u16string_view text);

} // namespace rk
