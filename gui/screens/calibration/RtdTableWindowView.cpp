#include "gui/screens/calibration/RtdTableWindowView.h"

#include "gui/app/WidgetText.h"
#include "gui/screens/calibration/GridCellEditor.h"
#include "screens/calibration/RtdTableWindow.h"

#include <QHeaderView>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

RtdTableWindowView::RtdTableWindowView(RtdTableWindow& logic, QWidget* parent)
    : LogicDialog(logic, parent)
    , logic_(logic)
{
    setObjectName("RtdTableWindowView");
    auto* layout = new QVBoxLayout(this);
    valueGrid_ = new QTableWidget(0, 5, this);
    valueGrid_->setObjectName("valueGrid");
    valueGrid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    valueGrid_->setSelectionMode(QAbstractItemView::NoSelection);
    valueGrid_->verticalHeader()->hide();
    for (int col = 0; col < 5; ++col)
        valueGrid_->setColumnWidth(col, col == 0 ? 50 : 110);
    connect(valueGrid_, &QTableWidget::cellClicked, this, [this](int row, int column) {
        logic_.selectCell(row + 1, column);
        render();
        cellEditor_->focusIfEditing();
    });
    cellEditor_ = new GridCellEditor(
        valueGrid_,
        {[this] { return logic_.editing(); }, [this](const std::string& t) { logic_.setCellText(t); },
         [this] { return logic_.cellEditConfirmed(); }, [this] { logic_.cellEditCancelled(); }, [this] { render(); }},
        this);
    layout->addWidget(valueGrid_);
    auto* timer = new QTimer(this);
    timer->setInterval(1000);
    connect(timer, &QTimer::timeout, this, [this] {
        logic_.tick();
        render();
    });
    timer->start();
    resize(520, 260);
    render();
}

void RtdTableWindowView::render()
{
    setWindowTitle(qs(logic_.captions().caption));
    QStringList header;
    for (const std::string& h : logic_.captions().header)
        header << qs(h);
    valueGrid_->setHorizontalHeaderLabels(header);
    const auto& rows = logic_.rows();
    valueGrid_->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        for (int col = 0; col < 5; ++col) {
            auto* item = new QTableWidgetItem(qs(rows[static_cast<std::size_t>(r)][static_cast<std::size_t>(col)]));
            item->setTextAlignment(Qt::AlignCenter);
            if (col == 0)
                item->setBackground(QColor(192, 192, 192));
            valueGrid_->setItem(r, col, item);
        }
    }
    cellEditor_->place(logic_.editing(), logic_.editRow() - 1, logic_.editColumn(), logic_.cellText());
}
