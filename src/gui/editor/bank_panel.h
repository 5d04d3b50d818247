// The Bank of Blocks panel at the right of the main window: the small palette of line
// pieces, arrows and nodes above the big palette of blocks, each in its scroll box.
#pragma once

#include <QImage>
#include <QScrollArea>
#include <QWidget>

#include "core/editor/bank_navigation.h"
#include "gui/editor/image_widget.h"

namespace velmar::gui {

class BankPanel : public QWidget {
    Q_OBJECT
public:
    explicit BankPanel(QWidget* parent = nullptr);

    ImageWidget* smallImage() const { return smallImage_; }  // BankSmollImage
    ImageWidget* bigImage() const { return bigImage_; }      // BankBigImage
    QScrollArea* bigScrollBox() const { return bigBox_; }    // BankScrollBox

    // Draws the highlight on one cell of a palette (taking it off the cell that had it)
    // or takes it off that palette altogether.
    void highlight(bool big, int code);
    void unhighlight(bool big);
    // Scrolls the big palette so that the row stays visible.
    void showBigRow(int row);
    int bigVisibleHeight() const;

private:
    QImage small_, big_;
    ImageWidget* smallImage_;
    ImageWidget* bigImage_;
    QScrollArea* smallBox_;
    QScrollArea* bigBox_;
    int lastSmall_ = -1, lastBig_ = -1;
};

}  // namespace velmar::gui
