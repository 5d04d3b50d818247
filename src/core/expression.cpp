#include "core/expression.h"

#include <muParser.h>

#include "core/errors.h"

namespace velmar {

struct Expression::Parser {
    std::unique_ptr<mu::Parser> parser;
    std::vector<double> values;  // the variables the parser reads, one per name
    bool ok = false;
};

Expression::Expression() : parser_(std::make_unique<Parser>()) {}
Expression::~Expression() = default;

bool Expression::compiled() const { return parser_->ok; }

std::string Expression::compile(const std::string& text, const std::vector<std::string>& variables) {
    Parser& p = *parser_;
    p.ok = false;
    p.parser = std::make_unique<mu::Parser>();
    p.values.assign(variables.size(), 1.0);
    try {
        for (std::size_t i = 0; i < variables.size(); ++i) p.parser->DefineVar(variables[i], &p.values[i]);
        p.parser->SetExpr(text);
        p.parser->Eval();  // the syntax is checked on the first evaluation
    } catch (const mu::Parser::exception_type& e) { return e.GetMsg(); }
    p.ok = true;
    return {};
}

Extended Expression::evaluate(std::span<const Extended> values) {
    Parser& p = *parser_;
    if (!p.ok) throw MathError("The expression has not been parsed");
    for (std::size_t i = 0; i < p.values.size() && i < values.size(); ++i)
        p.values[i] = static_cast<double>(values[i]);
    try {
        return p.parser->Eval();
    } catch (const mu::Parser::exception_type& e) { throw MathError(e.GetMsg()); }
}

}  // namespace velmar
