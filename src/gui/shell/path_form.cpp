#include "gui/shell/path_form.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace velmar::gui {

namespace {

QString qs(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

QString askFolder(QWidget* parent, const QString& start) {
    QFileDialog dialog(parent, QString::fromUtf8("Задайте рабочую папку"), start);
    dialog.setObjectName("DirForm");
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setLabelText(QFileDialog::Accept, "&OK");
    dialog.setLabelText(QFileDialog::Reject, QString::fromUtf8("&Отмена"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().first();
}

TPathForm::TPathForm(const WorkingFolders& current, WorkingFolders defaults, QWidget* parent)
    : QDialog(parent), chooseFolder(askFolder), defaults_(std::move(defaults)) {
    setObjectName("PathForm");
    setWindowTitle(QString::fromUtf8("Путь"));
    auto* column = new QVBoxLayout(this);
    const struct {
        const char* group;
        const char* name;  // "Shm": the edit "ShmEdit", the group "ShmGroup", the button "ShmBrowse"
        const std::string& folder;
        QLineEdit** edit;
    } rows[] = {{"Схемы", "Shm", current.schemes, &ShmEdit},
                {"Диаграммы", "Pnt", current.points, &PntEdit},
                {"Тестовые схемы", "Test", current.tests, &TestEdit}};
    for (const auto& r : rows) {
        auto* box = new QGroupBox(QString::fromUtf8(r.group), this);
        box->setObjectName(QString(r.name) + "Group");
        auto* line = new QHBoxLayout(box);
        auto* edit = new QLineEdit(qs(r.folder), box);
        edit->setObjectName(QString(r.name) + "Edit");
        edit->setMinimumWidth(360);
        auto* browse = new QPushButton(QString::fromUtf8("Обзор..."), box);
        browse->setObjectName(QString(r.name) + "Browse");
        browse->setToolTip("Browse for folder");
        connect(browse, &QPushButton::clicked, this, [this, edit] { this->browse(edit); });
        line->addWidget(edit, 1);
        line->addWidget(browse);
        column->addWidget(box);
        *r.edit = edit;
    }
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* byDefault =
        buttons->addButton(QString::fromUtf8("&По умолчанию"), QDialogButtonBox::ResetRole);
    byDefault->setObjectName("DefaultBtn");
    QPushButton* ok = buttons->addButton("&OK", QDialogButtonBox::AcceptRole);
    ok->setObjectName("OkBtn");
    QPushButton* cancel = buttons->addButton(QString::fromUtf8("&Отмена"), QDialogButtonBox::RejectRole);
    cancel->setObjectName("CancelBtn");
    connect(byDefault, &QPushButton::clicked, this, &TPathForm::DefaultBtnClick);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    column->addWidget(buttons);
}

WorkingFolders TPathForm::folders() const {
    return {ShmEdit->text().toStdString(), PntEdit->text().toStdString(), TestEdit->text().toStdString()};
}

QLineEdit* TPathForm::edit(const char* name) const { return findChild<QLineEdit*>(name); }

void TPathForm::DefaultBtnClick() {
    ShmEdit->setText(qs(defaults_.schemes));
    PntEdit->setText(qs(defaults_.points));
    TestEdit->setText(qs(defaults_.tests));
}

void TPathForm::browse(QLineEdit* edit) {
    const QString chosen = chooseFolder(this, edit->text());
    if (!chosen.isEmpty()) edit->setText(chosen);
}

}  // namespace velmar::gui
