// The roots calculator `FormRooter` ("Polinom roots calculation"): the order typed
// into "Polinom order" and confirmed with OK gives a grid of the coefficients C0..Cn
// (each preset to 1); "Solve" finds the roots with the analysis core's root finder and
// writes them into the grid "Polinom Roots " (rows "Re" and "Im", columns X1..Xn),
// after which a new order may be typed. A coefficient that is not a number is reported
// and leaves both grids as they are.
#pragma once

#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QWidget>

#include "core/host.h"

namespace velmar::gui {

class TFormRooter : public QWidget {
    Q_OBJECT
public:
    TFormRooter(Host& messages, QWidget* owner);

    QLineEdit* orderEdit() const { return order_; }
    QTableWidget* coefficientGrid() const { return coefficients_; }
    QTableWidget* rootGrid() const { return roots_; }
    QPushButton* solveButton() const { return solve_; }

public slots:
    void OkBtnClick();
    void SolveBtnClick();

private:
    // Either the order is being chosen (order field and OK) or the coefficients are
    // being typed (grid and "Solve").
    void setEntering(bool coefficients);

    Host& messages_;
    QLineEdit* order_;
    QPushButton* ok_;
    QTableWidget* coefficients_;
    QPushButton* solve_;
    QTableWidget* roots_;
};

}  // namespace velmar::gui
