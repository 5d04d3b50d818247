// The File menu's print items: the scheme drawn black on white, previewed or printed
// through the program's print preview and printer.
#include "gui/shell/print_hooks.h"

#include "gui/print/preview_form.h"
#include "gui/print/print_prompts.h"
#include "gui/shell/form_main.h"

namespace velmar::gui {

void printCommand(TFormMain& form, PrintCommand command) {
    if (command == PrintCommand::Setup) {
        PrinterSetup(&form);
        return;
    }
    form.statusMessage("Printing...");
    const QImage picture = form.canvas().printPicture();
    PrintOutcome outcome = PrintOutcome::Cancelled;
    if (command == PrintCommand::Preview) PrintPreviewScheme(&form, picture, form.workbench().scheme);
    else outcome = PrintScheme(&form, picture, form.workbench().scheme);
    form.statusMessage(QString());  // a second message clears the line
    if (outcome != PrintOutcome::Cancelled)
        form.statusLine().messageNow(printOutcomeText(outcome, sharedPrinter()));
}

}  // namespace velmar::gui
