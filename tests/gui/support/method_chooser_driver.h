// Plays the person at the method chooser while a command of the main window waits in
// it: each time the chooser waits for a pick, the next step runs (a pick, or anything
// else a person does there); when no step is left, Escape leaves the chooser.
#pragma once

#include <QListWidget>
#include <QTimer>
#include <QtTest>
#include <deque>
#include <functional>

#include "gui/analysis/method_form.h"

namespace velmar::gui {

// Picks the item with this caption in the visible list the way a person would: the
// mouse pressed and released on it.
inline void clickItem(TMethodForm& chooser, const QString& caption) {
    QListWidget* list = chooser.visibleList();
    QVERIFY(list);
    const auto found = list->findItems(caption, Qt::MatchExactly);
    QVERIFY2(found.size() == 1, qPrintable(caption));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                      list->visualItemRect(found.front()).center());
}

inline void pressEscape(TMethodForm& chooser) { QTest::keyClick(chooser.visibleList(), Qt::Key_Escape); }

class ChooserDriver {
public:
    using Step = std::function<void(TMethodForm&)>;

    // Watches the chooser that `owner` (the main window) makes, or `chooser` itself.
    explicit ChooserDriver(QWidget* owner, TMethodForm* chooser = nullptr)
        : owner_(owner), chooser_(chooser) {
        QObject::connect(&timer_, &QTimer::timeout, [this] { poll(); });
        timer_.start(5);
    }

    ChooserDriver& then(Step step) {
        steps_.push_back(std::move(step));
        return *this;
    }
    // How often the chooser has waited so far, and the list it showed each time.
    int waits() const { return static_cast<int>(shown_.size()); }
    const QStringList& listsShown() const { return shown_; }

private:
    void poll() {
        TMethodForm* chooser = chooser_ ? chooser_ : owner_->findChild<TMethodForm*>("MethodForm");
        // A failed step leaves no one to pick: Escape lets the command return, and the
        // test ends with its failure instead of waiting.
        if (chooser && chooser->waiting() && QTest::currentTestFailed()) {
            pressEscape(*chooser);
            return;
        }
        if (!chooser || !chooser->waiting() || !chooser->isVisible()) return;
        // A person acts once the chooser is in front, and clicks it there when another
        // window that closed (the viewer) left none active.
        if (QApplication::activeWindow() != chooser) {
            const QWidget* modal = QApplication::activeModalWidget();
            if (!modal || modal == chooser) chooser->activateWindow();
            return;
        }
        shown_ << (chooser->visibleList() ? chooser->visibleList()->objectName() : QString());
        if (steps_.empty()) {
            pressEscape(*chooser);
            return;
        }
        const Step step = std::move(steps_.front());
        steps_.pop_front();
        step(*chooser);
    }

    QWidget* owner_;
    TMethodForm* chooser_;
    QTimer timer_;
    std::deque<Step> steps_;
    QStringList shown_;
};

}  // namespace velmar::gui
