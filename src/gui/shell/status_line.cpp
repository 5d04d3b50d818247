#include "gui/shell/status_line.h"

#include "core/simulation/progress.h"
#include "gui/editor/colours.h"
#include "gui/shell/progress_strip.h"

namespace velmar::gui {

namespace {

QLabel* sidePanel(QStatusBar* bar, const char* name) {
    auto* panel = new QLabel(bar);
    panel->setObjectName(name);
    panel->setFixedWidth(67);
    panel->setAlignment(Qt::AlignCenter);
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Sunken);
    return panel;
}

// A side panel grows to the whole of a longer text (a run's time "24980.0000"), so that
// no digit is cut; it never shrinks, so that it does not jump during a run.
void fitText(QLabel* panel, const QString& text) {
    panel->setText(text);
    const int needed = panel->fontMetrics().horizontalAdvance(text) + 2 * panel->frameWidth() + 6;
    if (needed > panel->width()) panel->setFixedWidth(needed);
}

}  // namespace

StatusLine::StatusLine(QStatusBar* bar) : QObject(bar) {
    bar->setObjectName("StatusPanel");
    bar->setSizeGripEnabled(false);
    countPanel_ = sidePanel(bar, "CountPanel");
    QFont bold = countPanel_->font();
    bold.setBold(true);
    countPanel_->setFont(bold);
    strip_ = new ProgressStrip(kProgressStripWidth, bar);
    infoPanel_ = new QLabel(bar);
    infoPanel_->setObjectName("InfoPanel");
    infoPanel_->setFrameShape(QFrame::Panel);
    infoPanel_->setFrameShadow(QFrame::Sunken);
    infoPanel_->setAutoFillBackground(true);
    QPalette pal = infoPanel_->palette();
    pal.setColor(QPalette::Window, tableColour(Gray));
    infoPanel_->setPalette(pal);
    timePanel_ = sidePanel(bar, "TimePanel");
    bar->addWidget(countPanel_);
    bar->addWidget(strip_);
    bar->addWidget(infoPanel_, 1);
    bar->addPermanentWidget(timePanel_);

    statusTimer_.setObjectName("StatusTimer");
    statusTimer_.setInterval(2000);
    connect(&statusTimer_, &QTimer::timeout, this, &StatusLine::StatusTimerTimer);
    clock_.setObjectName("Timer1");
    clock_.setInterval(1000);
    connect(&clock_, &QTimer::timeout, this, &StatusLine::Timer1Timer);
    clock_.start();
    Timer1Timer();
}

void StatusLine::message(const QString& text) {
    if (statusTimer_.isActive()) {
        infoPanel_->clear();
        infoPanel_->setStyleSheet(QString());
        statusTimer_.stop();
    } else {
        infoPanel_->setStyleSheet("color: black; font-weight: bold; font-size: 10pt;");
        infoPanel_->setText(" " + text);
        statusTimer_.start();
    }
}

void StatusLine::messageNow(const QString& text) {
    statusTimer_.stop();
    message(text);
}

void StatusLine::StatusTimerTimer() { message("Hi!"); }

void StatusLine::hint(const QString& tip) {
    if (statusTimer_.isActive()) return;
    // Two blanks and the hint, bold aqua.
    infoPanel_->setStyleSheet("color: #00ffff; font-weight: bold; font-size: 10pt;");
    infoPanel_->setText(tip.isEmpty() ? QString() : "  " + tip);
}

void StatusLine::blockName(const QString& name) {
    infoPanel_->setStyleSheet("color: #00ffff; font-weight: bold; font-size: 12pt;");
    infoPanel_->setText(QString::fromUtf8(" Блок : ") + name);
}

void StatusLine::showCount(const QString& text) { fitText(countPanel_, text); }

void StatusLine::progress(const ProgressInfo& info) {
    strip_->setFill(info.filled, info.width);
    if (info.texts) {
        showCount(QString::fromStdString(info.countText));
        fitText(timePanel_, QString::fromStdString(info.timeText));
        countPanel_->repaint();
        timePanel_->repaint();
    }
}

void StatusLine::setClockShowsWork(bool on) {
    clockShowsWork_ = on;
    Timer1Timer();
}

void StatusLine::Timer1Timer() {
    const QDateTime now = QDateTime::currentDateTime();
    const QTime shown =
        clockShowsWork_ ? QTime(0, 0).addSecs(static_cast<int>(startTime_.secsTo(now))) : now.time();
    timePanel_->setText(shown.toString("hh:mm:ss"));
    timePanel_->repaint();
}

}  // namespace velmar::gui
