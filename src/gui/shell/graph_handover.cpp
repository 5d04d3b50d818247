// The graph hand-over goes to the graph viewer.
#include "gui/graphs/show_graph.h"
#include "gui/shell/dialog_host.h"
#include "gui/shell/form_main.h"

namespace velmar::gui {

int showGraphWindow(QWidget* owner, const Diagrams& diagrams, int kind,
                    const std::vector<std::string>& texts) {
    // Point files written in the viewer name the step of the run that made the curves.
    auto* form = qobject_cast<TFormMain*>(owner);
    const bool variableStep = form != nullptr && form->workbench().settings.VariableStep != 0;
    // Kept curves are named, and metrics measured, after the scheme's marks and step.
    const RunNote note = form != nullptr ? describeRun(form->workbench().scheme) : RunNote{};
    return ShowGraph(diagrams, kind, owner, variableStep, note, texts);
}

}  // namespace velmar::gui
