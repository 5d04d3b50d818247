#include "gui/editor/image_widget.h"

#include <QMouseEvent>
#include <QPainter>

namespace velmar::gui {

ImageWidget::ImageWidget(const QImage& image, QWidget* parent) : QWidget(parent), image_(image) {
    setFixedSize(image.size());
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ImageWidget::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    const QRect r = event->rect();
    p.drawImage(r, image_, r);
    for (const QRect& f : focus_) {
        p.setPen(Qt::black);
        p.drawRect(f.adjusted(0, 0, -1, -1));
        p.setPen(QPen(Qt::white, 1, Qt::DotLine));
        p.drawRect(f.adjusted(0, 0, -1, -1));
    }
}

void ImageWidget::setFocusRects(const QList<QRect>& rects) {
    for (const QRect& f : focus_) update(f);
    focus_ = rects;
    for (const QRect& f : focus_) update(f);
}

void ImageWidget::mousePressEvent(QMouseEvent* e) {
    emit mouseDown(e->button(), e->modifiers(), e->position().toPoint());
}
void ImageWidget::mouseMoveEvent(QMouseEvent* e) {
    emit mouseMove(e->buttons(), e->modifiers(), e->position().toPoint());
}
void ImageWidget::mouseReleaseEvent(QMouseEvent* e) {
    emit mouseUp(e->button(), e->modifiers(), e->position().toPoint());
}
void ImageWidget::mouseDoubleClickEvent(QMouseEvent* e) {
    emit doubleClick(e->button(), e->modifiers(), e->position().toPoint());
}

}  // namespace velmar::gui
