// The live parameter panel on the demo scheme: one slider move, i.e. the value written
// through the parameter grid's path, the run without its dialog, the recorder's
// thumbnail, the open graph viewer given the new curve, and the window repainted.
//
// ./build/bench/live_rerun (needs no display: it draws offscreen). --short for CI.
#include <benchmark/benchmark.h>

#include "gui_bench.h"

#include <QAction>
#include <QApplication>
#include <QSlider>
#include <vector>

#include "core/blocks/recorders.h"
#include "core/scripted_host.h"
#include "gui/graphs/graph_viewer.h"
#include "gui/graphs/show_graph.h"
#include "gui/shell/form_main.h"
#include "gui/shell/parameter_panel.h"

namespace {

using namespace velmar;
using namespace velmar::gui;

struct DemoWindow {
    ScriptedHost host;
    TFormMain form{&host};
    TParameterPanel* panel = nullptr;

    DemoWindow() {
        form.resize(1400, 800);
        form.show();
        form.openAtStart(QStringLiteral(VELMAR_DATA_DIR "/Schemes/demo.shm"));
        form.action("Run2")->trigger();
        form.action("Solve1")->trigger();
        form.workbench().scheme.element(4).Params[0].Varied = true;  // the lag's K
        panel = form.findChild<TParameterPanel*>();
        form.findChild<QAction*>("LiveParameters1")->trigger();
        panel->sync();
        // The recorder's graph open in the viewer, as after Enter on the recorder.
        const auto graph = recordedGraphOf(form.workbench().scheme.element(6), form.workbench().run);
        TFormGraphPg& viewer = recorderViewer(&form, 6);
        viewer.openCopies(graph->diagrams, graph->kind);
        viewer.show();
        QApplication::processEvents();
    }
};

void BM_SliderMoveRunAndRedraw(benchmark::State& state) {
    DemoWindow w;
    QSlider* slider = w.panel->slider(0);
    TFormGraphPg& viewer = recorderViewer(&w.form, 6);
    int position = 400;
    for (auto _ : state) {
        position = position == 400 ? 600 : 400;
        slider->setValue(position);
        w.panel->flush();
        w.form.repaint();
        viewer.repaint();
    }
    state.counters["runs"] = w.panel->runCount();
    state.counters["points"] = w.form.workbench().run.PointCount;
}
BENCHMARK(BM_SliderMoveRunAndRedraw)->Unit(benchmark::kMillisecond);

// The same without repainting the windows afterwards: the write, the run with its
// progress and thumbnail, the viewer given the new curves.
void BM_SliderMoveRunOnly(benchmark::State& state) {
    DemoWindow w;
    QSlider* slider = w.panel->slider(0);
    int position = 400;
    for (auto _ : state) {
        position = position == 400 ? 600 : 400;
        slider->setValue(position);
        w.panel->flush();
    }
}
BENCHMARK(BM_SliderMoveRunOnly)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return velmar::bench::RunGuiBenchmarks(argc, argv); }
