// For tests that run the demo scheme in the real main window and work in the graph
// viewer its recorder opens: a host that answers the value dialogs from a script and
// hands the curves to the real viewer through the workbench's own hand-over, a way to
// act inside a waiting loop (the magnifier's), and where the demo's recorder is drawn.
#pragma once

#include <QPoint>
#include <QTimer>
#include <functional>

#include "core/scripted_host.h"
#include "gui/shell/dialog_host.h"

namespace velmar::gui {

class ViewerHost : public ScriptedHost {
public:
    QWidget* owner = nullptr;
    int showGraph(const Diagrams& diagrams, int kind) override {
        ScriptedHost::showGraph(diagrams, kind);
        return showGraphWindow(owner, diagrams, kind);
    }
};

// Runs `step` from the event loop, i.e. once the viewer waits.
inline void later(std::function<void()> step) { QTimer::singleShot(0, std::move(step)); }

inline const QPoint kRecorderPixel(36 * 21 + 30, 9 * 11 + 15);  // the recorder of the demo at (36, 9)
inline constexpr int kDemoRecorder = 6;                         // its element number

}  // namespace velmar::gui
