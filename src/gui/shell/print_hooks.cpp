// The File menu's print items: the scheme composed black on white, previewed or
// printed through the program's print preview and printer.
#include "gui/shell/print_hooks.h"

#include "gui/print/preview_form.h"
#include "gui/shell/form_main.h"

namespace velmar::gui {

void printCommand(TFormMain& form, PrintCommand command) {
    if (command == PrintCommand::Setup) {
        PrinterSetup(&form);
        return;
    }
    form.redrawAll();
    form.statusMessage("Printing...");
    if (command == PrintCommand::Preview)
        PrintPreviewScheme(&form, form.canvas().image(), form.workbench().scheme);
    else PrintScheme(&form, form.canvas().image(), form.workbench().scheme);
    form.statusMessage(QString());  // a second message clears the line
}

}  // namespace velmar::gui
