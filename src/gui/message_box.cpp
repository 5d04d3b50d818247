#include "gui/message_box.h"

#include <QApplication>
#include <QGridLayout>
#include <QSpacerItem>

namespace velmar::gui {

namespace {

// Window managers write titles larger than the program's text, in bold, beside an icon
// and three buttons.
constexpr double kTitleFontScale = 1.3;
constexpr int kTitleBarAllowance = 200;

}  // namespace

int titleWidth(const QString& title) {
    QFont font = QApplication::font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * kTitleFontScale);
    return QFontMetrics(font).horizontalAdvance(title) + kTitleBarAllowance;
}

void fitTitle(QMessageBox& box) {
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(
            new QSpacerItem(titleWidth(box.windowTitle()), 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
            grid->rowCount(), 0, 1, grid->columnCount());
}

}  // namespace velmar::gui
