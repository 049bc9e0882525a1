#pragma once
// A tableau as a learner types it, in rows of text laid out as the books
// print it: each stage a line "c_i | a_i1 a_i2 …", the weights last as
// "| b_1 … b_s". Entries are numbers or fractions (0.5, 1/3, -1/3), apart
// by blanks; a line of dashes under the stages, and blank lines, are left
// alone. Rows of text rather than a grid: a textbook's tableau is typed or
// pasted as it stands, and a refusal can name its line and entry.
//
// 0   |
// 1/3 | 1/3
// 2/3 | -1/3  1
// 1   | 1  -1  1
// ----+-------------------
//     | 1/8  3/8  3/8  1/8

#include "core/Tableau.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <variant>

namespace rk {

enum class TableauProblem {
    Empty,          // nothing typed
    MissingBar,     // a line without the | between c and the row of A
    NotANumber,     // an entry that is no number or fraction
    ZeroDenominator,
    AboveDiagonal,  // a non-zero a_ij with j >= i: a stage would need its own slope or a later one
    TooManyStages,  // a seventh stage
    WeightsNotLast, // a stage after the weights' line
    MissingWeights, // no line "| b_1 … b_s"
    TooManyWeights, // a non-zero weight past the last stage
};

struct TableauError {
    TableauProblem problem;
    int line = 0;              // counted from 1 as typed; 0 for the whole text
    int entry = 0;             // counted from 1 right of the bar; 0 for c or the whole line
    std::size_t position = 0;  // in the text, in UTF-16 units, for marking
    std::size_t length = 0;
};

std::variant<Tableau, TableauError> readTableau(std::u16string_view text);

// The text that reads back as `t`, fractions where they are exact.
std::string tableauText(const Tableau& t);

} // namespace rk
