// Gives the keyboard back to the canvas when a window the workbench opened closes (a
// message box, a dialog, a graph viewer). Without a window manager, and with some,
// nothing is active after such a window goes, and the main window's keys (Ctrl+S, Del,
// the arrows) would do nothing until the canvas is clicked. A click on the canvas takes
// the keys back from a floating panel.
#pragma once

#include <QObject>
#include <QPointer>

class QWidget;

namespace velmar::gui {

class FocusReturn : public QObject {
public:
    // Watches every window of the application for `main`, whose keys go to `canvas`.
    FocusReturn(QWidget& main, QWidget& canvas);
    ~FocusReturn() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Once the closing is over: the canvas takes the focus unless another window, or a
    // control of the main window, has it.
    void settle();

    QWidget& main_;
    QPointer<QWidget> canvas_;
    int shown_ = 0;  // windows shown so far
};

}  // namespace velmar::gui
