// The print items of the File menu: the scheme composed black on white, previewed or
// printed.
#pragma once

namespace velmar::gui {

class TFormMain;

enum class PrintCommand { Preview, Setup, Print };

void printCommand(TFormMain& form, PrintCommand command);

}  // namespace velmar::gui
