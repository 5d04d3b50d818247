// The count paint box of the status line: a strip filled in blue from the left as a
// run advances.
#pragma once

#include <QWidget>

namespace velmar::gui {

class ProgressStrip : public QWidget {
    Q_OBJECT
public:
    explicit ProgressStrip(int width, QWidget* parent = nullptr);
    // Fills `filled` of `total` (0 clears the strip).
    void setFill(int filled, int total);
    double fraction() const { return fraction_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    double fraction_ = 0;
};

}  // namespace velmar::gui
