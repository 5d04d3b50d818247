// Drawing the scheme: a full redraw of the 91 x 91 grid filled to the limit (255 blocks,
// line pieces in every other cell) against a cursor move on the same canvas, which
// restores one patch, saves another and draws one picture.
//
// ./build/bench/redraw (needs no display: it draws offscreen). --short for CI.
#include <benchmark/benchmark.h>

#include "gui_bench.h"

#include <QApplication>
#include <vector>

#include "core/editor/edit_processor.h"
#include "core/editor/key_codes.h"
#include "core/scripted_host.h"
#include "gui/editor/scheme_canvas.h"

namespace {

using namespace velmar;

struct FullCanvas {
    ScriptedHost host;
    Workbench wb{host};
    editor::EditorState state;
    gui::SchemeCanvas canvas{wb, state};
    editor::EditProcessor edit{wb, state, canvas};

    FullCanvas() {
        Scheme& s = wb.scheme;
        // Blocks four cells apart keep the ring rule; 255 of them fill the element list.
        for (int c = 1; c + 2 < kGridSize && s.ElementCount() < kMaxElements; c += 4)
            for (int r = 1; r + 2 < kGridSize && s.ElementCount() < kMaxElements; r += 4)
                s.PutCell(c, r, static_cast<std::uint8_t>(22 + (c + r) % 100));
        for (int c = 0; c < kGridSize; ++c)
            for (int r = 0; r < kGridSize; ++r)
                if (s.cell(c, r) == 0) s.PutCell(c, r, static_cast<std::uint8_t>(5 + (c + r) % 12));
        state.regime = editor::Regime::Edit;
        state.held = 22;
        canvas.redraw();
        edit.enter();
    }
};

FullCanvas& fullCanvas() {
    static FullCanvas canvas;
    return canvas;
}

void BM_FullRedraw(benchmark::State& state) {
    FullCanvas& f = fullCanvas();
    for (auto _ : state) f.canvas.redraw();
    state.counters["elements"] = f.wb.scheme.ElementCount();
}
BENCHMARK(BM_FullRedraw)->Unit(benchmark::kMillisecond);

void BM_CursorMove(benchmark::State& state) {
    FullCanvas& f = fullCanvas();
    f.edit.moveTo({40, 40});
    bool right = true;
    for (auto _ : state) {
        f.edit.key(right ? editor::kKeyRight : editor::kKeyLeft);
        right = !right;
    }
}
BENCHMARK(BM_CursorMove)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) { return velmar::bench::RunGuiBenchmarks(argc, argv); }
