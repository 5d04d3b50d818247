#include "gui/shell/text_dialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/qt_text.h"

namespace velmar::gui {

TTextForm::TTextForm(const QString& caption, const QString& label, std::string& text, const TextCheck& check,
                     Host& messages, QWidget* parent)
    : QDialog(parent), text_(text), check_(check), messages_(messages) {
    setObjectName("TextForm");
    setWindowTitle(caption);
    auto* outer = new QVBoxLayout(this);
    auto* line = new QHBoxLayout;
    line->addWidget(new QLabel(label, this));
    edit_ = new QLineEdit(qText(text), this);
    edit_->setObjectName("Edit1");
    edit_->setMinimumWidth(320);
    line->addWidget(edit_, 1);
    outer->addLayout(line);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName("OkBtn");
    buttons->button(QDialogButtonBox::Cancel)->setObjectName("CancelBtn");
    connect(buttons, &QDialogButtonBox::accepted, this, &TTextForm::OkBtnClick);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    outer->addWidget(buttons);
    edit_->setFocus();
    edit_->selectAll();
}

void TTextForm::OkBtnClick() {
    const std::string typed = edit_->text().toStdString();
    if (check_) {
        const std::string problem = check_(typed);
        if (!problem.empty()) {
            messages_.message(Box::Error, problem);
            return;
        }
    }
    text_ = typed;
    accept();
}

}  // namespace velmar::gui
