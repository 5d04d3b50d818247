#include "gui/analysis/string_grids.h"

#include <QHeaderView>
#include <QScrollBar>

namespace velmar::gui {

QStringList headerTexts(const std::vector<std::string>& texts) {
    QStringList list;
    for (const std::string& t : texts) list << QString::fromStdString(t);
    return list;
}

QTableWidget* calculatorGrid(QWidget* parent, const char* name, int rows) {
    auto* g = new QTableWidget(rows, 0, parent);
    g->setObjectName(name);
    g->horizontalHeader()->setDefaultSectionSize(96);
    g->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    g->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    g->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);  // high orders scroll sideways
    // Every row shows: the header, the rows, the scroll bar and the frame.
    g->setFixedHeight(g->fontMetrics().height() + 8 + rows * g->verticalHeader()->defaultSectionSize() +
                      g->horizontalScrollBar()->sizeHint().height() + 2 * g->frameWidth());
    return g;
}

std::vector<std::string> rowTexts(const QTableWidget& grid, int row) {
    std::vector<std::string> texts;
    for (int i = 0; i < grid.columnCount(); ++i) {
        const QTableWidgetItem* item = grid.item(row, i);
        texts.push_back(item ? item->text().trimmed().toStdString() : std::string());
    }
    return texts;
}

}  // namespace velmar::gui
