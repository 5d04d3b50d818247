// The status line `StatusPanel` of the main window: `CountPanel` shows the regime (and
// the point count of a run), the progress strip, `InfoPanel` shows hints and status
// messages, `TimePanel` the clock.
#pragma once

#include <QDateTime>
#include <QLabel>
#include <QObject>
#include <QStatusBar>
#include <QTimer>

#include "core/host.h"

namespace velmar::gui {

class ProgressStrip;

class StatusLine : public QObject {
    Q_OBJECT
public:
    explicit StatusLine(QStatusBar* bar);

    QString countText() const { return countPanel_->text(); }
    QString infoText() const { return infoPanel_->text(); }
    // The count panel's text; the panel grows to show it whole.
    void showCount(const QString& text);
    // A status message stays about two seconds; a second one within them clears the
    // panel instead.
    void message(const QString& text);
    // A status message shown whatever was shown before: for what the user must see.
    void messageNow(const QString& text);
    // The hint of a menu item or speed button, unless a status message is showing.
    void hint(const QString& tip);
    // The name of the block under the mouse in the bank.
    void blockName(const QString& name);
    // Progress of a run: the strip and, with `texts`, the count and time panels.
    void progress(const ProgressInfo& info);
    // The clock shows the current time or the time of work since start-up.
    bool clockShowsWork() const { return clockShowsWork_; }
    void setClockShowsWork(bool on);
    void stopClock() { clock_.stop(); }

public slots:
    void StatusTimerTimer();
    void Timer1Timer();

private:
    QLabel* countPanel_ = nullptr;
    QLabel* infoPanel_ = nullptr;
    QLabel* timePanel_ = nullptr;
    ProgressStrip* strip_ = nullptr;
    QTimer statusTimer_;
    QTimer clock_;
    QDateTime startTime_ = QDateTime::currentDateTime();
    bool clockShowsWork_ = false;
};

}  // namespace velmar::gui
