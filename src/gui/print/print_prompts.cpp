#include "gui/print/print_prompts.h"

#include <QDesktopServices>
#include <QDir>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QUrl>
#include <memory>

namespace velmar::gui {

QPrinter& sharedPrinter() {
    static const std::unique_ptr<QPrinter> printer = [] {
        auto p = std::make_unique<QPrinter>(QPrinter::HighResolution);
        if (QPrinterInfo::availablePrinters().isEmpty()) {
            p->setOutputFormat(QPrinter::PdfFormat);
            p->setOutputFileName(QDir::home().filePath("velmar-print.pdf"));
        }
        return p;
    }();
    return *printer;
}

namespace {

bool runPrintDialog(QPrinter& printer, QWidget* parent) {
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

void runSetupDialog(QPrinter& printer, QWidget* parent) {
    QPageSetupDialog dialog(&printer, parent);
    dialog.exec();
}

bool openWithDesktop(const QString& path) { return QDesktopServices::openUrl(QUrl::fromLocalFile(path)); }

void messageBox(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Information, QString(), text, QMessageBox::Ok, parent);
    box.exec();
}

}  // namespace

PrintPrompts& printPrompts() {
    static PrintPrompts prompts{runPrintDialog, runSetupDialog, openWithDesktop, messageBox};
    return prompts;
}

PrintOutcome printThroughDialog(QPrinter& printer, QWidget* parent,
                                const std::function<bool(QPrinter&)>& print) {
    if (!printPrompts().print(printer, parent)) return PrintOutcome::Cancelled;
    return print(printer) ? PrintOutcome::Printed : PrintOutcome::Failed;
}

QString printOutcomeText(PrintOutcome outcome, const QPrinter& printer) {
    if (outcome == PrintOutcome::Failed) return "The printer could not print the picture";
    if (outcome == PrintOutcome::Printed && printer.outputFormat() == QPrinter::PdfFormat)
        return "Printed to " + QDir::toNativeSeparators(printer.outputFileName());
    return outcome == PrintOutcome::Printed ? QString("Printed") : QString();
}

bool printAndTell(QPrinter& printer, QWidget* parent, const std::function<bool(QPrinter&)>& print) {
    const PrintOutcome outcome = printThroughDialog(printer, parent, print);
    if (outcome != PrintOutcome::Cancelled) printPrompts().tell(parent, printOutcomeText(outcome, printer));
    return outcome == PrintOutcome::Printed;
}

}  // namespace velmar::gui
