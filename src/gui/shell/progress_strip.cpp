#include "gui/shell/progress_strip.h"

#include <QPainter>
#include <algorithm>

#include "gui/editor/colours.h"

namespace velmar::gui {

ProgressStrip::ProgressStrip(int width, QWidget* parent) : QWidget(parent) {
    setObjectName("CountPaintBox");
    setFixedWidth(width);
}

void ProgressStrip::setFill(int filled, int total) {
    const double f = total > 0 ? std::clamp(static_cast<double>(filled) / total, 0.0, 1.0) : 0.0;
    if (f == fraction_) return;
    fraction_ = f;
    repaint();
}

void ProgressStrip::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect r = rect().adjusted(1, 3, -1, -3);
    p.fillRect(r, palette().window());
    p.fillRect(QRect(r.topLeft(), QSize(static_cast<int>(r.width() * fraction_), r.height())),
               tableColour(Blue));
    p.setPen(palette().mid().color());
    p.drawRect(r.adjusted(0, 0, -1, -1));
}

}  // namespace velmar::gui
