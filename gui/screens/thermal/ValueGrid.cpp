#include "gui/screens/thermal/ValueGrid.h"

#include "gui/screens/thermal/ValueCellEdit.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QTableWidget>

QTableWidget* makeValueGrid(int rows, int labelWidth, int valueWidth, QWidget* parent)
{
    auto* grid = new QTableWidget(rows, 2, parent);
    grid->setObjectName("valueGrid");
    grid->horizontalHeader()->hide();
    grid->verticalHeader()->hide();
    grid->setColumnWidth(0, labelWidth);
    grid->setColumnWidth(1, valueWidth);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setSelectionMode(QAbstractItemView::NoSelection);
    // The edits take the focus; the grid itself would only mark a current label cell.
    grid->setFocusPolicy(Qt::NoFocus);
    for (int r = 0; r < rows; ++r) {
        auto* label = new QTableWidgetItem;
        label->setFlags(Qt::ItemIsEnabled);
        label->setBackground(grid->palette().button());
        grid->setItem(r, 0, label);
        grid->setCellWidget(r, 1, new ValueCellEdit(grid));
    }
    grid->setFixedWidth(labelWidth + valueWidth + 2 * grid->frameWidth());
    fitValueGrid(*grid);
    return grid;
}

QLineEdit* valueCell(const QTableWidget& grid, int row)
{
    return qobject_cast<QLineEdit*>(grid.cellWidget(row, 1));
}

void fitValueGrid(QTableWidget& grid)
{
    grid.setFixedHeight(grid.verticalHeader()->length() + 2 * grid.frameWidth());
}
