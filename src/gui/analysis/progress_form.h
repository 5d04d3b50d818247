// The scan's progress window `PrgBarForm` ("Progress"): one bar from 0 to the number of
// grid points. It stays beside the main window while the scan runs; Escape pressed in
// it stops the scan through the main window's key queue, and closing it does the same.
#pragma once

#include <QProgressBar>
#include <QWidget>
#include <functional>

#include "core/host.h"

namespace velmar::gui {

class TPrgBarForm : public QWidget {
    Q_OBJECT
public:
    TPrgBarForm(std::function<void()> stopScan, QWidget* owner);

    void showProgress(const ScanProgress& progress);
    QProgressBar* bar() const { return bar_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    std::function<void()> stopScan_;
    QProgressBar* bar_;
};

}  // namespace velmar::gui
