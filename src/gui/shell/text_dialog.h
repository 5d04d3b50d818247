// A window asking one line of text, such as the user function's expression ("Input
// function y=f(x)", field "f (x)="). Confirming runs the caller's check; a complaint is
// shown in the error box and the window stays open.
#pragma once

#include <QDialog>
#include <QLineEdit>
#include <string>

#include "core/host.h"

namespace velmar::gui {

class TTextForm : public QDialog {
    Q_OBJECT
public:
    TTextForm(const QString& caption, const QString& label, std::string& text, const TextCheck& check,
              Host& messages, QWidget* parent = nullptr);

    QLineEdit* edit() const { return edit_; }

public slots:
    void OkBtnClick();

private:
    std::string& text_;
    const TextCheck& check_;
    Host& messages_;
    QLineEdit* edit_;
};

}  // namespace velmar::gui
