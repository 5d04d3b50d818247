// The optimisation window `OptimizationForm` ("Optimization"), opened by Enter on an
// optimisation block (47) in Run. The page "Criteria" holds the "Сriteria" and
// "&Method" radio groups and the live read-out of the search (the evaluation count and
// the current criterion value); the page "User Criterion", shown for criterion 5 only,
// holds the expression, the "Var"/"Parameter" grid and the error field. "&Optimize"
// runs the session's search, "&Cancel" closes the window without optimising.
//
// Every decision is the session's (workbench/optimisation_session.h): the window shows
// its state and hands the person's choices to it. Escape while the search runs (and
// "&Cancel" or closing the window then) stops the search at its next evaluation through
// the main window's key queue; the window stays usable afterwards, and a close asked
// for during the search happens once the search has stopped.
#pragma once

#include <QButtonGroup>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <functional>

#include "core/workbench/optimisation_session.h"

namespace velmar::gui {

class TOptimizationForm : public QDialog {
    Q_OBJECT
public:
    // `stopSearch` puts Escape into the key queue the search polls; `messages` shows a
    // floating-point fault that ends the search.
    TOptimizationForm(OptimisationSession& session, Host& messages, std::function<void()> stopSearch,
                      QWidget* owner);

    // One evaluation of the running search: its count and value.
    void showProgress(int evaluations, Extended value);
    bool searching() const { return searching_; }

    QButtonGroup* criteria() const { return criteria_; }
    QButtonGroup* methods() const { return methods_; }
    QTabWidget* pages() const { return pages_; }
    QLineEdit* expressionEdit() const { return expression_; }
    QTableWidget* variableGrid() const { return variables_; }
    QLabel* errorField() const { return error_; }
    QLabel* evaluationsLabel() const { return evaluations_; }
    QLabel* valueLabel() const { return value_; }
    QPushButton* optimizeButton() const { return optimize_; }
    QPushButton* cancelButton() const { return cancel_; }

public slots:
    void OptimizeBtnClick();
    void CancelBtnClick();
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // Puts the session's criterion, method and page state on the widgets.
    void showChoices();
    void fillVariables();
    void setSearching(bool on);
    void stop();

    OptimisationSession& session_;
    Host& messages_;
    std::function<void()> stopSearch_;
    QTabWidget* pages_;
    QButtonGroup* criteria_;
    QButtonGroup* methods_;
    QWidget* criteriaBox_;
    QWidget* methodBox_;
    QLineEdit* expression_;
    QTableWidget* variables_;
    QLabel* error_;
    QLabel* evaluations_;
    QLabel* value_;
    QPushButton* optimize_;
    QPushButton* cancel_;
    bool searching_ = false;
    bool closeAfterSearch_ = false;
};

}  // namespace velmar::gui
