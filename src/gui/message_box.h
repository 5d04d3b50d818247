// The program's message boxes are at least as wide as their titles need beside the
// window manager's buttons, so that a short text does not cut the title to
// "Соо...ние".
#pragma once

#include <QMessageBox>

namespace velmar::gui {

// Widens the box, before it is shown, to show its title whole.
void fitTitle(QMessageBox& box);

// The smallest width that shows `title` whole.
int titleWidth(const QString& title);

}  // namespace velmar::gui
