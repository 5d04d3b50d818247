// The drawing area of the graph viewer: shows the picture, holds the comment labels
// and hands every key (Tab included) to the viewer.
#pragma once

#include <QImage>
#include <QLabel>
#include <QWidget>

namespace velmar::gui {

class GraphCanvas : public QWidget {
    Q_OBJECT
public:
    explicit GraphCanvas(QWidget* parent = nullptr);

    QImage& image() { return image_; }
    const QImage& image() const { return image_; }

signals:
    void keyPressed(QKeyEvent* event);
    void resized();
    void pressed();  // a press on the plot, not on a label

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QImage image_;
};

// A movable comment on the plot: a press selects it, dragging moves it.
class CommentLabel : public QLabel {
    Q_OBJECT
public:
    CommentLabel(const QString& text, QWidget* parent);

signals:
    void selected(CommentLabel* label);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QPoint grip_;
};

}  // namespace velmar::gui
