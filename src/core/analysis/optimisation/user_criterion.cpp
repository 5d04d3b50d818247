#include "core/analysis/optimisation/user_criterion.h"

#include "core/errors.h"

namespace velmar {

std::vector<std::string> criterionLetters(int count) {
    std::vector<std::string> letters;
    for (char c = 'a'; static_cast<int>(letters.size()) < count && c <= 'z'; ++c)
        if (c != 'e') letters.emplace_back(1, c);
    return letters;
}

bool UserCriterion::compiled() const { return expression_.compiled(); }

std::string UserCriterion::compile(const std::string& expression, const std::vector<std::string>& letters) {
    const std::string problem = expression_.compile(expression, letters);
    return problem.empty() ? kNoError : problem;
}

Extended UserCriterion::evaluate(const std::vector<Extended>& values) {
    if (!expression_.compiled()) throw MathError("The user criterion has not been parsed");
    return expression_.evaluate(values);
}

}  // namespace velmar
