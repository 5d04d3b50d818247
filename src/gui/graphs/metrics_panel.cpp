#include "gui/graphs/metrics_panel.h"

#include <QFontDatabase>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "core/graphs/graph_texts.h"
#include "core/graphs/step_metrics.h"
#include "core/numtext.h"

namespace velmar::gui {

MetricsPanel::MetricsPanel(QWidget* parent) : QFrame(parent) {
    setObjectName("MetricsPanel");
    setFrameStyle(QFrame::StyledPanel);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(4, 4, 4, 4);
    heading_ = new QLabel(this);
    heading_->setObjectName("MetricsHeading");
    text_ = new QPlainTextEdit(this);
    text_->setObjectName("MetricsText");
    text_->setReadOnly(true);
    text_->setFocusPolicy(Qt::NoFocus);
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    text_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    column->addWidget(heading_);
    column->addWidget(text_, 1);
    // Room for the longest line, "metric: steady_state_error = " and a 17-digit number.
    const int line = text_->fontMetrics().horizontalAdvance(QString(52, 'x'));
    text_->setMinimumWidth(line + 2 * text_->frameWidth() + 8);
}

QString MetricsPanel::heading() const { return heading_->text(); }

void MetricsPanel::showSlot(const ViewerSlots& viewer, int n) {
    lines_.clear();
    const Slot& s = viewer.slot(n);
    if (!s.present()) {
        heading_->setText(QString("Slot %1 is empty").arg(n));
        text_->clear();
        return;
    }
    // Rise, overshoot and settling describe a run in time, not a characteristic.
    if (viewer.kind() != kTimeResponseKind) {
        heading_->setText(QString("Slot %1: %2\nnot a step response")
                              .arg(n)
                              .arg(QString::fromStdString(viewer.legendText(n))));
        text_->clear();
        return;
    }
    const std::optional<Extended> level = viewer.stepLevel(n);
    heading_->setText(QString("Slot %1: %2\nStep level %3%4")
                          .arg(n)
                          .arg(QString::fromStdString(viewer.legendText(n)))
                          .arg(QString::fromStdString(significantText(level.value_or(1), 17)))
                          .arg(level ? QString(" (the scheme's step input)") : QString(" (assumed)")));
    for (const std::string& line : velmar::metricLines(stepMetrics(s.diagram, level.value_or(1))))
        lines_ << QString::fromStdString(line);
    text_->setPlainText(lines_.join('\n'));
}

}  // namespace velmar::gui
