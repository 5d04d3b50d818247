// The square-functional calculator `FormIntegral` ("Square Functional Calculation"):
// the characteristic polynomial is given by "Coeficients" or by "Roots" (the default);
// the count typed into "Roots number /  Polinom order" and confirmed with OK gives the
// grid "Caracteristic Polinom Roots/Coeficients" (one row of coefficients C0..Cn, or
// the rows "Re" and "Im" of the roots X1..Xn); "Solve" fills "Square Functional
// Coeficients" with the weights T1^2.. of the minimised functional for which the
// polynomial is optimal, as the analysis core computes them. A text that is not a
// number is reported and leaves both grids as they are. "&Close" and Esc close it.
#pragma once

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QWidget>

#include "core/host.h"

namespace velmar::gui {

class TFormIntegral : public QWidget {
    Q_OBJECT
public:
    TFormIntegral(Host& messages, QWidget* owner);

    QRadioButton* coefficientsChoice() const { return byCoefficients_; }
    QRadioButton* rootsChoice() const { return byRoots_; }
    QLineEdit* countEdit() const { return count_; }
    QTableWidget* polynomialGrid() const { return polynomial_; }
    QTableWidget* weightGrid() const { return weights_; }
    QPushButton* solveButton() const { return solve_; }

public slots:
    void OkBtnClick();
    void SolveBtnClick();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void setEntering(bool values);
    bool byRoots() const { return byRoots_->isChecked(); }

    Host& messages_;
    QRadioButton* byCoefficients_;
    QRadioButton* byRoots_;
    QLineEdit* count_;
    QPushButton* ok_;
    QTableWidget* polynomial_;
    QPushButton* solve_;
    QTableWidget* weights_;
};

}  // namespace velmar::gui
