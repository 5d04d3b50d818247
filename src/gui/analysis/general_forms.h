// The general forms the method chooser draws beside the synthesis list: the
// characteristic polynomial under "Common polinom representation:" and the minimised
// square functional under "Common Minimized Integral representation:", written with
// their indices and powers.
#pragma once

#include <QWidget>

namespace velmar::gui {

class GeneralForms : public QWidget {
    Q_OBJECT
public:
    explicit GeneralForms(QWidget* parent);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace velmar::gui
