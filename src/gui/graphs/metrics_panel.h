// The graph viewer's metrics panel: the step-response metrics of the current curve, one
// "metric: NAME = VALUE" line each, under a heading that names the slot, the curve and
// the step level they were measured against.
#pragma once

#include <QFrame>
#include <QStringList>

#include "core/graphs/viewer_slots.h"

class QLabel;
class QPlainTextEdit;

namespace velmar::gui {

class MetricsPanel : public QFrame {
    Q_OBJECT
public:
    explicit MetricsPanel(QWidget* parent = nullptr);

    // Shows the metrics of slot n of the viewer, or says that the slot is empty or that
    // the graph is not a time run.
    void showSlot(const ViewerSlots& viewer, int n);
    // The metric lines shown (none for an empty slot).
    QStringList metricLines() const { return lines_; }
    QString heading() const;

private:
    QLabel* heading_ = nullptr;
    QPlainTextEdit* text_ = nullptr;
    QStringList lines_;
};

}  // namespace velmar::gui
