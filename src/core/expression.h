// An expression a person types: a formula over named variables in the parser's
// language (+ - * / ^, sin, cos, tan, exp, ln, log, sqrt, abs, min, max, the constants
// _pi and _e, ...). The optimisation's user criterion and the user-function block both
// use it; the parser stays behind this interface.
#pragma once

#include <memory>
#include <span>
#include <string>
#include <vector>

#include "core/real48.h"

namespace velmar {

class Expression {
public:
    Expression();
    ~Expression();
    Expression(const Expression&) = delete;
    Expression& operator=(const Expression&) = delete;

    // Parses `text` over `variables`; returns the parser's message when it cannot be
    // understood (the expression is then not compiled), or an empty text.
    std::string compile(const std::string& text, const std::vector<std::string>& variables);
    bool compiled() const;

    // The value for the variables' values, in order; raises MathError when the
    // expression cannot be evaluated or was not compiled.
    Extended evaluate(std::span<const Extended> values);

private:
    struct Parser;
    std::unique_ptr<Parser> parser_;
};

}  // namespace velmar
