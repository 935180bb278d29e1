#include "gui/screens/common/MeasureGrid.h"

#include "gui/app/WidgetText.h"

#include <QHeaderView>

MeasureGrid::MeasureGrid(const char* name, const Layout& layout, QWidget* parent)
    : QTableWidget(layout.rows, 2, parent)
{
    setObjectName(name);
    verticalHeader()->hide();
    if (!layout.header)
        horizontalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(layout.rowHeight);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::NoSelection);
    setFocusPolicy(Qt::NoFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setColumnWidth(0, layout.nameWidth);
    setColumnWidth(1, layout.valueWidth);
    for (int r = 0; r < layout.rows; ++r) {
        setItem(r, 0, new QTableWidgetItem);
        auto* value = new QTableWidgetItem;
        value->setTextAlignment(layout.valueAlignment);
        setItem(r, 1, value);
    }
    const int headerHeight = layout.header ? horizontalHeader()->sizeHint().height() : 0;
    setFixedSize(layout.nameWidth + layout.valueWidth + 2, headerHeight + layout.rows * layout.rowHeight + 2);
}

void MeasureGrid::setValueHeader(const std::string& text)
{
    setHorizontalHeaderLabels({QString(), qs(text)});
}

void MeasureGrid::setRow(int row, const std::string& name, const std::string& value)
{
    item(row, 0)->setText(qs(name));
    item(row, 1)->setText(qs(value));
}
