// The common value dialog `GMenu21Form` ("Input Parameters:"): up to seven rows of a
// label, a value and a "Mark" check box. Confirming runs the caller's check; a
// complaint is shown in the error box and the dialog stays open.
#pragma once

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <vector>

#include "core/host.h"

namespace velmar::gui {

class TGMenu21Form : public QDialog {
    Q_OBJECT
public:
    TGMenu21Form(const QString& caption, std::vector<ValueRow>& rows, const RowCheck& check, Host& messages,
                 QWidget* parent = nullptr);

    QLineEdit* valueEdit(int row) const { return edits_[static_cast<std::size_t>(row)]; }
    QCheckBox* markBox(int row) const { return marks_[static_cast<std::size_t>(row)]; }

public slots:
    void OkBtnClick();

private:
    std::vector<ValueRow>& rows_;
    const RowCheck& check_;
    Host& messages_;
    std::vector<QLineEdit*> edits_;
    std::vector<QCheckBox*> marks_;
};

}  // namespace velmar::gui
