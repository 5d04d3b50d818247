#include "gui/analysis/rooter_form.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QVBoxLayout>

#include "core/analysis/roots_list.h"
#include "gui/analysis/named_label.h"
#include "gui/analysis/string_grids.h"

namespace velmar::gui {

TFormRooter::TFormRooter(Host& messages, QWidget* owner) : QWidget(owner, Qt::Window), messages_(messages) {
    setObjectName("FormRooter");
    setWindowTitle("Polinom roots calculation");
    setAttribute(Qt::WA_QuitOnClose, false);
    auto* outer = new QVBoxLayout(this);

    auto* orderRow = new QHBoxLayout;
    orderRow->addWidget(namedLabel(this, "OrderLabel", "Polinom order"));
    order_ = new QLineEdit("2", this);
    order_->setObjectName("OrderEdit");
    order_->setMaximumWidth(80);
    orderRow->addWidget(order_);
    ok_ = new QPushButton("OK", this);
    ok_->setObjectName("OkBtn");
    connect(ok_, &QPushButton::clicked, this, &TFormRooter::OkBtnClick);
    connect(order_, &QLineEdit::returnPressed, this, &TFormRooter::OkBtnClick);
    orderRow->addWidget(ok_);
    orderRow->addStretch(1);
    outer->addLayout(orderRow);

    outer->addWidget(namedLabel(this, "CoefficientsLabel", "Polinom Coefificents "));
    coefficients_ = calculatorGrid(this, "CoeffGrid", 1);
    coefficients_->verticalHeader()->hide();
    outer->addWidget(coefficients_);
    solve_ = new QPushButton("Solve", this);
    solve_->setObjectName("SolveBtn");
    connect(solve_, &QPushButton::clicked, this, &TFormRooter::SolveBtnClick);
    outer->addWidget(solve_, 0, Qt::AlignLeft);

    outer->addWidget(namedLabel(this, "RootsLabel", "Polinom Roots "));
    roots_ = calculatorGrid(this, "RootsGrid", 2);
    roots_->setVerticalHeaderLabels({"Re", "Im"});
    roots_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    outer->addWidget(roots_);
    outer->addStretch(1);

    setEntering(false);
    resize(460, 300);
}

void TFormRooter::setEntering(bool coefficients) {
    order_->setEnabled(!coefficients);
    ok_->setEnabled(!coefficients);
    coefficients_->setEnabled(coefficients);
    solve_->setEnabled(coefficients);
    roots_->setEnabled(coefficients);
}

void TFormRooter::OkBtnClick() {
    const auto order = rooterOrder(messages_, order_->text().toStdString());
    if (!order) return;
    coefficients_->setColumnCount(*order + 1);
    coefficients_->setHorizontalHeaderLabels(headerTexts(rooterCoefficientHeaders(*order)));
    for (int i = 0; i <= *order; ++i) coefficients_->setItem(0, i, new QTableWidgetItem("1"));
    roots_->clearContents();
    roots_->setColumnCount(*order);
    roots_->setHorizontalHeaderLabels(headerTexts(rooterRootHeaders(*order)));
    setEntering(true);
    coefficients_->setCurrentCell(0, 0);
    coefficients_->setFocus();
}

void TFormRooter::SolveBtnClick() {
    const auto rows = solveRooter(messages_, rowTexts(*coefficients_, 0));
    if (!rows) return;
    roots_->clearContents();
    for (std::size_t k = 0; k < rows->re.size(); ++k) {
        const int column = static_cast<int>(k);
        roots_->setItem(0, column, new QTableWidgetItem(QString::fromStdString(rows->re[k])));
        roots_->setItem(1, column, new QTableWidgetItem(QString::fromStdString(rows->im[k])));
    }
    coefficients_->clearSelection();
    setEntering(false);
    order_->setFocus();
    order_->selectAll();
}

}  // namespace velmar::gui
