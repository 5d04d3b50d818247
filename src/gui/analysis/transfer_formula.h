// The method chooser's formula area: W(s) drawn as a fraction, the numerator
//   a_m s^m + a_(m-1) s^(m-1) + .. + a_1 s + a_0
// over the denominator of the same general form with the letter b, indices as
// subscripts and powers as superscripts. Orders up to 3 show every term; higher orders
// show the two highest terms, "..", and the two lowest.
#pragma once

#include <QString>
#include <QWidget>

namespace velmar::gui {

class TransferFormula : public QWidget {
    Q_OBJECT
public:
    explicit TransferFormula(QWidget* parent = nullptr);

    // Shows the fraction for the orders; a negative order clears the area.
    void setOrders(int numeratorOrder, int denominatorOrder);
    void clear() { setOrders(-1, -1); }
    bool shown() const { return numeratorOrder_ >= 0 && denominatorOrder_ >= 0; }

    QSize sizeHint() const override { return {320, 86}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int numeratorOrder_ = -1;
    int denominatorOrder_ = -1;
};

}  // namespace velmar::gui
