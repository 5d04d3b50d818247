#include "core/workbench/roots_animation.h"

#include <cmath>
#include <filesystem>
#include <string>

#include "core/analysis/method_lists.h"
#include "core/analysis/reduction.h"
#include "core/analysis/roots.h"
#include "core/analysis/roots_list.h"
#include "core/blocks/analysis_block.h"
#include "core/errors.h"
#include "core/file_io.h"
#include "core/model/value_dialog.h"
#include "core/numtext.h"
#include "core/workbench/workbench.h"

namespace velmar {

namespace {

constexpr int kMostPoints = 5;  // steps and roots per step: the viewer has five slots
constexpr int kFewestSteps = 2;
constexpr std::string_view kTooManyPoints = " Maximum points may be 5 ";
constexpr std::string_view kTooFewPoints = " Minimum points may be 2 ";
constexpr std::string_view kTooManyParameters = " Too many variable parameters ";
constexpr std::string_view kNoParameter = " Variable paramter not choised ";
constexpr const char* kRootsFile = "tmpfile.txt";

struct Step {
    std::vector<Real48> re, im;
};

ValueCheck wholeAtLeastOne() {
    return [](const std::vector<Extended>& v) -> std::string {
        if (v[0] != std::trunc(v[0]) || v[0] < 1) return "A whole number of 1 or more is needed";
        return {};
    };
}

// A whole count asked in one row; nothing when cancelled or above 5 (the message shown).
std::optional<int> askCount(Host& host, const char* label, Extended initial) {
    std::vector<DialogValue> rows = {{label, initial, false, false}};
    if (!AskValues(host, rows, {}, wholeAtLeastOne())) return std::nullopt;
    if (rows[0].value > kMostPoints) {
        host.message(Box::Information, kTooManyPoints);
        return std::nullopt;
    }
    return static_cast<int>(rows[0].value);
}

void writeSteps(const std::filesystem::path& folder, const std::vector<Step>& steps) {
    std::string text;
    for (std::size_t k = 0; k < steps.size(); ++k) {
        text += "step: " + std::to_string(k + 1) + "\n";
        for (std::size_t i = 0; i < steps[k].re.size(); ++i)
            text += " Num: " + std::to_string(i + 1) + " " + floatText(steps[k].re[i]) + " " +
                    floatText(steps[k].im[i]) + "\n";
    }
    // Like the side files, it follows no link below the working folder.
    replaceFileBelow(folder.empty() ? std::filesystem::path(".") : folder, kRootsFile, text);
}

Diagram stepDiagram(const Step& s, std::size_t k) {
    return {s.re.data(), s.im.data(), static_cast<int>(s.re.size()), "Step N " + std::to_string(k + 1)};
}

void show(Host& host, const std::vector<Step>& steps, MethodCode code) {
    const std::size_t count = steps.size();
    if (code == MethodCode::RootsFullPage) {
        Diagrams slots;
        for (std::size_t k = 0; k < count; ++k) slots[k] = stepDiagram(steps[k], k);
        host.showGraph(slots, kRootsGraphKind);
        return;
    }
    for (std::size_t last = 0; last < count; ++last) {
        Diagrams slots;
        for (std::size_t k = code == MethodCode::RootsOverlaid ? 0 : last; k <= last; ++k)
            slots[k] = stepDiagram(steps[k], k);
        host.showGraph(slots, kRootsGraphKind);
    }
}

}  // namespace

void rootsAnimation(Workbench& wb, AnalysisBlock& block) {
    Host& host = wb.ui();
    const auto order =
        askCount(host, "Polinom order:", std::min(std::max(block.W.B.order(), 1), kMostPoints));
    if (!order) return;
    TunedParameters tuned;
    for (const auto& e : wb.scheme.ElementList()) e->RegisterParameters(tuned);
    if (tuned.list.empty()) {
        host.message(Box::Information, kNoParameter);
        return;
    }
    if (tuned.list.size() > 2) {
        host.message(Box::Information, kTooManyParameters);
        return;
    }
    std::vector<DialogValue> ranges;
    for (const TunedParameter& t : tuned.list) {
        ranges.push_back({t.param->Name + "(begin)", t.param->Value, false, false});
        ranges.push_back({t.param->Name + "(end)", 2 * t.param->Value, false, false});
    }
    if (!AskValues(host, ranges)) return;
    std::vector<DialogValue> stepsRow = {{"Steps count", 3, false, false}};
    if (!AskValues(host, stepsRow, {}, wholeAtLeastOne())) return;
    const Extended stepCount = stepsRow[0].value;
    if (stepCount > kMostPoints) {
        host.message(Box::Information, kTooManyPoints);
        return;
    }
    if (stepCount < kFewestSteps) {
        host.message(Box::Information, kTooFewPoints);
        return;
    }

    if (!wb.compiled && block.Entry != 0) {
        host.message(Box::Error, kSolveInRunOnly);
        return;
    }
    std::vector<Real48> saved;
    for (const TunedParameter& t : tuned.list) saved.push_back(t.param->Value);
    std::vector<Step> steps;
    std::string refusal;
    for (int k = 0; k < static_cast<int>(stepCount) && refusal.empty(); ++k) {
        for (std::size_t p = 0; p < tuned.list.size(); ++p) {
            const Extended begin = ranges[2 * p].value, end = ranges[2 * p + 1].value;
            tuned.list[p].param->Value = begin + k * (end - begin) / (stepCount - 1);
        }
        TransferFunction w = block.W;
        if (block.Entry != 0) {
            ReductionResult r = reduceScheme(*wb.compiled, block.Number, block.Entry);
            if (r.status == ReductionStatus::Refused) refusal = r.message;
            if (r.status == ReductionStatus::Reduced) w = std::move(r.w);
        }
        const RootList roots = FindRoots(w.B);
        Step s;
        for (int i = 0; i < roots.count() && i < *order; ++i) {
            s.re.push_back(roots.re[static_cast<std::size_t>(i)]);
            s.im.push_back(roots.im[static_cast<std::size_t>(i)]);
        }
        steps.push_back(std::move(s));
    }
    for (std::size_t p = 0; p < tuned.list.size(); ++p) tuned.list[p].param->Value = saved[p];
    if (!refusal.empty()) {
        host.message(Box::Error, refusal);
        return;
    }
    try {
        writeSteps(wb.analysis.workingFolder, steps);
    } catch (const FileError& e) { host.message(Box::Error, std::string(e.what()) + ", try again."); }
    for (MethodCode code; (code = host.chooseMethod(MethodList::RootsDisplay)) != MethodCode::Leave;)
        show(host, steps, code);
}

}  // namespace velmar
