#include "gui/analysis/optimization_form.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/errors.h"
#include "core/host.h"
#include "core/numtext.h"
#include "gui/analysis/named_label.h"

namespace velmar::gui {

namespace {

// The buttons are named `itemName` and their number from 0, for their texts in the
// interface language.
QGroupBox* radioGroup(QWidget* parent, const char* name, const QString& title, const char* itemName,
                      const auto& captions, QButtonGroup*& group) {
    auto* box = new QGroupBox(title, parent);
    box->setObjectName(name);
    auto* column = new QVBoxLayout(box);
    group = new QButtonGroup(box);
    int id = 0;
    for (const char* caption : captions) {
        auto* b = new QRadioButton(QString::fromUtf8(caption), box);
        b->setObjectName(itemName + QString::number(id));
        column->addWidget(b);
        group->addButton(b, id++);
    }
    return box;
}

}  // namespace

TOptimizationForm::TOptimizationForm(OptimisationSession& session, Host& messages,
                                     std::function<void()> stopSearch, QWidget* owner)
    : QDialog(owner), session_(session), messages_(messages), stopSearch_(std::move(stopSearch)) {
    setObjectName("OptimizationForm");
    setWindowTitle("Optimization");
    auto* outer = new QVBoxLayout(this);
    pages_ = new QTabWidget(this);
    pages_->setObjectName("PageControl");
    outer->addWidget(pages_);

    auto* criteriaPage = new QWidget(pages_);
    criteriaPage->setObjectName("CriteriaPage");
    auto* columns = new QHBoxLayout(criteriaPage);
    // The first letter of the title is a Cyrillic С.
    criteriaBox_ = radioGroup(criteriaPage, "CriteriaGroup", QString::fromUtf8("С&riteria"), "Criterion",
                              kCriterionCaptions, criteria_);
    columns->addWidget(criteriaBox_);
    methodBox_ = radioGroup(criteriaPage, "MethodGroup", "&Method", "Method", kMethodCaptions, methods_);
    columns->addWidget(methodBox_);
    auto* readOut = new QVBoxLayout;
    readOut->addWidget(namedLabel(criteriaPage, "EvaluationsCaption", "Evaluations:"));
    evaluations_ = new QLabel("0", criteriaPage);
    evaluations_->setObjectName("EvaluationsLabel");
    readOut->addWidget(evaluations_);
    readOut->addWidget(namedLabel(criteriaPage, "ValueCaption", "Criterion value:"));
    value_ = new QLabel(criteriaPage);
    value_->setObjectName("ValueLabel");
    value_->setMinimumWidth(160);
    readOut->addWidget(value_);
    readOut->addStretch(1);
    columns->addLayout(readOut);
    pages_->addTab(criteriaPage, "Criteria");

    auto* userPage = new QWidget(pages_);
    userPage->setObjectName("UserCriterionPage");
    auto* user = new QVBoxLayout(userPage);
    expression_ = new QLineEdit(QString::fromStdString(session_.expression()), userPage);
    expression_->setObjectName("ExpressionEdit");
    user->addWidget(expression_);
    error_ = new QLabel(userPage);
    error_->setObjectName("ErrorField");
    user->addWidget(error_);
    variables_ = new QTableWidget(0, 2, userPage);
    variables_->setObjectName("VarGrid");
    variables_->setHorizontalHeaderLabels({"Var", "Parameter"});
    variables_->verticalHeader()->hide();
    variables_->horizontalHeader()->setStretchLastSection(true);
    variables_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    user->addWidget(variables_);
    pages_->addTab(userPage, "User Criterion");

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    optimize_ = new QPushButton("&Optimize", this);
    optimize_->setObjectName("OptimizeBtn");
    optimize_->setDefault(true);
    cancel_ = new QPushButton("&Cancel", this);
    cancel_->setObjectName("CancelBtn");
    buttons->addWidget(optimize_);
    buttons->addWidget(cancel_);
    outer->addLayout(buttons);

    connect(criteria_, &QButtonGroup::idClicked, this, [this](int id) {
        session_.setCriterion(id);
        showChoices();
    });
    connect(methods_, &QButtonGroup::idClicked, this, [this](int id) { session_.setMethod(id); });
    connect(expression_, &QLineEdit::textEdited, this, [this](const QString& text) {
        error_->setText(QString::fromStdString(session_.setExpression(text.toStdString())));
    });
    connect(optimize_, &QPushButton::clicked, this, &TOptimizationForm::OptimizeBtnClick);
    connect(cancel_, &QPushButton::clicked, this, &TOptimizationForm::CancelBtnClick);

    error_->setText(QString::fromStdString(session_.setExpression(session_.expression())));
    fillVariables();
    showChoices();
    pages_->setCurrentIndex(0);
}

void TOptimizationForm::showChoices() {
    criteria_->button(session_.criterion())->setChecked(true);
    methodBox_->setEnabled(session_.methodsEnabled() && !searching_);
    // A cleared choice shows no checked button: the group must let go of its last one.
    methods_->setExclusive(false);
    for (QAbstractButton* b : methods_->buttons()) b->setChecked(false);
    methods_->setExclusive(true);
    if (const auto m = session_.method()) methods_->button(*m)->setChecked(true);
    pages_->setTabVisible(1, session_.userPageVisible());
}

void TOptimizationForm::fillVariables() {
    const auto rows = session_.variables();
    variables_->setRowCount(static_cast<int>(rows.size()));
    for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
        const auto& v = rows[static_cast<std::size_t>(i)];
        variables_->setItem(i, 0, new QTableWidgetItem(QString::fromStdString(v.letter)));
        variables_->setItem(i, 1, new QTableWidgetItem(QString::fromStdString(v.parameter)));
    }
}

void TOptimizationForm::setSearching(bool on) {
    searching_ = on;
    optimize_->setEnabled(!on);
    criteriaBox_->setEnabled(!on);
    expression_->setEnabled(!on);
    showChoices();
}

void TOptimizationForm::showProgress(int evaluations, Extended value) {
    evaluations_->setText(QString::number(evaluations));
    value_->setText(QString::fromStdString(floatText(value)));
}

void TOptimizationForm::OptimizeBtnClick() {
    if (searching_) return;
    evaluations_->setText("0");
    value_->clear();
    setSearching(true);
    // The search runs inside this window's event loop, which a fault must not cross.
    try {
        session_.optimise();
    } catch (const MathError& e) { messages_.message(Box::Error, e.what()); }
    setSearching(false);
    evaluations_->setText(QString::number(session_.evaluations()));
    if (session_.evaluations() > 0) value_->setText(QString::fromStdString(floatText(session_.lastValue())));
    fillVariables();
    if (closeAfterSearch_) {
        closeAfterSearch_ = false;
        QDialog::reject();
    }
}

void TOptimizationForm::stop() {
    if (stopSearch_) stopSearch_();
}

void TOptimizationForm::CancelBtnClick() { reject(); }

void TOptimizationForm::reject() {
    // Escape and "&Cancel" during the search stop it; the window stays.
    if (searching_) stop();
    else QDialog::reject();
}

void TOptimizationForm::closeEvent(QCloseEvent* event) {
    if (!searching_) {
        QDialog::closeEvent(event);
        return;
    }
    stop();
    closeAfterSearch_ = true;
    event->ignore();
}

}  // namespace velmar::gui
