// The main window's shell commands that are not the scheme's: the help window and its
// topics, the block popup with its test scheme and description, the calculator and
// the about box.
#pragma once

#include <QObject>
#include <QPoint>

namespace velmar {
class Host;
}

class QMenu;

namespace velmar::gui {

class TFormMain;
class THelpForm;
class THintForm;
struct ShellState;

class ShellCommands : public QObject {
public:
    ShellCommands(TFormMain& form, ShellState& shell, Host& host);

    // Connects the Help menu, the block popup and the calculator, once they are built.
    void connectActions(QMenu* blockPopup);

    THelpForm& helpForm();
    THintForm& hintForm();
    // The help topic F1 opens: from the cell under the cursor, or the bank highlight.
    int helpContext() const;

    void showContents();
    void showIndex();
    void showHelpOnHelp();
    void showContextHelp();
    // The popup's "&About Help": the help of the regime.
    void showRegimeHelp();
    // The popup's first item, the block's name: the block's help.
    void showBlockHelp();

    // The popup of a block type (the canvas in "Run", the bank's big palette).
    void showBlockPopup(int code, QPoint globalAt);
    void loadTestScheme();
    void describeTestScheme();
    // A block chosen in the bank while a test scheme is open, and a later put-down: the
    // description then no longer fits the scheme.
    void testBlockChosen();
    void testSchemeEdited();
    void clearTestFlags();

    // A missing calculator is said in a box, naming the programs looked for: a status
    // message would be gone before anyone read it.
    void startCalculator();
    void showAbout();

private:
    void showHelp(int topic);

    TFormMain& form_;
    ShellState& shell_;
    Host& host_;
    QMenu* blockPopup_ = nullptr;  // PopupMenuHelp
};

}  // namespace velmar::gui
