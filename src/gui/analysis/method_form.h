// The method chooser `MethodForm` ("Methods"): the lists of methods, the formula area
// "Gear function" with W(s), the coefficient memos of the numerator (left) and the
// denominator (right), the report memo at the bottom and "&Close". After "S&ynthesis"
// the selection panel ("Roots", "Functionals", "Regulators") opens the stand-alone
// calculators.
//
// The window only shows: the items and their codes come from the analysis core's
// table, and `choose` hands back the code of the item a person picks. It stays beside
// the main window; beside the synthesis list it draws the general forms of the
// characteristic polynomial and the minimised functional. `choose` waits in a local event loop until an item is picked with
// Enter, a mouse release (or a double click) on it, or the window is left with Escape
// or "&Close", which answers MethodCode::Leave and clears the memos.
#pragma once

#include <QEventLoop>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <QWidget>
#include <map>

#include "core/host.h"
#include "gui/analysis/integral_form.h"
#include "gui/analysis/rooter_form.h"

namespace velmar::gui {

class GeneralForms;
class TransferFormula;

class TMethodForm : public QWidget {
    Q_OBJECT
public:
    // `messages` shows what the calculators opened from the selection panel say.
    TMethodForm(Host& messages, QWidget* owner);

    // Shows the window with `list` visible and focused and waits for a pick: the
    // item's method code, or MethodCode::Leave when the window is left.
    MethodCode choose(MethodList list);
    // The same with the list's item captions replaced, in order, by `captions` while
    // it waits (the harmonic sweep's "W( K3 )"); the core's captions come back after.
    MethodCode choose(MethodList list, const QStringList& captions);
    bool waiting() const { return loop_ != nullptr; }

    // The formula and the two coefficient memos, one line per coefficient.
    void showTransferFunction(const QStringList& numeratorLines, const QStringList& denominatorLines);
    void clearReport();
    void report(const QString& line);
    // The selection panel: hidden until "S&ynthesis" has been given.
    void setSelectionShown(bool shown);

    QListWidget* list(MethodList which) const { return lists_.at(which); }
    QListWidget* visibleList() const;
    QPlainTextEdit* leftMemo() const { return leftMemo_; }
    QPlainTextEdit* rightMemo() const { return rightMemo_; }
    QPlainTextEdit* reportMemo() const { return reportMemo_; }
    TransferFormula* formula() const { return formula_; }
    QGroupBox* selectionPanel() const { return selection_; }
    // The calculator opened by the "Roots" choice; null before.
    TFormRooter* rooter() const { return rooter_; }
    // The calculator opened by the "Functionals" choice; null before.
    TFormIntegral* integral() const { return integral_; }
    // The general forms drawn while the synthesis list is shown.
    GeneralForms* generalForms() const { return generalForms_; }

public slots:
    void CloseBitBtnClick();
    // Opens the window of the checked choice; "Regulators" answers the waiting chooser
    // with the two-regulator structure's code.
    void SelectBitBtnClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QListWidget* addList(MethodList which, const char* name);
    void pick(const QListWidgetItem* item);
    // Ends the wait of `choose` with this answer.
    void finish(MethodCode code);
    void clearMemos();
    void showBesideOwner();

    Host& messages_;
    std::map<MethodList, QListWidget*> lists_;
    TransferFormula* formula_;
    QLabel* labelRF_;
    QPlainTextEdit* leftMemo_;
    QPlainTextEdit* rightMemo_;
    QPlainTextEdit* reportMemo_;
    QGroupBox* selection_;
    QRadioButton* rootsChoice_;
    QRadioButton* functionalsChoice_;
    QRadioButton* regulatorsChoice_;
    QPointer<TFormRooter> rooter_;
    QPointer<TFormIntegral> integral_;
    GeneralForms* generalForms_;

    QEventLoop* loop_ = nullptr;  // set while `choose` waits
    MethodCode answer_ = MethodCode::Leave;
    bool placed_ = false;  // put beside the main window once; then where the person left it
    // Mouse picking: the item pressed, and whether the click already picked (so that
    // the second half of a double click does not pick again).
    const QListWidgetItem* pressed_ = nullptr;
    bool clickPicked_ = false;
};

}  // namespace velmar::gui
