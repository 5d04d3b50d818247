// The graph hand-over goes to the graph viewers: a recorder's curves to the recorder's
// own window, which stays open beside the canvas while the workbench goes on; any other
// graph to the analysis viewer, where the command that made it waits (its arrays live
// only as long as it does).
#include "core/blocks/recorders.h"
#include "core/workbench/live_parameters.h"
#include "gui/graphs/graph_viewer.h"
#include "gui/graphs/show_graph.h"
#include "gui/shell/dialog_host.h"
#include "gui/shell/form_main.h"

namespace velmar::gui {

namespace {

// Point files written in the viewer name the step of the run that made the curves;
// kept curves are named, and metrics measured, after the scheme's marks and step.
void describeFor(TFormGraphPg& viewer, const Workbench& wb) {
    viewer.setStepIsVariable(wb.settings.VariableStep != 0);
    viewer.setRunNote(describeRun(wb.scheme));
}

}  // namespace

int showGraphWindow(QWidget* owner, const Diagrams& diagrams, int kind,
                    const std::vector<std::string>& texts) {
    auto* form = qobject_cast<TFormMain*>(owner);
    if (form == nullptr) return ShowGraph(diagrams, kind, owner, false, {}, texts);
    const Workbench& wb = form->workbench();
    if (const int recorder = recorderOnShow(wb.scheme, wb.run, diagrams)) {
        TFormGraphPg& viewer = recorderViewer(owner, recorder);
        describeFor(viewer, wb);
        viewer.openCopies(diagrams, kind);
        viewer.bringForward();
        return kGraphEsc;  // nobody waits: the window stays until the person closes it
    }
    TFormGraphPg& viewer = graphViewer(owner);
    describeFor(viewer, wb);
    return viewer.ShowGraph(diagrams, kind, texts);
}

void followRecorders(TFormMain& form) {
    const Workbench& wb = form.workbench();
    for (TFormGraphPg* viewer : openRecorderViewers(&form)) {
        // A magnifier open over the curves keeps the ones it was given.
        if (viewer->showDepth() > 0 || viewer->recorder() > wb.scheme.ElementCount()) continue;
        if (const auto graph = recordedGraphOf(wb.scheme.element(viewer->recorder()), wb.run)) {
            describeFor(*viewer, wb);
            viewer->openCopies(graph->diagrams, graph->kind);
        }
    }
}

}  // namespace velmar::gui
