// Plays the person at windows that a command of the main window opens and waits in
// (modal dialogs, a running search): each step waits until its window is shown and its
// condition holds, then runs once; steps run in the order given. Several steps may act
// on one showing of a window (a search started, then stopped); a step meant for the
// window's next showing says so (onNextShowing): a window that a step closes (the
// viewer's Esc) hides only once its event loop has returned, and the closing showing
// must not pass for the next.
//
// A step that fails (a QVERIFY inside it) leaves the command waiting in its window for
// a person who never comes: once the test has failed, the watch closes the windows
// commands wait in instead, so the command returns and the test ends with its failure.
#pragma once

#include <QApplication>
#include <QHash>
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

// Counts the showings of every window.
class ShowingCounter : public QObject {
public:
    ShowingCounter() { qApp->installEventFilter(this); }
    ~ShowingCounter() override { qApp->removeEventFilter(this); }
    int showings(const QWidget* w) const { return counts_.value(w); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) ++counts_[watched];
        return false;
    }

private:
    QHash<const QObject*, int> counts_;
};

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
        return add<W>(name, std::move(step), std::move(ready), false);
    }
    // Runs `step` on a showing of window `name` that no earlier step acted on.
    template <typename W>
    WindowWatch& onNextShowing(const char* name, std::function<void(W&)> step) {
        return add<W>(name, std::move(step), [](W&) { return true; }, true);
    }
    bool done() const { return steps_.empty(); }

private:
    template <typename W>
    WindowWatch& add(const char* name, std::function<void(W&)> step, std::function<bool(W&)> ready,
                     bool nextShowing) {
        steps_.push_back([this, name, step, ready, nextShowing]() -> std::function<void()> {
            W* w = shownWindow<W>(name);
            if (!w || !ready(*w)) return {};
            const std::pair<const QWidget*, int> showing{w, counter_.showings(w)};
            if (nextShowing && showing == lastShowing_) return {};
            lastShowing_ = showing;
            return [w, step] { step(*w); };
        });
        return *this;
    }

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

    ShowingCounter counter_;
    std::pair<const QWidget*, int> lastShowing_{nullptr, 0};  // the window and showing of the last step
    QTimer timer_;
    std::deque<std::function<std::function<void()>()>> steps_;
    bool running_ = false;  // a step is due to start
};

}  // namespace velmar::gui
