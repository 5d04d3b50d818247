#include "gui/analysis/progress_form.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QVBoxLayout>
#include <algorithm>

namespace velmar::gui {

TPrgBarForm::TPrgBarForm(std::function<void()> stopScan, QWidget* owner)
    : QWidget(owner, Qt::Window), stopScan_(std::move(stopScan)) {
    setObjectName("PrgBarForm");
    setWindowTitle("Progress");
    setAttribute(Qt::WA_QuitOnClose, false);
    auto* column = new QVBoxLayout(this);
    bar_ = new QProgressBar(this);
    bar_->setObjectName("ProgressBar");
    column->addWidget(bar_);
    resize(320, 60);
}

void TPrgBarForm::showProgress(const ScanProgress& progress) {
    bar_->setRange(0, std::max(progress.maximum, 1));
    bar_->setValue(progress.position);
    if (progress.finished) {
        hide();
        return;
    }
    if (!isVisible()) {
        show();
        raise();
        activateWindow();
    }
}

void TPrgBarForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) stopScan_();
    else QWidget::keyPressEvent(event);
}

void TPrgBarForm::closeEvent(QCloseEvent* event) {
    // The window goes when the scan has stopped; until then closing it stops the scan.
    stopScan_();
    event->ignore();
}

}  // namespace velmar::gui
