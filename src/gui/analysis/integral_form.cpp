#include "gui/analysis/integral_form.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QVBoxLayout>

#include "core/analysis/square_functional.h"
#include "gui/analysis/named_label.h"
#include "gui/analysis/string_grids.h"

namespace velmar::gui {

TFormIntegral::TFormIntegral(Host& messages, QWidget* owner)
    : QWidget(owner, Qt::Window), messages_(messages) {
    setObjectName("FormIntegral");
    setWindowTitle("Square Functional Calculation");
    setAttribute(Qt::WA_QuitOnClose, false);
    auto* outer = new QVBoxLayout(this);

    auto* top = new QHBoxLayout;
    auto* source = new QGroupBox(this);
    source->setObjectName("SourceGroup");
    auto* choices = new QVBoxLayout(source);
    byCoefficients_ = new QRadioButton("Coeficients", source);
    byCoefficients_->setObjectName("CoefficientsRadio");
    byRoots_ = new QRadioButton("Roots", source);
    byRoots_->setObjectName("RootsRadio");
    byRoots_->setChecked(true);
    choices->addWidget(byCoefficients_);
    choices->addWidget(byRoots_);
    top->addWidget(source);
    top->addWidget(namedLabel(this, "CountLabel", "Roots number /  Polinom order"));
    count_ = new QLineEdit("2", this);
    count_->setObjectName("CountEdit");
    count_->setMaximumWidth(80);
    top->addWidget(count_);
    ok_ = new QPushButton("OK", this);
    ok_->setObjectName("OkBtn");
    top->addWidget(ok_);
    top->addStretch(1);
    outer->addLayout(top);

    outer->addWidget(namedLabel(this, "PolinomLabel", "Caracteristic Polinom Roots/Coeficients"));
    polynomial_ = calculatorGrid(this, "PolinomGrid", 2);
    outer->addWidget(polynomial_);
    solve_ = new QPushButton("Solve", this);
    solve_->setObjectName("SolveBtn");
    outer->addWidget(solve_, 0, Qt::AlignLeft);
    outer->addWidget(namedLabel(this, "FunctionalLabel", "Square Functional Coeficients"));
    weights_ = calculatorGrid(this, "FunctionalGrid", 1);
    weights_->verticalHeader()->hide();
    weights_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    outer->addWidget(weights_);
    outer->addStretch(1);
    auto* close = new QPushButton("&Close", this);
    close->setObjectName("CloseBtn");
    outer->addWidget(close, 0, Qt::AlignRight);
    connect(close, &QPushButton::clicked, this, &QWidget::close);

    connect(ok_, &QPushButton::clicked, this, &TFormIntegral::OkBtnClick);
    connect(count_, &QLineEdit::returnPressed, this, &TFormIntegral::OkBtnClick);
    connect(solve_, &QPushButton::clicked, this, &TFormIntegral::SolveBtnClick);
    setEntering(false);
    resize(520, 340);
}

void TFormIntegral::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) close();
    else QWidget::keyPressEvent(event);
}

void TFormIntegral::setEntering(bool values) {
    byCoefficients_->setEnabled(!values);
    byRoots_->setEnabled(!values);
    count_->setEnabled(!values);
    ok_->setEnabled(!values);
    polynomial_->setEnabled(values);
    solve_->setEnabled(values);
}

void TFormIntegral::OkBtnClick() {
    const auto count = squareFunctionalOrder(messages_, count_->text().toStdString());
    if (!count) return;
    const auto headers = squareFunctionalInputHeaders(byRoots(), *count);
    const int columns = static_cast<int>(headers.size());
    polynomial_->clear();
    polynomial_->setRowCount(byRoots() ? 2 : 1);
    polynomial_->setColumnCount(columns);
    polynomial_->setHorizontalHeaderLabels(headerTexts(headers));
    polynomial_->setVerticalHeaderLabels(byRoots() ? QStringList{"Re", "Im"} : QStringList{"C"});
    for (int row = 0; row < polynomial_->rowCount(); ++row)
        for (int i = 0; i < columns; ++i)
            polynomial_->setItem(row, i, new QTableWidgetItem(byRoots() && row == 1 ? "0" : "1"));
    weights_->clear();
    weights_->setColumnCount(0);
    setEntering(true);
    polynomial_->setCurrentCell(0, 0);
    polynomial_->setFocus();
}

void TFormIntegral::SolveBtnClick() {
    const std::vector<std::string> second =
        byRoots() ? rowTexts(*polynomial_, 1) : std::vector<std::string>{};
    const auto weights = solveSquareFunctional(messages_, byRoots(), rowTexts(*polynomial_, 0), second);
    if (!weights) return;
    const int columns = static_cast<int>(weights->size());
    weights_->clear();
    weights_->setColumnCount(columns);
    weights_->setHorizontalHeaderLabels(headerTexts(squareFunctionalWeightHeaders(columns)));
    for (int i = 0; i < columns; ++i)
        weights_->setItem(
            0, i, new QTableWidgetItem(QString::fromStdString((*weights)[static_cast<std::size_t>(i)])));
    polynomial_->clearSelection();
    setEntering(false);
    count_->setFocus();
    count_->selectAll();
}

}  // namespace velmar::gui
