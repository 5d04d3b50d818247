#include "gui/editor/bank_panel.h"

#include <QScrollBar>
#include <QVBoxLayout>

#include "gui/editor/bank_palettes.h"

namespace velmar::gui {

BankPanel::BankPanel(QWidget* parent)
    : QWidget(parent), small_(paintPalette(Palette::Small)), big_(paintPalette(Palette::Big)) {
    setObjectName("BankPanel");
    setFixedWidth(245);
    setMinimumHeight(363);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);

    smallBox_ = new QScrollArea(this);
    smallBox_->setObjectName("BankSmollScrollBox");
    smallBox_->setFixedHeight(63);
    smallBox_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    smallImage_ = new ImageWidget(small_);
    smallImage_->setObjectName("BankSmollImage");
    smallBox_->setWidget(smallImage_);
    layout->addWidget(smallBox_);

    bigBox_ = new QScrollArea(this);
    bigBox_->setObjectName("BankScrollBox");
    bigBox_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    bigBox_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    bigBox_->verticalScrollBar()->setSingleStep(editor::kBigPalette.cellHeight);
    bigImage_ = new ImageWidget(big_);
    bigImage_->setObjectName("BankBigImage");
    bigBox_->setWidget(bigImage_);
    layout->addWidget(bigBox_, 1);
}

void BankPanel::unhighlight(bool big) {
    int& last = big ? lastBig_ : lastSmall_;
    if (last < 0) return;
    paintPaletteCell(big ? big_ : small_, big ? Palette::Big : Palette::Small, last, false);
    last = -1;
    (big ? bigImage_ : smallImage_)->update();
}

void BankPanel::highlight(bool big, int code) {
    unhighlight(big);
    paintPaletteCell(big ? big_ : small_, big ? Palette::Big : Palette::Small, code, true);
    (big ? lastBig_ : lastSmall_) = code;
    (big ? bigImage_ : smallImage_)->update();
}

int BankPanel::bigVisibleHeight() const { return bigBox_->viewport()->height(); }

void BankPanel::showBigRow(int row) {
    QScrollBar* bar = bigBox_->verticalScrollBar();
    bar->setValue(editor::bankScrollFor(row, bar->value(), bigVisibleHeight()));
}

}  // namespace velmar::gui
