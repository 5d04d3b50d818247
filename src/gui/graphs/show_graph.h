// The graph viewer as the rest of the program calls it.
#pragma once

#include "core/graphs/run_note.h"
#include "core/host.h"

class QWidget;

namespace velmar::gui {

class TFormGraphPg;

// Shows up to five diagrams (a slot is taken when both its arrays are given; the
// arrays stay the caller's and are not kept after the call) with the title of the graph
// kind, and lets the user work with them until a leaving key. Returns that key's code
// times 256: Esc 6912 (also when the window is closed), Home 18176, PgUp 18688,
// End 20224, PgDn 20736. `variableStep` names the step in point files written meanwhile;
// `note` tells what the run that made the curves marked and stepped (kept curves' names,
// the legend beside kept curves, the metrics' step level); `texts` are lines shown
// beside the curves (a result's "Radius=", "Kr =").
// The one viewer window is made on the first call, as a child of `parent`.
int ShowGraph(const velmar::Diagrams& diagrams, int kind, QWidget* parent, bool variableStep = false,
              const velmar::RunNote& note = {}, const std::vector<std::string>& texts = {});

// The analysis viewer, in which ShowGraph waits; made on first use (for localisation
// and tests).
TFormGraphPg& graphViewer(QWidget* parent = nullptr);

// The viewer of a recorder's curves, one per recorder element among the children of
// `parent`, made on first use.
TFormGraphPg& recorderViewer(QWidget* parent, int recorder);
// The recorder viewers of `parent` that are open.
std::vector<TFormGraphPg*> openRecorderViewers(QWidget* parent);

}  // namespace velmar::gui
