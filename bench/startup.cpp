// Start-up: from nothing to a drawn main window on the demo scheme, the way
// `velmar data/Schemes/demo.shm` starts: the application, the main window, the demo
// opened, the window shown maximised and its canvas painted once.
//
// ./build/bench/startup prints the cold start (the process's own start, the
// application, the first window) and then times later windows as a benchmark. It needs
// no display (it draws offscreen unless QT_QPA_PLATFORM says otherwise). --short for CI.
#include <benchmark/benchmark.h>

#include "gui_bench.h"

#include <unistd.h>
#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QWidget>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "gui/shell/form_main.h"

namespace {

const QString kDemo = QStringLiteral(VELMAR_DATA_DIR "/Schemes/demo.shm");

// Seconds since the process began, from the process table (to a clock tick).
double processSeconds() {
    std::ifstream statFile("/proc/self/stat"), uptimeFile("/proc/uptime");
    std::string stat;
    std::getline(statFile, stat);
    // After the command name in parentheses come the fields from the third on; the
    // start time is the 22nd.
    std::istringstream fields(stat.substr(stat.rfind(')') + 1));
    std::string field;
    for (int i = 3; i < 22; ++i) fields >> field;
    double startTicks = 0, uptime = 0;
    fields >> startTicks;
    uptimeFile >> uptime;
    return uptime - startTicks / static_cast<double>(sysconf(_SC_CLK_TCK));
}

// Waits until a widget has been painted.
class PaintWatch : public QObject {
public:
    explicit PaintWatch(QWidget* w) { w->installEventFilter(this); }
    bool painted = false;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) painted = true;
        return false;
    }
};

// One main window on the demo, shown and drawn; it is closed again on return.
void startWindow() {
    velmar::gui::TFormMain form;
    form.openAtStart(kDemo);
    PaintWatch watch(form.findChild<QWidget*>("ImageMain"));
    form.showMaximized();
    while (!watch.painted) QApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
}

void BM_WarmStartUp(benchmark::State& state) {
    for (auto _ : state) startWindow();
}
BENCHMARK(BM_WarmStartUp)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    const double beforeMain = processSeconds();
    QElapsedTimer clock;
    clock.start();
    velmar::bench::GuiArguments arguments = velmar::bench::TakeGuiArguments(argc, argv);
    QApplication app(arguments.count, arguments.args.data());
    const qint64 application = clock.elapsed();
    startWindow();
    const qint64 firstWindow = clock.elapsed() - application;
    std::cout << "cold start-up to a drawn main window on the demo: " << beforeMain * 1000 + clock.elapsed()
              << " ms (process start " << beforeMain * 1000 << " ms, application " << application
              << " ms, first window " << firstWindow << " ms)\n";
    return velmar::bench::RunGuiBenchmarks(arguments);
}
