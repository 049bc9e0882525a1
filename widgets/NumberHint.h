#pragma once
// What a learner is told when a number box's text is more, or less, than a
// number: the box still gives the leading number, as it always has, but a
// text such as 0,5 or 1/2 or pi would otherwise be read as something else
// without a word.

#include <QString>

namespace rk {

// Empty when the text is a number and nothing else; otherwise what it was
// read as, why, and how to type what was meant, in the user's language.
QString numberHint(const QString& text);

} // namespace rk
