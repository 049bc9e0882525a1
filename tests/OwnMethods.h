#pragma once
// Methods as a learner types them, for the tests of every layer.

#include "core/Methods.h"
#include "core/TableauText.h"

#include "tests/Utf16.h"

#include <memory>
#include <string>
#include <variant>

namespace rk::test {

inline const std::string kThreeEighthsRule =
    "0   |\n1/3 | 1/3\n2/3 | -1/3  1\n1   | 1  -1  1\n----+-----\n    | 1/8 3/8 3/8 1/8";
inline const std::string kRalston = "0 |\n2/3 | 2/3\n| 1/4 3/4";
inline const std::string kKuttaThird = "0 |\n1/2 | 1/2\n1 | -1 2\n| 1/6 2/3 1/6";
inline const std::string kClassical = "0 |\n1/2 | 1/2\n1/2 | 0 1/2\n1 | 0 0 1\n| 1/6 1/3 1/3 1/6";
inline const std::string kWeightsNineTenths = "0 |\n1/2 | 1/2\n| 0 0.9";

// The method as the editor makes it once accepted.
inline std::shared_ptr<const OwnMethod> typedMethod(const std::string& name, const std::string& text)
{
    const Tableau t = std::get<Tableau>(readTableau(utf16(text)));
    return std::make_shared<const OwnMethod>(name, text, t, checkOrder(t).promisedOrder());
}

} // namespace rk::test
