#include "core/editor/regime_machine.h"

namespace velmar::editor {

using Task = RegimeTask;

RegimeStep RegimeMachine::enter(Regime next, std::optional<RegimeSwitch> actions,
                                std::vector<RegimeTask> tasks) {
    state_.regime = next;
    return {actions, std::move(tasks)};
}

void RegimeMachine::dropBank(std::vector<RegimeTask>& tasks) {
    if (state_.regime != Regime::Bank) return;
    state_.bank.bigLevel = false;
    tasks.push_back(Task::LeaveBank);
}

RegimeStep RegimeMachine::leaveBank(std::vector<RegimeTask> more) {
    std::vector<RegimeTask> tasks;
    dropBank(tasks);
    tasks.push_back(Task::ShowCaption);
    tasks.insert(tasks.end(), more.begin(), more.end());
    return enter(Regime::Edit, std::nullopt, std::move(tasks));
}

RegimeStep RegimeMachine::tab() {
    switch (state_.regime) {
        case Regime::Edit:
            state_.bank.bigLevel = false;
            return enter(Regime::Bank, RegimeSwitch::Bank,
                         {Task::ShowBank, Task::ShowCaption, Task::Highlight});
        case Regime::Bank:
            if (state_.bank.bigLevel) return leaveBank();
            state_.bank.bigLevel = true;
            return {std::nullopt, {Task::Highlight}};
        default: return {};
    }
}

RegimeStep RegimeMachine::bankButton() {
    RegimeStep step;
    switch (state_.regime) {
        case Regime::Bank: step = leaveBank({Task::HideBank}); break;
        // Showing the bank ends the Run regime.
        case Regime::Run: step.tasks = {Task::ShowBank, Task::GoToEdit}; break;
        default: step.tasks = {Task::ToggleBank}; break;
    }
    step.actions = RegimeSwitch::Bank;
    return step;
}

RegimeStep RegimeMachine::on(RegimeEvent event) {
    const Regime from = state_.regime;
    switch (event) {
        case RegimeEvent::Edit:
            if (from == Regime::Run)
                return enter(Regime::Edit, RegimeSwitch::Edit,
                             {Task::RestorePatch, Task::ReleaseCompiled, Task::ShowCaption, Task::EnterEdit});
            return enter(Regime::Edit, RegimeSwitch::Edit,
                         {Task::RestorePatch, Task::ShowCaption, Task::EnterEdit});
        case RegimeEvent::Run: {
            state_.held = 0;
            std::vector<RegimeTask> tasks{Task::RestorePatch};
            dropBank(tasks);
            tasks.insert(tasks.end(), {Task::ShowCaption, Task::HideBank, Task::Compile});
            return enter(Regime::Run, RegimeSwitch::Run, std::move(tasks));
        }
        case RegimeEvent::Compiled:
            if (from != Regime::Run) return {};
            return {std::nullopt, {Task::EnterRun, Task::RefreshGrid}};
        case RegimeEvent::Faulted:
            if (from != Regime::Run) return {};
            return enter(Regime::ToEdit, std::nullopt,
                         {Task::RedrawCanvas, Task::ReleaseCompiled, Task::GoToEdit});
        case RegimeEvent::Tab: return tab();
        case RegimeEvent::LeaveBank: return from == Regime::Bank ? leaveBank() : RegimeStep{};
        case RegimeEvent::BankButton: return bankButton();
        case RegimeEvent::File: {
            // The caption of "File" is empty: the status line shows no regime meanwhile.
            if (from == Regime::Run)
                return enter(Regime::File, RegimeSwitch::File, {Task::ReleaseCompiled, Task::ShowCaption});
            std::vector<RegimeTask> tasks{Task::RestorePatch};
            dropBank(tasks);
            tasks.push_back(Task::ShowCaption);
            return enter(Regime::File, RegimeSwitch::File, std::move(tasks));
        }
        case RegimeEvent::Close:
            if (from == Regime::Run) return {std::nullopt, {Task::ReleaseCompiled}};
            return from == Regime::Bank ? leaveBank() : RegimeStep{};
        case RegimeEvent::AdvRedOn:
            kept_ = from;
            return enter(Regime::AdvRed, RegimeSwitch::AdvRedOn,
                         {Task::RestorePatch, Task::RedrawAll, Task::ShowCaption});
        case RegimeEvent::AdvRedOff:
            return enter(kept_, RegimeSwitch::AdvRedOff, {Task::RedrawAll, Task::ShowCaption});
    }
    return {};
}

}  // namespace velmar::editor
