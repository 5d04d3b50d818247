#include "gui/analysis/value_pages_form.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QStyledItemDelegate>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <functional>

#include "core/analysis/synthesis.h"
#include "core/numtext.h"
#include "gui/analysis/string_grids.h"
#include "gui/qt_text.h"

namespace velmar::gui {

namespace {

// The grid's cell editor tells every keystroke, so a malformed number shows while typed.
class TypingDelegate : public QStyledItemDelegate {
public:
    TypingDelegate(std::function<void(const QString&)> typed, QObject* parent)
        : QStyledItemDelegate(parent), typed_(std::move(typed)) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto* line = qobject_cast<QLineEdit*>(editor))
            connect(line, &QLineEdit::textEdited, this, [this](const QString& text) { typed_(text); });
        return editor;
    }

private:
    std::function<void(const QString&)> typed_;
};

}  // namespace

ValueListPage::ValueListPage(const ValueList& list, QWidget* parent) : QWidget(parent), list_(list) {
    auto* column = new QVBoxLayout(this);
    if (!list_.countLabel.empty()) {
        auto* row = new QHBoxLayout;
        auto* label = new QLabel(qText(list_.countLabel), this);
        label->setObjectName("CountLabel");
        row->addWidget(label);
        count_ =
            new QLineEdit(QString::number(static_cast<long>(list_.values.size()) - list_.countShift), this);
        count_->setObjectName("CountEdit");
        count_->setMaximumWidth(80);
        connect(count_, &QLineEdit::editingFinished, this, &ValueListPage::applyCount);
        row->addWidget(count_);
        row->addStretch(1);
        column->addLayout(row);
    }
    grid_ = calculatorGrid(this, "ValuesGrid", 1);
    grid_->verticalHeader()->hide();
    grid_->setItemDelegate(new TypingDelegate([this](const QString& t) { showProblem(t, true); }, grid_));
    connect(grid_, &QTableWidget::itemChanged, this,
            [this](const QTableWidgetItem* item) { showProblem(item->text(), false); });
    column->addWidget(grid_);
    problem_ = new QLabel(this);
    problem_->setObjectName("ProblemLabel");
    column->addWidget(problem_);
    if (!list_.checkLabel.empty()) {
        check_ = new QCheckBox(qText(list_.checkLabel), this);
        check_->setObjectName("ShowEachCheck");
        check_->setChecked(list_.checked);
        column->addWidget(check_);
    }
    column->addStretch(1);
    fillGrid();
}

void ValueListPage::fillGrid() {
    const QSignalBlocker quiet(grid_);
    grid_->setColumnCount(static_cast<int>(list_.values.size()));
    for (std::size_t k = 0; k < list_.values.size(); ++k) {
        const int c = static_cast<int>(k);
        grid_->setHorizontalHeaderItem(c, new QTableWidgetItem(qText(list_.valueName(k))));
        grid_->setItem(0, c, new QTableWidgetItem(qText(list_.values[k])));
    }
}

void ValueListPage::showProblem(const QString& text, bool editing) {
    problem_->setText(qText(numberTextProblem(text.trimmed().toStdString(), editing)));
}

void ValueListPage::applyCount() {
    if (!count_) return;
    const auto n = parseValueText(count_->text().trimmed().toStdString());
    if (!n) return;
    // The count shown is the number of values less the page's shift (an order).
    const long count = std::clamp(std::lround(*n) + list_.countShift, 1L, static_cast<long>(list_.maxCount));
    list_ = typed();
    list_.values.resize(static_cast<std::size_t>(count), list_.fill);
    fillGrid();
}

ValueList ValueListPage::typed() const {
    ValueList list = list_;
    const std::vector<std::string> texts = rowTexts(*grid_, 0);
    for (std::size_t k = 0; k < texts.size() && k < list.values.size(); ++k) list.values[k] = texts[k];
    if (check_) list.checked = check_->isChecked();
    return list;
}

