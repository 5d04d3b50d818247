// The program's one printer, shared by every print command, and the dialogs around
// printing. The defaults show Qt's print and page set-up dialogs and hand a picture to
// the desktop's default program for it; tests replace the members.
#pragma once

#include <QString>
#include <functional>

class QPrinter;
class QWidget;

namespace velmar::gui {

// Made on first use. Without an installed printer it prints into a PDF file in the
// home folder, which the print dialog lets the user rename.
QPrinter& sharedPrinter();

struct PrintPrompts {
    // The print dialog; false when cancelled.
    std::function<bool(QPrinter& printer, QWidget* parent)> print;
    // The printer set-up (page) dialog.
    std::function<void(QPrinter& printer, QWidget* parent)> setup;
    // Opens a picture file in the user's image program.
    std::function<bool(const QString& path)> openPicture;
    // Tells how a print went (a message box).
    std::function<void(QWidget* parent, const QString& text)> tell;
};

PrintPrompts& printPrompts();

enum class PrintOutcome { Cancelled, Printed, Failed };

// Runs the print dialog over `printer` and, when it is confirmed, `print` on it.
PrintOutcome printThroughDialog(QPrinter& printer, QWidget* parent,
                                const std::function<bool(QPrinter&)>& print);
// What to tell of a print that was not cancelled: where a print into a file went, or
// that the printer failed.
QString printOutcomeText(PrintOutcome outcome, const QPrinter& printer);
// Both, telling the outcome through `tell`; true when printed.
bool printAndTell(QPrinter& printer, QWidget* parent, const std::function<bool(QPrinter&)>& print);

}  // namespace velmar::gui
