#include "gui/screens/common/MeasureGrid.h"

#include "gui/app/WidgetText.h"

#include <QHeaderView>

#include <algorithm>

MeasureGrid::MeasureGrid(const char* name, const Layout& layout, QWidget* parent)
    : QTableWidget(layout.rows, layout.columns, parent)
{
    setObjectName(name);
    verticalHeader()->hide();
    if (!layout.header)
        horizontalHeader()->hide();
    verticalHeader()->setMinimumSectionSize(layout.rowHeight);
    verticalHeader()->setDefaultSectionSize(layout.rowHeight);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::NoSelection);
    setFocusPolicy(Qt::NoFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (int r = 0; r < layout.rows; ++r) {
        setItem(r, 0, new QTableWidgetItem);
        for (int c = 1; c < layout.columns; ++c) {
            auto* value = new QTableWidgetItem;
            value->setTextAlignment(layout.valueAlignment);
            setItem(r, c, value);
        }
    }
    const int headerHeight = layout.header ? horizontalHeader()->sizeHint().height() : 0;
    setFixedHeight(headerHeight + layout.rows * layout.rowHeight + 2);
    if (layout.nameWidth > 0) {
        setColumnWidth(0, layout.nameWidth);
        setColumnWidth(1, layout.valueWidth);
        setFixedWidth(layout.nameWidth + layout.valueWidth + 2);
    }
}

void MeasureGrid::setValueHeader(const std::string& text)
{
    const QTableWidgetItem* header = horizontalHeaderItem(1);
    if (!header || header->text() != qs(text))
        setHorizontalHeaderLabels({QString(), qs(text)});
}

void MeasureGrid::setCell(int row, int column, const std::string& text)
{
    QTableWidgetItem* cell = item(row, column);
    if (cell->text() != qs(text))
        cell->setText(qs(text));
}

void MeasureGrid::setRow(int row, const std::string& name, const std::string& value)
{
    setCell(row, 0, name);
    setCell(row, 1, value);
}

void MeasureGrid::setValues(int row, std::span<const std::string> values)
{
    const auto columns = std::min(static_cast<std::size_t>(columnCount() - 1), values.size());
    for (std::size_t c = 0; c < columns; ++c)
        setCell(row, static_cast<int>(c) + 1, values[c]);
}

void MeasureGrid::setRows(std::span<const std::string> names, std::span<const std::string> values)
{
    const auto rows = std::min({static_cast<std::size_t>(rowCount()), names.size(), values.size()});
    for (std::size_t r = 0; r < rows; ++r)
        setRow(static_cast<int>(r), names[r], values[r]);
}
