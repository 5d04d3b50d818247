// The user criterion: an expression over the varied parameters, named by the letters
// a, b, c, d, f, g, h, ... in the order they were registered ("e" is skipped).
#pragma once

#include <string>
#include <vector>

#include "core/expression.h"
#include "core/real48.h"

namespace velmar {

inline constexpr const char* kNoError = "No Error";
inline constexpr const char* kDefaultUserExpression = "a^2";

// The letters of the first `count` varied parameters.
std::vector<std::string> criterionLetters(int count);

class UserCriterion {
public:
    // Parses `expression` over `letters`; returns "No Error" or the parser's message.
    std::string compile(const std::string& expression, const std::vector<std::string>& letters);
    bool compiled() const;

    // The value for the letters' values, in order; raises MathError when the expression
    // cannot be evaluated. Needs a successful compile.
    Extended evaluate(const std::vector<Extended>& values);

private:
    Expression expression_;
};

}  // namespace velmar
