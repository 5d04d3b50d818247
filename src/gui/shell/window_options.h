// The main window's switches of the Tools and Options menus: the automatic arrows, the
// block names and labels, the chosen block in the centre, the speed bar and its hints,
// the clock and the time of progress. Each follows its item's check mark.
#pragma once

#include <QObject>

class QToolBar;

namespace velmar::gui {

class TFormMain;

class WindowOptions : public QObject {
public:
    WindowOptions(TFormMain& form, QToolBar& speedBar);

    void switchAutoArrows();
    void switchNames();
    void switchLabels();
    void switchCentreChosen();
    void switchSpeedBar();
    void switchHints();
    void switchTimeOfProgress();
    void showCurrentTime();
    void showTimeOfWork();

private:
    bool checked(const char* item) const;

    TFormMain& form_;
    QToolBar& speedBar_;
};

}  // namespace velmar::gui
