#include "gui/shell/window_options.h"

#include <QToolBar>

#include "gui/shell/action_handlers.h"
#include "gui/shell/caption_editor.h"
#include "gui/shell/form_main.h"

namespace velmar::gui {

namespace {

// clang-format off
constexpr ActionHandler<WindowOptions> kHandlers[] = {
    {"N23", &WindowOptions::switchAutoArrows}, {"N24", &WindowOptions::switchNames},
    {"N25", &WindowOptions::switchLabels}, {"N27", &WindowOptions::switchCentreChosen},
    {"CurrentTime1", &WindowOptions::showCurrentTime}, {"TimeOfWork1", &WindowOptions::showTimeOfWork},
    {"TimeOfProgress1", &WindowOptions::switchTimeOfProgress},
    {"ShowSpeedBar1", &WindowOptions::switchSpeedBar}, {"ShowHints1", &WindowOptions::switchHints},
};
// clang-format on

}  // namespace

WindowOptions::WindowOptions(TFormMain& form, QToolBar& speedBar)
    : QObject(&form), form_(form), speedBar_(speedBar) {
    connectHandlers(form.actions(), *this, kHandlers);
}

bool WindowOptions::checked(const char* item) const { return form_.action(item)->isChecked(); }

void WindowOptions::switchAutoArrows() { form_.editorState().autoArrows = checked("N23"); }

void WindowOptions::switchNames() {
    form_.editorState().captions.showNames = checked("N24");
    form_.discrip().syncChecks();
    form_.redrawAll();
}

void WindowOptions::switchLabels() {
    form_.editorState().captions.showLabels = checked("N25");
    form_.discrip().syncChecks();
    form_.redrawAll();
}

void WindowOptions::switchCentreChosen() { form_.editorState().centreChosen = checked("N27"); }

void WindowOptions::switchSpeedBar() { speedBar_.setVisible(checked("ShowSpeedBar1")); }

void WindowOptions::switchHints() {
    const bool on = checked("ShowHints1");
    for (QAction* a : speedBar_.actions())
        if (QWidget* w = speedBar_.widgetForAction(a)) w->setToolTip(on ? a->toolTip() : QString());
}

void WindowOptions::switchTimeOfProgress() {
    form_.workbench().settings.TimeOfProgress = checked("TimeOfProgress1");
}

void WindowOptions::showCurrentTime() { form_.statusLine().setClockShowsWork(false); }

void WindowOptions::showTimeOfWork() { form_.statusLine().setClockShowsWork(true); }

}  // namespace velmar::gui
