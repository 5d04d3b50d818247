#include "gui/graphs/graph_canvas.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace velmar::gui {

GraphCanvas::GraphCanvas(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(300, 200);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

bool GraphCanvas::event(QEvent* event) {
    // Tab moves the point cursor here, not the focus.
    if (event->type() == QEvent::KeyPress) {
        emit keyPressed(static_cast<QKeyEvent*>(event));
        return true;
    }
    return QWidget::event(event);
}

void GraphCanvas::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::black);
    p.drawImage(0, 0, image_);
}

void GraphCanvas::resizeEvent(QResizeEvent*) { emit resized(); }

void GraphCanvas::mousePressEvent(QMouseEvent*) {
    setFocus();
    emit pressed();
}

CommentLabel::CommentLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    setCursor(Qt::SizeAllCursor);
    setAutoFillBackground(false);
    setStyleSheet("color: white;");
}

void CommentLabel::mousePressEvent(QMouseEvent* event) {
    grip_ = event->position().toPoint();
    emit selected(this);
}

void CommentLabel::mouseMoveEvent(QMouseEvent* event) {
    if (!(event->buttons() & Qt::LeftButton)) return;
    const QPoint to = mapToParent(event->position().toPoint() - grip_);
    const QRect room = parentWidget()->rect();
    move(std::clamp(to.x(), 0, std::max(0, room.width() - width())),
         std::clamp(to.y(), 0, std::max(0, room.height() - height())));
}

}  // namespace velmar::gui
