// Plays the person at windows that a command of the main window opens and waits in
// (modal dialogs, a running search): each step waits until its window is shown and its
// condition holds, then runs once; steps run in the order given.
//
// A step that fails (a QVERIFY inside it) leaves the command waiting in its window for
// a person who never comes: once the test has failed, the watch closes the windows
// commands wait in instead, so the command returns and the test ends with its failure.
#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <QtTest>
#include <deque>
#include <functional>

namespace velmar::gui {

// The windows a command waits in: a modal one, else every shown top-level window but
// the main windows.
inline void closeWaitingWindows() {
    if (QWidget* modal = QApplication::activeModalWidget()) {
        modal->close();
        return;
    }
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && !w->inherits("QMainWindow")) w->close();
}

template <typename W>
W* shownWindow(const char* name) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* window = qobject_cast<W*>(w); window && window->isVisible() && w->objectName() == name)
            return window;
    return nullptr;
}

class WindowWatch {
public:
    WindowWatch() {
        QObject::connect(&timer_, &QTimer::timeout, [this] { poll(); });
        timer_.start(5);
    }

    // Runs `step` on window `name` of class W once it is shown and `ready` holds.
    template <typename W>
    WindowWatch& on(
        const char* name, std::function<void(W&)> step,
        std::function<bool(W&)> ready = [](W&) { return true; }) {
        steps_.push_back([name, step, ready]() -> std::function<void()> {
            W* w = shownWindow<W>(name);
            if (!w || !ready(*w)) return {};
            return [w, step] { step(*w); };
        });
        return *this;
    }
    bool done() const { return steps_.empty(); }

private:
    // A step may itself wait in an event loop (a click on "&Optimize") while the next
    // step is due: it runs after the poll has returned, since a timer does not fire
    // again while its own timeout is being handled.
    void poll() {
        if (QTest::currentTestFailed()) {
            closeWaitingWindows();
            return;
        }
        if (steps_.empty() || running_) return;
        auto run = steps_.front()();
        if (!run) return;
        steps_.pop_front();
        running_ = true;
        QTimer::singleShot(0, [this, run = std::move(run)] {
            running_ = false;
            run();
        });
    }

    QTimer timer_;
    std::deque<std::function<std::function<void()>()>> steps_;
    bool running_ = false;  // a step is due to start
};

}  // namespace velmar::gui
