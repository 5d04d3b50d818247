#include "gui/analysis/regulator_forms.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

#include "gui/analysis/string_grids.h"
#include "gui/qt_text.h"

namespace velmar::gui {

TuningProgressForm::TuningProgressForm(std::function<void()> stop, QWidget* owner)
    : QWidget(owner, Qt::Window), stop_(std::move(stop)) {
    setObjectName("TuningProgressForm");
    setAttribute(Qt::WA_QuitOnClose, false);
    auto* row = new QHBoxLayout(this);
    label_ = new QLabel(this);
    counter_ = new QLabel(this);
    counter_->setObjectName("IterationLabel");
    counter_->setMinimumWidth(60);
    row->addWidget(label_);
    row->addWidget(counter_, 1);
    resize(260, 60);
}

void TuningProgressForm::showCount(const QString& caption, const QString& label, int count) {
    if (count < 0) {
        hide();
        return;
    }
    setWindowTitle(caption);
    label_->setText(label);
    counter_->setText(QString::number(count));
    if (!isVisible()) {
        show();
        raise();
    }
    // The search runs on this thread: the new count is painted before it goes on.
    QCoreApplication::processEvents();
}

void TuningProgressForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) stop_();
    else QWidget::keyPressEvent(event);
}

void TuningProgressForm::closeEvent(QCloseEvent* event) {
    // The window goes with the sweep; closed before that, it stops the sweep.
    stop_();
    event->ignore();
}

TFormRegMain::TFormRegMain(const QString& caption, const std::vector<ChoiceRow>& rows, QWidget* owner)
    : QDialog(owner) {
    setObjectName("FormRegMain");
    setWindowTitle(caption);
    auto* column = new QVBoxLayout(this);
    auto* choices = new QHBoxLayout;
    for (const ChoiceRow& row : rows) {
        auto* box = new QGroupBox(qText(row.label), this);
        auto* items = new QVBoxLayout(box);
        auto* group = new QButtonGroup(box);
        for (std::size_t i = 0; i < row.items.size(); ++i) {
            auto* b = new QRadioButton(qText(row.items[i]), box);
            group->addButton(b, static_cast<int>(i));
            items->addWidget(b);
        }
        if (QAbstractButton* b = group->button(row.index)) b->setChecked(true);
        groups_.push_back(group);
        choices->addWidget(box);
    }
    column->addLayout(choices);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    ok_ = new QPushButton("OK", this);
    ok_->setObjectName("OkBtn");
    ok_->setDefault(true);
    auto* cancel = new QPushButton("Cancel", this);
    cancel->setObjectName("CancelBtn");
    buttons->addWidget(ok_);
    buttons->addWidget(cancel);
    column->addLayout(buttons);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

std::vector<int> TFormRegMain::chosen() const {
    std::vector<int> picked;
    for (const QButtonGroup* g : groups_) picked.push_back(std::max(g->checkedId(), 0));
    return picked;
}

TForm2::TForm2(const ResultTable& table, QWidget* owner) : QDialog(owner) {
    setObjectName("Form2");
    setWindowTitle(qText(table.caption));
    auto* column = new QVBoxLayout(this);
    auto* box = new QGroupBox(qText(table.title), this);
    auto* inBox = new QVBoxLayout(box);
    const int rowCount = static_cast<int>(table.rows.size());
    grid_ = new QTableWidget(rowCount, static_cast<int>(table.columns.size()), box);
    grid_->setObjectName("KrGrid");
    grid_->setHorizontalHeaderLabels(headerTexts(table.columns));
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->verticalHeader()->hide();
    grid_->setWordWrap(false);
    grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    grid_->horizontalHeader()->setStretchLastSection(true);
    for (int r = 0; r < rowCount; ++r) {
        const auto& cells = table.rows[static_cast<std::size_t>(r)];
        for (std::size_t c = 0; c < cells.size() && c < table.columns.size(); ++c)
            grid_->setItem(r, static_cast<int>(c), new QTableWidgetItem(qText(cells[c])));
    }
    inBox->addWidget(grid_);
    column->addWidget(box, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    if (!table.button.empty()) {
        button_ = new QPushButton(qText(table.button), this);
        button_->setObjectName("ShowGraphBtn");
        button_->setDefault(true);
        connect(button_, &QPushButton::clicked, this, &QDialog::accept);
        buttons->addWidget(button_);
    }
    auto* close = new QPushButton("&Close", this);
    close->setObjectName("CloseBtn");
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    buttons->addWidget(close);
    column->addLayout(buttons);
    resize(520, 320);
}

}  // namespace velmar::gui
