// The main program of the benchmarks that draw with the workbench's windows: the
// arguments without --short (these programs are short already), an offscreen platform
// unless one is chosen, the application, then Google Benchmark.
#pragma once

#include <benchmark/benchmark.h>

#include <QApplication>
#include <vector>

#include "short_mode.h"

namespace velmar::bench {

struct GuiArguments {
    std::vector<char*> args;
    int count = 0;
};

inline GuiArguments TakeGuiArguments(int argc, char** argv) {
    GuiArguments a;
    TakeShortMode(argc, argv, a.args);
    a.count = static_cast<int>(a.args.size());
    if (qgetenv("QT_QPA_PLATFORM").isEmpty()) qputenv("QT_QPA_PLATFORM", "offscreen");
    return a;
}

// Runs the registered benchmarks; `a` must be what the application was made with.
inline int RunGuiBenchmarks(GuiArguments& a) {
    benchmark::Initialize(&a.count, a.args.data());
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

inline int RunGuiBenchmarks(int argc, char** argv) {
    GuiArguments a = TakeGuiArguments(argc, argv);
    QApplication app(a.count, a.args.data());
    return RunGuiBenchmarks(a);
}

}  // namespace velmar::bench
