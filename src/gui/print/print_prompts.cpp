#include "gui/print/print_prompts.h"

#include <QDesktopServices>
#include <QDir>
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

}  // namespace

PrintPrompts& printPrompts() {
    static PrintPrompts prompts{runPrintDialog, runSetupDialog, openWithDesktop};
    return prompts;
}

}  // namespace velmar::gui
