#include "gui/screens/calibration/ValueGrid.h"

#include "gui/app/WidgetText.h"

#include <QHeaderView>
#include <QScrollBar>

#include <algorithm>

ValueGrid::ValueGrid(const Layout& layout, QWidget* parent)
    : QTableWidget(0, static_cast<int>(layout.columnWidths.size()), parent)
    , columnWidths_(layout.columnWidths)
    , minimumWidth_(layout.minimumWidth)
{
    setObjectName("valueGrid");
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    if (layout.rowSelection) {
        setSelectionBehavior(QAbstractItemView::SelectRows);
        setSelectionMode(QAbstractItemView::SingleSelection);
    } else {
        setSelectionMode(QAbstractItemView::NoSelection);
    }
    verticalHeader()->hide();
    // A selected point is marked in its row, not by a bold header.
    horizontalHeader()->setHighlightSections(false);
    fitColumns();
}

void ValueGrid::fitColumns()
{
    const QFontMetrics metrics = horizontalHeader()->fontMetrics();
    int width = 2 * frameWidth() + verticalScrollBar()->sizeHint().width();
    for (int column = 0; column < columnCount(); ++column) {
        const QTableWidgetItem* header = horizontalHeaderItem(column);
        const int needed = header == nullptr ? 0 : metrics.horizontalAdvance(header->text()) + 12;
        const int w = std::max(columnWidths_[static_cast<std::size_t>(column)], needed);
        setColumnWidth(column, w);
        width += w;
    }
    setMinimumWidth(std::max(minimumWidth_, width));
}

void ValueGrid::setTexts(const std::vector<std::string>& header, const std::vector<std::vector<std::string>>& rows)
{
    QStringList labels;
    for (const std::string& h : header)
        labels << qs(h);
    if (labels != headerLabels_) {
        setHorizontalHeaderLabels(labels);
        headerLabels_ = labels;
        fitColumns();
    }
    setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < rowCount(); ++r) {
        const auto& texts = rows[static_cast<std::size_t>(r)];
        const int columns = std::min(static_cast<int>(texts.size()), columnCount());
        for (int column = 0; column < columns; ++column) {
            auto* item = new QTableWidgetItem(qs(texts[static_cast<std::size_t>(column)]));
            item->setTextAlignment(Qt::AlignCenter);
            setItem(r, column, item);
        }
    }
}

void ValueGrid::shadeRow(int row, const QColor& colour)
{
    for (int column = 0; column < columnCount(); ++column)
        if (QTableWidgetItem* cell = item(row, column))
            cell->setBackground(colour);
}

void ValueGrid::shadeColumn(int column, const QColor& colour)
{
    for (int row = 0; row < rowCount(); ++row)
        if (QTableWidgetItem* cell = item(row, column))
            cell->setBackground(colour);
}
