// The optimisation of the marked parameters against a quality criterion, over the
// workbench's compiled scheme: everything the optimisation window ("Optimization")
// decides, so the window only shows it and hands the person's choices back.
//
// The window opens on Enter on an optimisation block (47, Host::openOptimisation) and
// makes one session over that block. Its choices live in the workbench's
// OptimisationSettings, so they are kept to the next optimisation.
//
// "&Optimize" (optimise()):
// 1. The marked parameters are collected (every element's RegisterParameters in
//    element order, at most 10); without one " Какой параметр? " is shown.
// 2. The user criterion's expression is parsed; a syntax error refuses the
//    optimisation with the parser's message.
// 3. The criteria from the transfer function take the first step source (33) as the
//    entry and the optimisation block as the output; "Int(e^2+tau^2*(de/dt)^2)" asks
//    "tau". The criteria by runs ask "Limitation", select the constant step, ask the
//    run's values and allocate the results once ("Not enough memory" when that fails).
// 4. The search starts from the current values with steps of a third of each; the
//    transfer-function criteria search with Nelder-Mead unless a method was named.
//    Every evaluation writes its vector into the parameters, so they keep the values
//    of the last evaluation. Escape (the host's key queue) stops the search at the next
//    evaluation; the count and the value of each evaluation go to
//    Host::optimisationProgress.
// 5. " Optimization is finished " ends it. When no evaluation gave a criterion other
//    than the penalty (every run failed, the expression was never finite) the
//    parameters get their start values back and kNoCriterionFound ends it instead; when
//    the search's last evaluation is the penalty or worse than the start, the
//    parameters take the best point evaluated, so an optimisation never leaves the
//    scheme worse than it found it.
//
// The runs of the evaluations speak to nobody: a failed run is the penalty, not a
// message per evaluation, and the key queue stays the optimisation's.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/analysis/optimisation/settings.h"
#include "core/model/element.h"

namespace velmar {

class Workbench;

inline constexpr int kMaxVariedParameters = 10;
inline constexpr std::string_view kWhichParameter = " Какой параметр? ";
inline constexpr std::string_view kOptimisationNoMemory = "Not enough memory";
inline constexpr std::string_view kOptimisationFinished = " Optimization is finished ";
inline constexpr std::string_view kNoCriterionFound =
    " Optimization failed: no evaluation gave a finite criterion, the parameters keep their values ";

class OptimisationSession {
public:
    // `block` is the element number of the optimisation block. The "optmaxaw" variant
    // is on when the last group command was "Optim &Max A(w)".
    OptimisationSession(Workbench& wb, int block);

    // The "Сriteria" group: choosing 0 or 1 disables the method group and clears its
    // choice, which a criterion by runs gets back.
    int criterion() const;
    void setCriterion(int index);
    bool methodsEnabled() const;
    bool userPageVisible() const;  // the "User Criterion" page, for criterion 5 only

    // The "&Method" group: none while it is disabled (a method may still be named, as
    // the command-line tool does).
    std::optional<int> method() const;
    void setMethod(int index);

    // The "optmaxaw" variant: the transfer-function criteria become the largest A(w)
    // on the frequency grid of the characteristics.
    bool maxAmplitude() const { return maxAmplitude_; }
    void setMaxAmplitude(bool on) { maxAmplitude_ = on; }

    // The user criterion's expression and the error field: "No Error" or the parser's
    // message, refreshed by every change.
    const std::string& expression() const;
    const std::string& setExpression(const std::string& text);
    const std::string& expressionError() const { return expressionError_; }

    // The "Var"/"Parameter" grid: the letter and the registered name of each varied
    // parameter (the marked ones are collected again).
    struct Variable {
        std::string letter;
        std::string parameter;
    };
    std::vector<Variable> variables();

    // Failed: the search ran but never found a criterion (kNoCriterionFound).
    enum class Outcome { Finished, Refused, Cancelled, Failed };
    Outcome optimise();

    // After optimise(): the varied parameters (they hold the last evaluation's values,
    // or the best point's, or the start values, as step 5 says), the number of
    // evaluations and the criterion of the values they hold.
    const std::vector<TunedParameter>& parameters() const { return tuned_.list; }
    int evaluations() const { return evaluations_; }
    Extended lastValue() const { return lastValue_; }

private:
    bool collect();
    // Limitation, the constant step, the run's values and its results; nothing when
    // the runs are ready, otherwise how the optimisation ends.
    std::optional<Outcome> prepareRuns();
    SearchMethod searchMethod() const;
    void writeValues(const std::vector<Real48>& values);

    Workbench& wb_;
    int block_;
    bool maxAmplitude_ = false;
    std::string expressionError_ = kNoError;
    TunedParameters tuned_;
    int evaluations_ = 0;
    Extended lastValue_ = 0;
};

}  // namespace velmar
