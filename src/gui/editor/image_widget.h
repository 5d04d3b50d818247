// A widget that shows an image at its natural size and reports the mouse on it in
// image pixels: the drawing area and the two bank palettes.
#pragma once

#include <QImage>
#include <QList>
#include <QRect>
#include <QWidget>

namespace velmar::gui {

class ImageWidget : public QWidget {
    Q_OBJECT
public:
    explicit ImageWidget(const QImage& image, QWidget* parent = nullptr);
    QSize sizeHint() const override { return image_.size(); }
    // Follows a change of the image's size.
    void imageResized() { setFixedSize(image_.size()); }
    // Dotted focus rectangles drawn over the image (the mouse editor's band, its
    // selection and the items in it); an empty list removes them.
    void setFocusRects(const QList<QRect>& rects);
    const QList<QRect>& focusRects() const { return focus_; }

signals:
    void mouseDown(Qt::MouseButton button, Qt::KeyboardModifiers mods, QPoint at);
    void mouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers mods, QPoint at);
    void mouseUp(Qt::MouseButton button, Qt::KeyboardModifiers mods, QPoint at);
    void doubleClick(Qt::MouseButton button, Qt::KeyboardModifiers mods, QPoint at);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    const QImage& image_;
    QList<QRect> focus_;
};

}  // namespace velmar::gui
