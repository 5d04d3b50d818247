// The File menu's print items: the scheme drawn black on white, previewed or printed
// through the program's print preview and printer.
#include "gui/shell/print_hooks.h"

#include <QDir>
#include <QPrinter>

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
    bool printed = false;
    if (command == PrintCommand::Preview) PrintPreviewScheme(&form, picture, form.workbench().scheme);
    else printed = PrintScheme(&form, picture, form.workbench().scheme);
    form.statusMessage(QString());  // a second message clears the line
    const QPrinter& printer = sharedPrinter();
    if (printed && printer.outputFormat() == QPrinter::PdfFormat)
        form.statusLine().messageNow("Printed to " + QDir::toNativeSeparators(printer.outputFileName()));
}

}  // namespace velmar::gui
