#include "core/editor/regime_machine.h"

#include <gtest/gtest.h>

namespace velmar::editor {
namespace {

using Task = RegimeTask;
using Tasks = std::vector<RegimeTask>;

struct Switch {
    const char* name;
    Regime from;
    bool bigLevel;  // the big palette had the keys
    RegimeEvent event;
    Regime to;
    std::optional<RegimeSwitch> actions;
    Tasks tasks;
};

// clang-format off
const Switch kSwitches[] = {
    {"EditFromRunReleases", Regime::Run, false, RegimeEvent::Edit, Regime::Edit, RegimeSwitch::Edit,
     {Task::RestorePatch, Task::ReleaseCompiled, Task::ShowCaption, Task::EnterEdit}},
    {"EditFromToEdit", Regime::ToEdit, false, RegimeEvent::Edit, Regime::Edit, RegimeSwitch::Edit,
     {Task::RestorePatch, Task::ShowCaption, Task::EnterEdit}},
    {"RunFromBankLeavesTheBank", Regime::Bank, true, RegimeEvent::Run, Regime::Run, RegimeSwitch::Run,
     {Task::RestorePatch, Task::LeaveBank, Task::ShowCaption, Task::HideBank, Task::Compile}},
    {"RunFromEdit", Regime::Edit, false, RegimeEvent::Run, Regime::Run, RegimeSwitch::Run,
     {Task::RestorePatch, Task::ShowCaption, Task::HideBank, Task::Compile}},
    {"Compiled", Regime::Run, false, RegimeEvent::Compiled, Regime::Run, std::nullopt,
     {Task::EnterRun, Task::RefreshGrid}},
    {"FaultedGoesBackToEdit", Regime::Run, false, RegimeEvent::Faulted, Regime::ToEdit, std::nullopt,
     {Task::RedrawCanvas, Task::ReleaseCompiled, Task::GoToEdit}},
    {"CompiledOutsideRunIsIgnored", Regime::Edit, false, RegimeEvent::Compiled, Regime::Edit, std::nullopt, {}},
    {"TabOpensTheBank", Regime::Edit, false, RegimeEvent::Tab, Regime::Bank, RegimeSwitch::Bank,
     {Task::ShowBank, Task::ShowCaption, Task::Highlight}},
    {"TabGivesTheBigPaletteTheKeys", Regime::Bank, false, RegimeEvent::Tab, Regime::Bank, std::nullopt,
     {Task::Highlight}},
    {"TabFromTheBigPaletteLeaves", Regime::Bank, true, RegimeEvent::Tab, Regime::Edit, std::nullopt,
     {Task::LeaveBank, Task::ShowCaption}},
    {"TabInRunIsIgnored", Regime::Run, false, RegimeEvent::Tab, Regime::Run, std::nullopt, {}},
    {"LeaveBankOutsideTheBankIsIgnored", Regime::Edit, false, RegimeEvent::LeaveBank, Regime::Edit, std::nullopt, {}},
    {"BankButtonInTheBankCloses", Regime::Bank, false, RegimeEvent::BankButton, Regime::Edit, RegimeSwitch::Bank,
     {Task::LeaveBank, Task::ShowCaption, Task::HideBank}},
    {"BankButtonInRunEndsRun", Regime::Run, false, RegimeEvent::BankButton, Regime::Run, RegimeSwitch::Bank,
     {Task::ShowBank, Task::GoToEdit}},
    {"BankButtonInEditToggles", Regime::Edit, false, RegimeEvent::BankButton, Regime::Edit, RegimeSwitch::Bank,
     {Task::ToggleBank}},
    {"FileFromRunOnlyReleases", Regime::Run, false, RegimeEvent::File, Regime::File, RegimeSwitch::File,
     {Task::ReleaseCompiled, Task::ShowCaption}},
    {"FileFromTheBank", Regime::Bank, false, RegimeEvent::File, Regime::File, RegimeSwitch::File,
     {Task::RestorePatch, Task::LeaveBank, Task::ShowCaption}},
    {"CloseInRunKeepsTheRegime", Regime::Run, false, RegimeEvent::Close, Regime::Run, std::nullopt,
     {Task::ReleaseCompiled}},
    {"CloseInTheBank", Regime::Bank, false, RegimeEvent::Close, Regime::Edit, std::nullopt,
     {Task::LeaveBank, Task::ShowCaption}},
    {"CloseInEdit", Regime::Edit, false, RegimeEvent::Close, Regime::Edit, std::nullopt, {}},
    {"AdvRedOn", Regime::Edit, false, RegimeEvent::AdvRedOn, Regime::AdvRed, RegimeSwitch::AdvRedOn,
     {Task::RestorePatch, Task::RedrawAll, Task::ShowCaption}},
};
// clang-format on

class RegimeSwitches : public ::testing::TestWithParam<Switch> {};

TEST_P(RegimeSwitches, GiveTheNextRegimeItsActionsAndTheWindowsTasks) {
    const Switch& s = GetParam();
    EditorState state;
    state.regime = s.from;
    state.bank.bigLevel = s.bigLevel;
    RegimeMachine machine(state);
    const RegimeStep step = machine.on(s.event);
    EXPECT_EQ(state.regime, s.to) << regimeName(state.regime);
    EXPECT_EQ(step.actions, s.actions);
    EXPECT_EQ(step.tasks, s.tasks);
    // Whatever way the bank is left, the small palette has the keys next time.
    if (s.from == Regime::Bank && state.regime != Regime::Bank) EXPECT_FALSE(state.bank.bigLevel);
}

INSTANTIATE_TEST_SUITE_P(Table, RegimeSwitches, ::testing::ValuesIn(kSwitches),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(RegimeMachine, TheMouseEditorReturnsToTheRegimeItLeft) {
    EditorState state;
    RegimeMachine machine(state);
    machine.on(RegimeEvent::AdvRedOff);  // never switched on: back to Edit
    EXPECT_EQ(state.regime, Regime::Edit);
    state.regime = Regime::Bank;
    machine.on(RegimeEvent::AdvRedOn);
    EXPECT_EQ(regimeCaption(state.regime), "Editor");
    const RegimeStep off = machine.on(RegimeEvent::AdvRedOff);
    EXPECT_EQ(state.regime, Regime::Bank);
    EXPECT_EQ(off.actions, RegimeSwitch::AdvRedOff);
    EXPECT_EQ(off.tasks, (Tasks{Task::RedrawAll, Task::ShowCaption}));
}

TEST(RegimeMachine, EnteringRunDropsTheHeldCode) {
    EditorState state;
    state.regime = Regime::Edit;
    state.held = 22;
    RegimeMachine(state).on(RegimeEvent::Run);
    EXPECT_EQ(state.held, 0);
}

TEST(RegimeMachine, CaptionsShowNothingForThePassingRegimes) {
    EXPECT_EQ(regimeCaption(Regime::Edit), "Edit");
    EXPECT_EQ(regimeCaption(Regime::Run), "Run");
    for (Regime r : {Regime::New, Regime::File, Regime::ToEdit})
        EXPECT_EQ(regimeCaption(r), "") << regimeName(r);
}

}  // namespace
}  // namespace velmar::editor
