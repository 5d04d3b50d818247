#include "core/editor/regime_actions.h"

#include <array>

namespace velmar::editor {

namespace {

using Names = std::vector<std::string_view>;

Names joined(std::initializer_list<const Names*> parts, Names extra = {}) {
    Names out;
    for (const Names* p : parts) out.insert(out.end(), p->begin(), p->end());
    out.insert(out.end(), extra.begin(), extra.end());
    return out;
}

}  // namespace

const Names& analysisItems() {
    static const Names items = {"Solve1",
                                "ChangeParameters1",
                                "Step1",
                                "GarmonicLinearization1",
                                "Popov1",
                                "OptimMethods1",
                                "Characteristics1",
                                "Stability1",
                                "Quality1",
                                "Roots1",
                                "OptimMaxAw1",
                                "Sintez1",
                                "Other1"};
    return items;
}

const Names& editItems() {
    static const Names items = {"Banck1", "MarkBegin1", "MarkEnd1",       "Cut1",          "Copy1",
                                "Paste1", "Zoom1",      "ReadBlockFrom1", "WriteBlockTo1", "Delete1"};
    return items;
}

const ActionSet& regimeActions(RegimeSwitch s) {
    static const std::array<ActionSet, 6> sets = {{
        // Edit
        {joined({&editItems()}, {"Run2", "editor"}),
         joined({&analysisItems()}, {"CutBtn", "CopyBtn", "PasteBtn", "DelBtn", "SpeedButton1"})},
        // Bank
        {{"editor"}, {"SpeedButton1"}},
        // Run
        {joined({&analysisItems()}, {"Edit2", "SpeedButton1"}),
         joined({&editItems()}, {"Run2", "CutBtn", "CopyBtn", "PasteBtn", "editor"})},
        // File
        {{"Run2"}, joined({&editItems(), &analysisItems()})},
        // AdvRedOn
        {{}, {"EditBtn", "BankBtn", "Banck1", "Run2", "RunBtn", "SolveBtn"}},
        // AdvRedOff
        {{"EditBtn", "BankBtn", "Banck1", "Run2", "RunBtn", "SolveBtn"},
         {"CutBtn", "CopyBtn", "PasteBtn", "DelBtn"}},
    }};
    return sets[static_cast<std::size_t>(s)];
}

}  // namespace velmar::editor
