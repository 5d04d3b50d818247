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
