#include "core/workbench/optimisation_session.h"

#include "core/analysis/optimisation/objective.h"
#include "core/analysis/optimisation/transfer_criteria.h"
#include "core/analysis/reduction.h"
#include "core/errors.h"
#include "core/model/value_dialog.h"
#include "core/workbench/workbench.h"

namespace velmar {

namespace {

constexpr int kStepSource = 33;
constexpr std::string_view kNoStepSource = "The criteria from the transfer function need a step source (33)";
constexpr std::string_view kNotReached = "The step source does not reach the optimisation block";

// The host of the evaluations' runs: progress and thumbnails reach the person; the
// messages of a failed run and the key queue do not.
class QuietRunHost : public Host {
public:
    explicit QuietRunHost(Host& host) : host_(host) {}
    bool askValues(std::string_view caption, std::vector<ValueRow>& rows, const RowCheck& check) override {
        return host_.askValues(caption, rows, check);
    }
    void message(Box, std::string_view) override {}
    Reply ask(std::string_view caption, std::string_view text, bool withCancel) override {
        return host_.ask(caption, text, withCancel);
    }
    void progress(const ProgressInfo& info) override { host_.progress(info); }
    void showThumbnail(const Thumbnail& thumbnail) override { host_.showThumbnail(thumbnail); }

private:
    Host& host_;
};

// Puts a host in place for one scope.
class HostInPlace {
public:
    HostInPlace(RunContext& ctx, Host& host) : ctx_(ctx), saved_(ctx.host) { ctx.host = &host; }
    ~HostInPlace() { ctx_.host = saved_; }
    HostInPlace(const HostInPlace&) = delete;
    HostInPlace& operator=(const HostInPlace&) = delete;

private:
    RunContext& ctx_;
    Host* saved_;
};

// Drains the key queue; true when Escape was among the keys.
bool escapePressed(Host& host) {
    bool escape = false;
    while (host.keyWaiting())
        if (host.readKey() == kEscapeKey) escape = true;
    return escape;
}

int firstStepSource(const Workbench& wb) {
    for (const auto& e : wb.scheme.ElementList())
        if (e->TypeCode() == kStepSource) return e->Number;
    return 0;
}

// One value dialog row; false when cancelled.
bool askOne(Host& host, const char* label, Real48& value) {
    std::vector<DialogValue> rows = {{label, value, false, false}};
    if (!AskValues(host, rows)) return false;
    value = rows[0].value;
    return true;
}

}  // namespace

OptimisationSession::OptimisationSession(Workbench& wb, int block)
    : wb_(wb), block_(block), maxAmplitude_(wb.analysis.methodGroup == MethodGroup::OptMaxAw) {
    tuned_.limit = kMaxVariedParameters;
}

int OptimisationSession::criterion() const { return wb_.optimisation.criterion; }

void OptimisationSession::setCriterion(int index) {
    OptimisationSettings& s = wb_.optimisation;
    if (index < 0 || index >= static_cast<int>(kCriterionCaptions.size())) return;
    if (!isRunCriterion(index) && s.method) {
        s.rememberedMethod = *s.method;
        s.method.reset();
    } else if (isRunCriterion(index) && !s.method) {
        s.method = s.rememberedMethod;
    }
    s.criterion = index;
    wb_.criterion = static_cast<Criterion>(index);  // what block 47 accumulates in a run
}

bool OptimisationSession::methodsEnabled() const { return isRunCriterion(criterion()); }
bool OptimisationSession::userPageVisible() const { return criterion() == kCriterionUser; }

std::optional<int> OptimisationSession::method() const { return wb_.optimisation.method; }

void OptimisationSession::setMethod(int index) {
    if (index >= 0 && index < kSearchMethods) wb_.optimisation.method = index;
}

const std::string& OptimisationSession::expression() const { return wb_.optimisation.expression; }

const std::string& OptimisationSession::setExpression(const std::string& text) {
    wb_.optimisation.expression = text;
    UserCriterion parser;
    expressionError_ = parser.compile(text, criterionLetters(static_cast<int>(variables().size())));
    return expressionError_;
}

std::vector<OptimisationSession::Variable> OptimisationSession::variables() {
    collect();
    const std::vector<std::string> letters = criterionLetters(static_cast<int>(tuned_.list.size()));
    std::vector<Variable> rows;
    for (std::size_t i = 0; i < tuned_.list.size(); ++i)
        rows.push_back({letters[i], tuned_.list[i].param->Name});
    return rows;
}

bool OptimisationSession::collect() {
    tuned_.list.clear();
    for (const auto& e : wb_.scheme.ElementList()) {
        if (tuned_.list.size() >= tuned_.limit) break;
        e->RegisterParameters(tuned_);
    }
    return !tuned_.list.empty();
}

SearchMethod OptimisationSession::searchMethod() const {
    const std::optional<int> m = method();
    if (!m) return kTransferFunctionSearch;
    return static_cast<SearchMethod>(*m);
}

std::optional<OptimisationSession::Outcome> OptimisationSession::prepareRuns() {
    if (!askOne(wb_.ui(), "Limitation", wb_.optimisation.limitation)) return Outcome::Cancelled;
    wb_.settings.VariableStep = 0;
    if (wb_.run.ResultsAllocated) releaseAllResults(wb_, *wb_.compiled);
    if (!askRunValues(wb_)) return Outcome::Cancelled;
    if (allocateRunResults(wb_, *wb_.compiled)) return std::nullopt;
    wb_.ui().message(Box::Error, kOptimisationNoMemory);
    return Outcome::Refused;
}

OptimisationSession::Outcome OptimisationSession::optimise() {
    Host& host = wb_.ui();
    OptimisationSettings& s = wb_.optimisation;
    evaluations_ = 0;
    lastValue_ = 0;
    if (!wb_.compiled) {
        host.message(Box::Plain, kSolveInRunOnly);
        return Outcome::Refused;
    }
    if (!collect()) {
        host.message(Box::Error, kWhichParameter);
        return Outcome::Refused;
    }
    const int criterion = s.criterion;
    const bool byRuns = isRunCriterion(criterion);
    UserCriterion user;
    if (criterion == kCriterionUser) {
        expressionError_ = user.compile(s.expression, criterionLetters(static_cast<int>(tuned_.list.size())));
        if (!user.compiled()) {
            host.message(Box::Error, expressionError_);
            return Outcome::Refused;
        }
    }
    const int entry = byRuns ? 0 : firstStepSource(wb_);
    if (!byRuns && entry == 0) {
        host.message(Box::Error, kNoStepSource);
        return Outcome::Refused;
    }
    const bool withTau = !byRuns && !maxAmplitude_ && criterion == kCriterionIntegralE2Tau;
    if (withTau && !askOne(host, "tau", s.tau)) return Outcome::Cancelled;
    if (byRuns)
        if (const auto notReady = prepareRuns()) return *notReady;
    wb_.criterion = static_cast<Criterion>(criterion);

    std::vector<Real48> x;
    for (const TunedParameter& t : tuned_.list) x.push_back(t.param->Value);
    const std::vector<Real48> x0 = x;
    const std::vector<Real48> h = startSteps(x);
    const Element& output = wb_.scheme.element(block_);
    bool refused = false;
    CriterionEvaluation* evaluation = nullptr;
    auto stop = [&](std::string_view message) {
        host.message(Box::Error, message);
        refused = true;
        evaluation->abort();
        return penaltyValue();
    };

    auto fromTransferFunction = [&]() -> Extended {
        const ReductionResult r = reduceScheme(*wb_.compiled, block_, entry);
        if (r.status == ReductionStatus::Refused) return stop(r.message);
        if (r.status == ReductionStatus::Unchanged) return stop(kNotReached);
        if (maxAmplitude_) {
            const AnalysisState& a = wb_.analysis;
            return maxAmplitudeCriterion(r.w, {a.wBegin, a.wEnd, a.wStep});
        }
        const TransferCriterion j =
            withTau ? integralCriterionWithDerivative(r.w, s.tau) : integralCriterion(r.w);
        if (j.status == TransferCriterionStatus::NotTendingToZero) return stop(kErrorNotTendingToZero);
        if (j.status == TransferCriterionStatus::NotAstatic2) return stop(kOnlyForAstatism2);
        return j.value;
    };

    auto byRun = [&](const std::vector<Real48>& values) -> Extended {
        const CompiledScheme& c = *wb_.compiled;
        if (!wb_.run.ResultsAllocated && !allocateRunResults(wb_, c)) return stop(kOptimisationNoMemory);
        RunOutcome outcome = RunOutcome::Failed;
        {
            QuietRunHost quiet(host);
            HostInPlace inPlace(wb_, quiet);
            try {
                clearFloatingFaults();
                outcome = RunConstantStep(wb_, c);
            } catch (const MathError&) {
                releaseAllResults(wb_, c);
                finishAll(wb_, c);
            }
        }
        if (outcome != RunOutcome::Completed) return penaltyValue();
        if (criterion != kCriterionUser) return output.Output;
        std::vector<Extended> v(values.begin(), values.end());
        try {
            return user.evaluate(v);
        } catch (const MathError&) { return penaltyValue(); }
    };

    CriterionEvaluation::Hooks hooks;
    hooks.compute = [&](const std::vector<Real48>& values) {
        writeValues(values);
        return byRuns ? byRun(values) : fromTransferFunction();
    };
    hooks.escape = [&host] { return escapePressed(host); };
    hooks.progress = [&host](int count, Extended value) { host.optimisationProgress(count, value); };
    CriterionEvaluation f(hooks, s.limitation);
    evaluation = &f;

    try {
        runSearch(searchMethod(), f, x, h, s.accuracy);
    } catch (const MathError& e) {
        evaluations_ = f.count();
        lastValue_ = f.last();
        host.message(Box::Error, e.what());
        return Outcome::Refused;
    }
    evaluations_ = f.count();
    lastValue_ = f.last();
    if (refused) return Outcome::Refused;
    if (f.count() > 0 && !f.foundValue()) {
        writeValues(x0);
        host.message(Box::Error, kNoCriterionFound);
        return Outcome::Failed;
    }
    if (f.foundValue() && (f.last() == penaltyValue() || f.last() > f.startValue())) {
        writeValues(f.bestPoint());
        lastValue_ = f.bestValue();
    }
    host.message(Box::Information, kOptimisationFinished);
    return Outcome::Finished;
}

void OptimisationSession::writeValues(const std::vector<Real48>& values) {
    for (std::size_t i = 0; i < values.size(); ++i) tuned_.list[i].param->Value = values[i];
}

}  // namespace velmar
