#include "core/analysis/optimisation/user_criterion.h"

#include <muParser.h>

#include "core/errors.h"

namespace velmar {

struct UserCriterion::Parser {
    std::unique_ptr<mu::Parser> parser;
    std::vector<double> values;  // the variables the parser reads, one per letter
    bool ok = false;
};

std::vector<std::string> CriterionLetters(int count) {
    std::vector<std::string> letters;
    for (char c = 'a'; static_cast<int>(letters.size()) < count && c <= 'z'; ++c)
        if (c != 'e') letters.emplace_back(1, c);
    return letters;
}

UserCriterion::UserCriterion() : parser_(std::make_unique<Parser>()) {}
UserCriterion::~UserCriterion() = default;

bool UserCriterion::compiled() const { return parser_->ok; }

std::string UserCriterion::compile(const std::string& expression, const std::vector<std::string>& letters) {
    Parser& p = *parser_;
    p.ok = false;
    p.parser = std::make_unique<mu::Parser>();
    p.values.assign(letters.size(), 1.0);
    try {
        for (std::size_t i = 0; i < letters.size(); ++i) p.parser->DefineVar(letters[i], &p.values[i]);
        p.parser->SetExpr(expression);
        p.parser->Eval();  // the syntax is checked on the first evaluation
    } catch (const mu::Parser::exception_type& e) { return e.GetMsg(); }
    p.ok = true;
    return kNoError;
}

Extended UserCriterion::evaluate(const std::vector<Extended>& values) {
    Parser& p = *parser_;
    if (!p.ok) throw MathError("The user criterion has not been parsed");
    for (std::size_t i = 0; i < p.values.size() && i < values.size(); ++i)
        p.values[i] = static_cast<double>(values[i]);
    try {
        return p.parser->Eval();
    } catch (const mu::Parser::exception_type& e) { throw MathError(e.GetMsg()); }
}

}  // namespace velmar
