// Windows of value pages (Host::askValuePages): "System Parameters" (`TformSysP`), the
// plant polynomials page by page with "<< Back" and "Next >>", and the Ti values window
// (`TiValuesForm`), one page with "Ok". A page shows its count field, its values in a
// one-row grid and its check box. A count typed resizes the grid; a malformed number
// says "-неправильный формат числа" under the grid while it is typed, and the caller's
// check runs on "Next >>" for the page and on confirming for every page: its answer
// ("Неправильный формат числа") goes to the message box and the window stays.
#pragma once

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTableWidget>
#include <vector>

#include "core/host.h"

namespace velmar::gui {

class ValueListPage : public QWidget {
    Q_OBJECT
public:
    ValueListPage(const ValueList& list, QWidget* parent);

    // Resizes the grid to the count typed; a count that is no number leaves it.
    void applyCount();
    // The page as typed, and its rows for the check: the count, the check box (0 or 1)
    // and the values by their names.
    ValueList typed() const;
    std::vector<ValueRow> rows() const;

    QLineEdit* countEdit() const { return count_; }
    QTableWidget* grid() const { return grid_; }
    QCheckBox* checkBox() const { return check_; }
    QLabel* problemLabel() const { return problem_; }

private:
    void fillGrid();
    void showProblem(const QString& text, bool editing);

    ValueList list_;
    QLineEdit* count_ = nullptr;
    QTableWidget* grid_;
    QCheckBox* check_ = nullptr;
    QLabel* problem_;
};

class ValuePagesForm : public QDialog {
    Q_OBJECT
public:
    // `messages` shows the check's answers.
    ValuePagesForm(std::vector<ValueList>& pages, const RowCheck& check, Host& messages, QWidget* owner);

    int pageCount() const { return pages_->count(); }
    int currentPage() const { return pages_->currentIndex(); }
    ValueListPage* page(int k) const { return static_cast<ValueListPage*>(pages_->widget(k)); }
    QPushButton* backButton() const { return back_; }
    QPushButton* nextButton() const { return next_; }
    QPushButton* okButton() const { return ok_; }

public slots:
    void BackBtnClick();
    void NextBtnClick();
    void OkBtnClick();

private:
    // Runs the check on these pages' rows; false (after the message) when refused.
    bool accepted(int first, int last);
    void showPage(int k);

    std::vector<ValueList>& result_;
    RowCheck check_;
    Host& messages_;
    QStackedWidget* pages_;
    QPushButton* back_;
    QPushButton* next_;
    QPushButton* ok_;
};

// "System Parameters".
class TformSysP : public ValuePagesForm {
    Q_OBJECT
public:
    TformSysP(std::vector<ValueList>& pages, const RowCheck& check, Host& messages, QWidget* owner);
};

// The Ti values window: "Задайте кол-во значений Тi" (default "4"), the values, the
// check box "Визуализировать графики для каждого значения Тi" and "Ok".
class TiValuesForm : public ValuePagesForm {
    Q_OBJECT
public:
    TiValuesForm(std::vector<ValueList>& pages, const RowCheck& check, Host& messages, QWidget* owner);
};

}  // namespace velmar::gui
