#include "core/Tableau.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <numeric>
#include <optional>
#include <string_view>
#include <vector>

namespace rk {

double StabilityFunction::magnitudeAt(std::complex<double> z) const
{
    std::complex<double> value = coefficients[static_cast<std::size_t>(degree)];
    for (int k = degree - 1; k >= 0; --k)
        value = value * z + coefficients[static_cast<std::size_t>(k)];
    return std::abs(value);
}

StabilityFunction stabilityFunction(const Tableau& t)
{
    StabilityFunction r;
    r.coefficients[0] = 1;
    std::array<double, kMaxStages> power{}; // A^k·1
    for (int i = 0; i < t.stages; ++i)
        power[static_cast<std::size_t>(i)] = 1;
    for (int k = 0; k < t.stages; ++k) {
        double coefficient = 0;
        for (int i = 0; i < t.stages; ++i)
            coefficient += t.b[static_cast<std::size_t>(i)] * power[static_cast<std::size_t>(i)];
        r.coefficients[static_cast<std::size_t>(k + 1)] = coefficient;
        if (coefficient != 0)
            r.degree = k + 1;
        std::array<double, kMaxStages> next{};
        for (int i = 0; i < t.stages; ++i)
            for (int j = 0; j < i; ++j)
                next[static_cast<std::size_t>(i)] += t.a[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)] *
                                                     power[static_cast<std::size_t>(j)];
        power = next;
    }
    return r;
}

namespace {

// The rooted trees up to five nodes, each node written as its children in
// parentheses, grouped by order. A tree stands for the condition
// Σ_i b_i·Φ_i = 1/γ, where Φ_i multiplies, over the root's children, c_i for
// a leaf and Σ_j a_ij·Φ_j for a larger child, and γ is the tree's size times
// its children's γ.
constexpr std::array<std::string_view, 17> kTrees{
    "()",
    "(())",
    "(()())", "((()))",
    "(()()())", "(()(()))", "((()()))", "(((())))",
    "(()()()())", "(()()(()))", "(()(()()))", "(()((())))", "((())(()))",
    "((()()()))", "((()(())))", "(((()())))", "((((()))))",
};

struct TreeValue {
    std::array<double, kMaxStages> phi{};
    int nodes = 1;
    double gamma = 1;
};

// Reads one node at the front of `text` and its subtree.
TreeValue evaluate(const Tableau& t, std::string_view& text)
{
    text.remove_prefix(1); // '('
    TreeValue value;
    value.phi.fill(1);
    while (text.front() == '(') {
        const bool leaf = text[1] == ')';
        const TreeValue child = evaluate(t, text);
        for (std::size_t i = 0; i < kMaxStages; ++i) {
            double factor = t.c[i];
            if (!leaf) {
                factor = 0;
                for (std::size_t j = 0; j < i; ++j)
                    factor += t.a[i][j] * child.phi[j];
            }
            value.phi[i] *= factor;
        }
        value.nodes += child.nodes;
        value.gamma *= child.gamma;
    }
    text.remove_prefix(1); // ')'
    value.gamma *= value.nodes;
    return value;
}

// Typed fractions are rounded to doubles, so a condition holds when it is
// met to far better than any typed digits could miss it by.
bool nearlyEqual(double value, double want, double size)
{
    return std::fabs(value - want) <= 1e-12 * std::max(1.0, size);
}

} // namespace

OrderCheck checkOrder(const Tableau& t)
{
    OrderCheck check;
    for (int i = 0; i < t.stages; ++i)
        check.weightSum += t.b[static_cast<std::size_t>(i)];
    for (std::string_view tree : kTrees) {
        const auto order = static_cast<std::size_t>(std::count(tree.begin(), tree.end(), '('));
        std::string_view text = tree;
        const TreeValue value = evaluate(t, text);
        double sum = 0, size = 0;
        for (std::size_t i = 0; i < static_cast<std::size_t>(t.stages); ++i) {
            sum += t.b[i] * value.phi[i];
            size += std::fabs(t.b[i] * value.phi[i]);
        }
        if (!nearlyEqual(sum, 1 / value.gamma, size))
            ++check.failing[order];
    }
    while (check.order < kMaxCheckedOrder && check.failing[static_cast<std::size_t>(check.order + 1)] == 0)
        ++check.order;
    for (int i = 0; i < t.stages && check.rowSumMismatch < 0; ++i) {
        double sum = 0, size = 0;
        for (int j = 0; j < i; ++j) {
            sum += t.a[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)];
            size += std::fabs(t.a[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)]);
        }
        if (!nearlyEqual(sum, t.c[static_cast<std::size_t>(i)], size)) {
            check.rowSumMismatch = i;
            check.rowSum = sum;
        }
    }
    return check;
}