std::vector<ValueRow> ValueListPage::rows() const {
    const ValueList list = typed();
    std::vector<ValueRow> rows;
    const auto add = [&rows](const std::string& label, std::string text) {
        ValueRow r;
        r.label = label;
        r.text = std::move(text);
        r.markEnabled = false;
        rows.push_back(std::move(r));
    };
    if (count_) add(list.countLabel, count_->text().trimmed().toStdString());
    if (check_) add(list.checkLabel, list.checked ? "1" : "0");
    for (std::size_t k = 0; k < list.values.size(); ++k) add(list.valueName(k), list.values[k]);
    return rows;
}

ValuePagesForm::ValuePagesForm(std::vector<ValueList>& pages, const RowCheck& check, Host& messages,
                               QWidget* owner)
    : QDialog(owner), result_(pages), check_(check), messages_(messages) {
    setWindowTitle(pages.empty() ? QString() : qText(pages.front().caption));
    auto* column = new QVBoxLayout(this);
    pages_ = new QStackedWidget(this);
    for (const ValueList& p : pages) pages_->addWidget(new ValueListPage(p, pages_));
    column->addWidget(pages_, 1);
    auto* buttons = new QHBoxLayout;
    back_ = new QPushButton("<< Back", this);
    back_->setObjectName("BackBtn");
    next_ = new QPushButton("Next >>", this);
    next_->setObjectName("NextBtn");
    ok_ = new QPushButton("OK", this);
    ok_->setObjectName("OkBtn");
    auto* cancel = new QPushButton("Cancel", this);
    cancel->setObjectName("CancelBtn");
    buttons->addWidget(back_);
    buttons->addWidget(next_);
    buttons->addStretch(1);
    buttons->addWidget(ok_);
    buttons->addWidget(cancel);
    column->addLayout(buttons);
    connect(back_, &QPushButton::clicked, this, &ValuePagesForm::BackBtnClick);
    connect(next_, &QPushButton::clicked, this, &ValuePagesForm::NextBtnClick);
    connect(ok_, &QPushButton::clicked, this, &ValuePagesForm::OkBtnClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    // Return ends the edit of a cell or of the count; it presses no button.
    for (QPushButton* b : {back_, next_, ok_, cancel}) b->setAutoDefault(false);
    // One page needs no paging.
    back_->setVisible(pages.size() > 1);
    next_->setVisible(pages.size() > 1);
    showPage(0);
    resize(480, 220);
}

void ValuePagesForm::showPage(int k) {
    pages_->setCurrentIndex(k);
    back_->setEnabled(k > 0);
    next_->setEnabled(k + 1 < pages_->count());
    ok_->setEnabled(k + 1 == pages_->count());
}

bool ValuePagesForm::accepted(int first, int last) {
    for (int k = first; k <= last; ++k) page(k)->applyCount();
    if (!check_) return true;
    std::vector<ValueRow> rows;
    for (int k = first; k <= last; ++k) {
        const std::vector<ValueRow> r = page(k)->rows();
        rows.insert(rows.end(), r.begin(), r.end());
    }
    const std::string problem = check_(rows);
    if (problem.empty()) return true;
    messages_.message(Box::Error, problem);
    return false;
}

void ValuePagesForm::BackBtnClick() {
    if (currentPage() > 0) showPage(currentPage() - 1);
}

void ValuePagesForm::NextBtnClick() {
    if (currentPage() + 1 < pageCount() && accepted(currentPage(), currentPage()))
        showPage(currentPage() + 1);
}

void ValuePagesForm::OkBtnClick() {
    if (!accepted(0, pageCount() - 1)) return;
    for (int k = 0; k < pageCount(); ++k) result_[static_cast<std::size_t>(k)] = page(k)->typed();
    accept();
}

TformSysP::TformSysP(std::vector<ValueList>& pages, const RowCheck& check, Host& messages, QWidget* owner)
    : ValuePagesForm(pages, check, messages, owner) {
    setObjectName("TformSysP");
}

TiValuesForm::TiValuesForm(std::vector<ValueList>& pages, const RowCheck& check, Host& messages,
                           QWidget* owner)
    : ValuePagesForm(pages, check, messages, owner) {
    setObjectName("TiValuesForm");
    okButton()->setText("Ok");
}

}  // namespace velmar::gui
