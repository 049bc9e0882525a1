#include "core/TableauText.h"

#include "core/TextFold.h"

#include <charconv>
#include <optional>
#include <vector>

namespace rk {
namespace {

// A blank-separated piece of a line, with where it lies in the text.
struct Token {
    std::string_view text; // folded to ASCII
    std::size_t position;  // in the typed text
};

std::vector<Token> tokensOf(std::string_view folded, std::size_t offset)
{
    std::vector<Token> tokens;
    std::size_t at = 0;
    while (at < folded.size()) {
        if (folded[at] == ' ') {
            ++at;
            continue;
        }
        const std::size_t start = at;
        while (at < folded.size() && folded[at] != ' ')
            ++at;
        tokens.push_back({folded.substr(start, at - start), offset + start});
    }
    return tokens;
}

// Digits with a point or not: 2, 0.5, .5, 5.
std::optional<double> unsignedNumber(std::string_view text)
{
    bool digits = false;
    int points = 0;
    for (const char c : text) {
        if (c >= '0' && c <= '9')
            digits = true;
        else if (c == '.')
            ++points;
        else
            return std::nullopt;
    }
    if (!digits || points > 1)
        return std::nullopt;
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

struct Entry {
    double value = 0;
    std::optional<TableauProblem> problem;
};

// A number or a fraction, with a sign or not: -1/3, 0.5, +2.
Entry entryOf(std::string_view text)
{
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    const std::size_t bar = text.find('/');
    const auto numerator = unsignedNumber(text.substr(0, bar));
    std::optional<double> denominator = 1.0;
    if (bar != std::string_view::npos)
        denominator = unsignedNumber(text.substr(bar + 1));
    if (!numerator || !denominator)
        return {0, TableauProblem::NotANumber};
    if (*denominator == 0)
        return {0, TableauProblem::ZeroDenominator};
    const double quotient = *numerator / *denominator;
    return {negative ? -quotient : quotient, std::nullopt};
}

bool isRule(std::string_view folded)
{
    return folded.find_first_not_of(" -+=_|") == std::string_view::npos;
}

TableauError at(TableauProblem problem, int line, int entry, std::size_t position, std::size_t length)
{
    return {problem, line, entry, position, length};
}

} // namespace

std::variant<Tableau, TableauError> readTableau(std::u16string_view text)
{
    Tableau t;
    t.stages = 0;
    bool weights = false;
    int lineNumber = 0;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find(u'\n', start), text.size());
        ++lineNumber;
        std::string folded;
        for (std::size_t i = start; i < end; ++i)
            folded += foldToAscii(text[i]);
        const std::size_t lineStart = start;
        start = end + 1;
        if (isRule(folded))
            continue;
        const std::size_t bar = folded.find('|');
        if (bar == std::string::npos)
            return at(TableauProblem::MissingBar, lineNumber, 0, lineStart, folded.size());
        if (weights)
            return at(TableauProblem::WeightsNotLast, lineNumber, 0, lineStart, folded.size());
        const std::vector<Token> left = tokensOf(std::string_view(folded).substr(0, bar), lineStart);
        const std::vector<Token> right = tokensOf(std::string_view(folded).substr(bar + 1), lineStart + bar + 1);
        if (left.size() > 1)
            return at(TableauProblem::NotANumber, lineNumber, 0, left[1].position, left[1].text.size());
        weights = left.empty();
        const int stage = t.stages;
        if (!weights) {
            if (stage == kMaxStages)
                return at(TableauProblem::TooManyStages, lineNumber, 0, lineStart, folded.size());
            const Entry c = entryOf(left[0].text);
            if (c.problem)
                return at(*c.problem, lineNumber, 0, left[0].position, left[0].text.size());
            t.c[static_cast<std::size_t>(stage)] = c.value;
            ++t.stages;
        }
        for (std::size_t j = 0; j < right.size(); ++j) {
            const Entry a = entryOf(right[j].text);
            const int entry = static_cast<int>(j) + 1;
            if (a.problem)
                return at(*a.problem, lineNumber, entry, right[j].position, right[j].text.size());
            if (a.value == 0)
                continue;
            if (weights && static_cast<int>(j) >= t.stages)
                return at(TableauProblem::TooManyWeights, lineNumber, entry, right[j].position, right[j].text.size());
            if (!weights && static_cast<int>(j) >= stage)
                return at(TableauProblem::AboveDiagonal, lineNumber, entry, right[j].position, right[j].text.size());
            (weights ? t.b[j] : t.a[static_cast<std::size_t>(stage)][j]) = a.value;
        }
    }
    if (t.stages == 0 && !weights)
        return at(TableauProblem::Empty, 0, 0, 0, 0);
    if (!weights || t.stages == 0)
        return at(TableauProblem::MissingWeights, 0, 0, text.size(), 0);
    return t;
}

std::string tableauText(const Tableau& t)
{
    std::string text;
    for (int i = 0; i < t.stages; ++i) {
        const auto row = static_cast<std::size_t>(i);
        text += coefficientText(t.c[row]) + " |";
        for (std::size_t j = 0; j < row; ++j)
            text += " " + coefficientText(t.a[row][j]);
        text += '\n';
    }
    text += "--+--\n|";
    for (int i = 0; i < t.stages; ++i)
        text += " " + coefficientText(t.b[static_cast<std::size_t>(i)]);
    return text;
}

} // namespace rk
