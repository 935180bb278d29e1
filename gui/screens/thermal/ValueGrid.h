#pragma once

class QLineEdit;
class QTableWidget;
class QWidget;

// The two-column value grid of the thermal windows (`valueGrid_`): a read-only label
// column and an edit per row in the value column, so that typing reaches the logic
// as it happens and a redraw can leave the cell being typed in alone.
QTableWidget* makeValueGrid(int rows, int labelWidth, int valueWidth, QWidget* parent);
// The edit of `row`'s value cell (0-based).
QLineEdit* valueCell(const QTableWidget& grid, int row);
// Makes the grid exactly as tall as its visible rows.
void fitValueGrid(QTableWidget& grid);
