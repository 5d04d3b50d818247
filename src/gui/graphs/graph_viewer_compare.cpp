// The viewer's run comparison and metrics: keeping curves, their difference and the
// metrics panel.
#include <QAction>
#include <QBoxLayout>
#include <QMenuBar>
#include <QToolBar>

#include "core/graphs/curve_arithmetic.h"
#include "gui/graphs/graph_viewer.h"
#include "gui/graphs/metrics_panel.h"

namespace velmar::gui {

void TFormGraphPg::addComparisonButtons(QBoxLayout* row) {
    // A tool bar of its own, so that a narrow window folds these into its extension menu
    // instead of growing.
    auto* bar = new QToolBar(row->parentWidget());
    bar->setObjectName("ComparisonBar");
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    bar->setMovable(false);
    bar->setFocusPolicy(Qt::NoFocus);
    const struct {
        const char* name;
        const char* text;
        const char* hint;
        void (TFormGraphPg::*slot)();
    } actions[] = {
        {"Metrics1", "Metrics", "Show or hide the step-response metrics of the current curve",
         &TFormGraphPg::Metrics1Click},
        {"KeepForComparison1", "Keep for comparison",
         "Keep a copy of the current curve: it stays shown, drawn thinner, after the next run",
         &TFormGraphPg::KeepForComparison1Click},
        {"Difference1", "Difference", "The current curve minus the latest kept curve, into a free slot",
         &TFormGraphPg::Difference1Click},
    };
    for (const auto& a : actions) {
        QAction* action = bar->addAction(a.text, this, a.slot);
        action->setObjectName(a.name);
        action->setToolTip(a.hint);
        action->setCheckable(a.slot == &TFormGraphPg::Metrics1Click);  // shows whether the panel is open
        if (QWidget* button = bar->widgetForAction(action)) button->setFocusPolicy(Qt::NoFocus);
        comparisonActions_.append(action);
    }
    row->addWidget(bar, 1);
}

void TFormGraphPg::addComparisonMenu() {
    QMenu* menu = menuBar()->addMenu("Co&mpare");
    menu->menuAction()->setObjectName("Compare1");
    menu->addActions(comparisonActions_);
}

void TFormGraphPg::Metrics1Click() {
    metricsPanel_->setVisible(metricsPanel_->isHidden());
    findChild<QAction*>("Metrics1")->setChecked(!metricsPanel_->isHidden());
    refreshMetrics();
}

void TFormGraphPg::refreshMetrics() {
    // Asked of the panel itself: while the window is hidden (being filled before it is
    // shown) the panel must follow as well.
    if (!metricsPanel_->isHidden()) metricsPanel_->showSlot(slots_, slots_.current());
}

void TFormGraphPg::KeepForComparison1Click() {
    const Slot& current = slots_.currentSlot();
    // Nothing to keep, or kept already: nothing to say either.
    if (!current.present() || current.kept() || current.copyKept) return;
    if (slots_.keepCurrent() == 0) {  // no free slot, or as many kept curves as slots
        showError(kNoRoomText);
        return;
    }
    syncSlotButtons();
    slotsChanged();
}

void TFormGraphPg::Difference1Click() { arithmeticDone(differenceWithKept(slots_)); }

}  // namespace velmar::gui
