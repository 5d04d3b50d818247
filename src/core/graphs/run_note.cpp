#include "core/graphs/run_note.h"

#include "core/model/element.h"
#include "core/model/scheme.h"
#include "core/numtext.h"

namespace velmar {

namespace {

constexpr std::uint8_t kStepInput = 33;

}  // namespace

RunNote describeRun(const Scheme& scheme) {
    RunNote note;
    bool levelsAgree = true;
    for (const auto& e : scheme.ElementList()) {
        for (const ParamRec& p : e->Params) {
            if (!p.Varied) continue;
            if (!note.varied.empty()) note.varied += ", ";
            note.varied += numberedParameterName(p.Name, e->Number) + "=" + valueText(p.Value);
        }
        if (e->Code != kStepInput || e->Params.empty()) continue;
        const Extended level = e->Params[0].Value;
        if (note.stepLevel && *note.stepLevel != level) levelsAgree = false;
        note.stepLevel = level;
    }
    if (!levelsAgree) note.stepLevel.reset();
    return note;
}

std::string comparisonName(const std::string& curve, const RunNote& note, int keptNumber) {
    const std::string what = note.varied.empty() ? "#" + std::to_string(keptNumber) : note.varied;
    return curve.empty() ? "(" + what + ")" : curve + " (" + what + ")";
}

}  // namespace velmar
