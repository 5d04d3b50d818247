// The point grid window: the points of the viewer's current diagram as a table of
// index, X and Y.
#pragma once

#include <QMainWindow>

#include "core/graphs/viewer_slots.h"

class QTableWidget;
class QAction;

namespace velmar::gui {

class TPntGridForm : public QMainWindow {
    Q_OBJECT
public:
    explicit TPntGridForm(QWidget* parent = nullptr);

    // One row per point (index from 0, X and Y in general format); an empty slot leaves
    // one blank row.
    void showSlot(const Slot& slot);
    void selectPoint(int index);
    QTableWidget* grid() const { return StringGrid1; }

signals:
    void backToViewer();

public slots:
    void OnTopClick(bool on);
    void TopRightClick();
    void TopLeftClick();
    void NormalSizeClick();
    void LargeSizeClick();

private:
    QTableWidget* StringGrid1;
};

}  // namespace velmar::gui
