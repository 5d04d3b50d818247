#include "gui/shell/focus_return.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace velmar::gui {

FocusReturn::FocusReturn(QWidget& main, QWidget& canvas) : QObject(&main), main_(main), canvas_(&canvas) {
    canvas.setFocusPolicy(Qt::ClickFocus);  // a click on the canvas takes the keys from a panel
    qApp->installEventFilter(this);
}

FocusReturn::~FocusReturn() { qApp->removeEventFilter(this); }

namespace {

// Menus, tooltips, the splash and floating panels hand the focus back themselves.
bool ignored(Qt::WindowType kind) {
    return kind == Qt::Popup || kind == Qt::ToolTip || kind == Qt::SplashScreen || kind == Qt::Tool;
}

}  // namespace

bool FocusReturn::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    // A click on the canvas while a floating panel is the active window brings the keys
    // back to the canvas, also where no window manager activates the window clicked.
    if (type == QEvent::MouseButtonPress && watched == canvas_.data() && !main_.isActiveWindow()) {
        main_.activateWindow();
        canvas_->setFocus(Qt::MouseFocusReason);
        return false;
    }
    if ((type != QEvent::Show && type != QEvent::Hide) || !watched->isWidgetType()) return false;
    const auto* w = static_cast<QWidget*>(watched);
    if (!w->isWindow() || w == &main_ || ignored(w->windowType())) return false;
    if (type == QEvent::Show) {
        ++shown_;
    } else {
        // A window shown meanwhile (the viewer after the dialog that asked its range)
        // takes the keys instead.
        const int shownBefore = shown_;
        QTimer::singleShot(0, this, [this, shownBefore] {
            if (shown_ == shownBefore) settle();
        });
    }
    return false;
}

void FocusReturn::settle() {
    if (canvas_.isNull() || !main_.isVisible() || QApplication::activeModalWidget() != nullptr ||
        QApplication::activePopupWidget() != nullptr)
        return;
    const QWidget* active = QApplication::activeWindow();
    if (active != nullptr && active != &main_) return;  // another window took over
    // Another window of the workbench is still up (a chooser a command waits in, a
    // viewer): it may be about to take the keys back itself.
    for (const QWidget* w : QApplication::topLevelWidgets())
        if (w != &main_ && w->isVisible() && !ignored(w->windowType())) return;
    if (active == &main_ && QApplication::focusWidget() != nullptr) return;
    main_.activateWindow();
    canvas_->setFocus(Qt::OtherFocusReason);
}

}  // namespace velmar::gui