namespace {

struct Fraction {
    std::int64_t numerator, denominator;
};

constexpr std::int64_t kMostDenominator = 1000;

// The fraction whose quotient in doubles is `value` exactly, with the least
// denominator up to kMostDenominator: 1/3 for the double nearest a third.
std::optional<Fraction> fractionOf(double value)
{
    if (!std::isfinite(value) || std::fabs(value) > 1e12)
        return std::nullopt;
    for (std::int64_t q = 1; q <= kMostDenominator; ++q) {
        const std::int64_t p = std::llround(value * static_cast<double>(q));
        if (static_cast<double>(p) / static_cast<double>(q) == value)
            return Fraction{p, q};
    }
    return std::nullopt;
}

std::string shortestText(double value)
{
    char buffer[32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    return std::string(buffer, end);
}

const std::string kMinus = "\u2212";
const std::string kTimes = "\u00B7";

std::string slope(int j) { return "k" + std::to_string(j + 1); }

// Coefficients over one denominator where they all are small fractions,
// else as they are: 3/8 and 1/8 as 3 and 1 over 8.
struct Weights {
    std::vector<double> numerators; // as whole numbers when denominator > 0
    std::int64_t denominator = 1;   // 0: no common one, numerators are the coefficients
};

Weights overOneDenominator(const std::vector<double>& coefficients)
{
    Weights weights;
    std::vector<Fraction> fractions;
    for (const double value : coefficients) {
        const auto fraction = fractionOf(value);
        if (!fraction) {
            weights.numerators = coefficients;
            weights.denominator = 0;
            return weights;
        }
        fractions.push_back(*fraction);
        weights.denominator = std::lcm(weights.denominator, fraction->denominator);
        if (weights.denominator > kMostDenominator * kMostDenominator) {
            weights.numerators = coefficients;
            weights.denominator = 0;
            return weights;
        }
    }
    for (const Fraction& f : fractions)
        weights.numerators.push_back(static_cast<double>(f.numerator * (weights.denominator / f.denominator)));
    return weights;
}

std::string magnitudeText(double value) { return shortestText(std::fabs(value)); }

// "2·k1", "k3", "0.25·k2": the sign is the caller's.
std::string term(double weight, const std::string& what)
{
    return std::fabs(weight) == 1 ? what : magnitudeText(weight) + kTimes + what;
}

// Joins signed parts: "a + b − c", a leading minus as "−a".
std::string signedSum(const std::vector<std::pair<bool, std::string>>& parts)
{
    std::string text;
    for (std::size_t n = 0; n < parts.size(); ++n) {
        const bool negative = parts[n].first;
        if (n == 0)
            text += negative ? kMinus : "";
        else
            text += negative ? " " + kMinus + " " : " + ";
        text += parts[n].second;
    }
    return text;
}

std::string over(std::int64_t denominator)
{
    return denominator > 1 ? "/" + std::to_string(denominator) : std::string();
}

} // namespace

std::string coefficientText(double value)
{
    if (const auto fraction = fractionOf(value))
        return std::to_string(fraction->numerator) + over(fraction->denominator);
    return shortestText(value);
}

std::string stageFormula(const Tableau& t, int i)
{
    const auto row = static_cast<std::size_t>(i);
    std::string x = "x";
    if (const double c = t.c[row]; c != 0) {
        const std::string sign = c < 0 ? " " + kMinus + " " : " + ";
        if (const auto fraction = fractionOf(c)) {
            const std::int64_t p = fraction->numerator < 0 ? -fraction->numerator : fraction->numerator;
            x += sign + (p == 1 ? std::string() : std::to_string(p)) + "h" + over(fraction->denominator);
        } else {
            x += sign + magnitudeText(c) + kTimes + "h";
        }
    }

    std::vector<double> coefficients;
    std::vector<int> stages;
    for (int j = 0; j < i; ++j)
        if (t.a[row][static_cast<std::size_t>(j)] != 0) {
            coefficients.push_back(t.a[row][static_cast<std::size_t>(j)]);
            stages.push_back(j);
        }
    std::string y = "y";
    if (!coefficients.empty()) {
        const Weights weights = overOneDenominator(coefficients);
        std::vector<std::pair<bool, std::string>> parts;
        for (std::size_t n = 0; n < stages.size(); ++n)
            parts.emplace_back(weights.numerators[n] < 0, term(weights.numerators[n], slope(stages[n])));
        const std::string tail = kTimes + "h" + over(weights.denominator);
        if (parts.size() == 1)
            y += (parts[0].first ? " " + kMinus + " " : " + ") + parts[0].second + tail;
        else
            y += " + (" + signedSum(parts) + ")" + tail;
    }
    return "f(" + x + ", " + y + ")";
}

std::string nextFormula(const Tableau& t)
{
    std::vector<double> coefficients;
    std::vector<int> stages;
    for (int i = 0; i < t.stages; ++i)
        if (t.b[static_cast<std::size_t>(i)] != 0) {
            coefficients.push_back(t.b[static_cast<std::size_t>(i)]);
            stages.push_back(i);
        }
    if (coefficients.empty())
        return "y";
    const Weights weights = overOneDenominator(coefficients);
    // Slopes of equal weight in one group, the groups in the order of their
    // first slope: (k1 + k4) + 2·(k2 + k3).
    std::vector<double> groupWeights;
    std::vector<std::vector<int>> groups;
    for (std::size_t n = 0; n < stages.size(); ++n) {
        const auto found = std::find(groupWeights.begin(), groupWeights.end(), weights.numerators[n]);
        if (found == groupWeights.end()) {
            groupWeights.push_back(weights.numerators[n]);
            groups.push_back({stages[n]});
        } else {
            groups[static_cast<std::size_t>(found - groupWeights.begin())].push_back(stages[n]);
        }
    }
    std::vector<std::pair<bool, std::string>> parts;
    for (std::size_t g = 0; g < groups.size(); ++g) {
        std::string members;
        for (std::size_t m = 0; m < groups[g].size(); ++m)
            members += (m ? " + " : "") + slope(groups[g][m]);
        const bool several = groups[g].size() > 1;
        const bool one = std::fabs(groupWeights[g]) == 1;
        if (several && (!one || groups.size() > 1))
            members = "(" + members + ")";
        parts.emplace_back(groupWeights[g] < 0, one ? members : magnitudeText(groupWeights[g]) + kTimes + members);
    }
    std::string sum = signedSum(parts);
    const bool compound =
        parts.size() > 1 || parts[0].first || (groups[0].size() > 1 && std::fabs(groupWeights[0]) == 1);
    if (compound)
        sum = "(" + sum + ")";
    return "y + h" + kTimes + sum + over(weights.denominator);
}

} // namespace rk
