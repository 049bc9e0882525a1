#pragma once
// What a typed character stands for. The number boxes and the equation
// reader both read ASCII; a Japanese input method types full-width forms,
// other keyboards a true minus sign or a times sign, and a pasted text may
// carry line ends and other blanks. Folding one UTF-16 unit at a time keeps
// every position that of the typed text.

namespace rk {

// Blanks become ' ', full-width forms their ASCII letters, the mathematical
// signs the ASCII operators; anything else outside printable ASCII '\x7f'.
constexpr char foldToAscii(char16_t u)
{
    if (u >= 0x20 && u < 0x7f)
        return static_cast<char>(u);
    if (u >= 0xFF01 && u <= 0xFF5E) // full-width forms
        return static_cast<char>(u - 0xFF01 + 0x21);
    switch (u) {
    case u'\t': case u'\n': case u'\r':
    case u'\u00A0': case u'\u2009': case u'\u202F': case u'\u3000': return ' ';
    case u'\u00B7': case u'\u22C5': case u'\u00D7': return '*';
    case u'\u2212': return '-';
    case u'\u00F7': return '/';
    default: return '\x7f';
    }
}

} // namespace rk
