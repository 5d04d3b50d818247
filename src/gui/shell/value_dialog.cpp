#include "gui/shell/value_dialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/model/value_dialog.h"

namespace velmar::gui {

TGMenu21Form::TGMenu21Form(const QString& caption, std::vector<ValueRow>& rows, const RowCheck& check,
                           Host& messages, QWidget* parent)
    : QDialog(parent), rows_(rows), check_(check), messages_(messages) {
    setObjectName("GMenu21Form");
    setWindowTitle(caption.isEmpty() ? QStringLiteral("Input Parameters:") : caption);
    auto* outer = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    auto header = [&](const char* name, const char* text, int column) {
        auto* l = new QLabel(text, this);
        l->setObjectName(name);
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
        grid->addWidget(l, 0, column);
    };
    header("LabelPar", "Parameter", 0);
    header("LabelValue", "Value", 1);
    header("LabelMark", "Mark", 2);
    const std::size_t shown = std::min<std::size_t>(rows.size(), kMaxDialogRows);
    for (std::size_t i = 0; i < shown; ++i) {
        const ValueRow& r = rows[i];
        const int line = static_cast<int>(i) + 1;
        grid->addWidget(new QLabel(QString::fromStdString(r.label), this), line, 0);
        auto* edit = new QLineEdit(QString::fromStdString(r.text), this);
        edit->setObjectName(QStringLiteral("Edit%1").arg(line));
        edit->setMinimumWidth(160);
        edit->setEnabled(r.editable);
        grid->addWidget(edit, line, 1);
        auto* mark = new QCheckBox(this);
        mark->setObjectName(QStringLiteral("CheckBox%1").arg(line));
        mark->setChecked(r.marked);
        mark->setEnabled(r.markEnabled && r.editable);
        grid->addWidget(mark, line, 2, Qt::AlignCenter);
        edits_.push_back(edit);
        marks_.push_back(mark);
    }
    outer->addLayout(grid);
    // Tab goes from value to value, then through the "Mark" boxes.
    std::vector<QWidget*> order(edits_.begin(), edits_.end());
    order.insert(order.end(), marks_.begin(), marks_.end());
    for (std::size_t i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName("OkBtn");
    buttons->button(QDialogButtonBox::Cancel)->setObjectName("CancelBtn");
    connect(buttons, &QDialogButtonBox::accepted, this, &TGMenu21Form::OkBtnClick);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    outer->addWidget(buttons);
    if (!edits_.empty()) {
        edits_.front()->setFocus();
        edits_.front()->selectAll();
    }
}

void TGMenu21Form::OkBtnClick() {
    std::vector<ValueRow> confirmed = rows_;
    for (std::size_t i = 0; i < edits_.size(); ++i) {
        confirmed[i].text = edits_[i]->text().toStdString();
        confirmed[i].marked = marks_[i]->isChecked();
    }
    if (check_) {
        const std::string problem = check_(confirmed);
        if (!problem.empty()) {
            messages_.message(Box::Error, problem);
            return;
        }
    }
    rows_ = std::move(confirmed);
    accept();
}

}  // namespace velmar::gui
