// The string grids of the stand-alone calculators: a grid of fixed rows whose columns
// scroll sideways, and column headers from the core's texts.
#pragma once

#include <QStringList>
#include <QTableWidget>
#include <string>
#include <vector>

namespace velmar::gui {

QStringList headerTexts(const std::vector<std::string>& texts);

// A grid with `rows` rows, every one shown, and no columns yet.
QTableWidget* calculatorGrid(QWidget* parent, const char* name, int rows);

// The trimmed texts of one row, column by column (an empty cell gives "").
std::vector<std::string> rowTexts(const QTableWidget& grid, int row);

}  // namespace velmar::gui
