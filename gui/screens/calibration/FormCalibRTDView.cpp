#include "gui/screens/calibration/FormCalibRTDView.h"

#include "gui/app/WidgetText.h"
#include "gui/screens/calibration/GridCellEditor.h"
#include "screens/calibration/FormCalibRTDF.h"

#include <QHeaderView>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

FormCalibRTDView::FormCalibRTDView(TFormCalibRTD& logic, QWidget* parent)
    : LogicDialog(logic, parent)
    , logic_(logic)
{
    setObjectName("FormCalibRTDView");
    auto* layout = new QVBoxLayout(this);
    sgValores_ = new QTableWidget(0, 5, this);
    sgValores_->setObjectName("sgValores");
    sgValores_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    sgValores_->setSelectionMode(QAbstractItemView::NoSelection);
    sgValores_->verticalHeader()->hide();
    for (int col = 0; col < 5; ++col)
        sgValores_->setColumnWidth(col, col == 0 ? 50 : 110);
    connect(sgValores_, &QTableWidget::cellClicked, this, [this](int row, int column) {
        logic_.selectCell(row + 1, column);
        render();
        edVal_->focusIfEditing();
    });
    edVal_ = new GridCellEditor(sgValores_,
                                {[this] { return logic_.editing(); }, [this](const std::string& t) { logic_.setEdVal(t); },
                                 [this] { return logic_.edValConfirm(); }, [this] { logic_.edValEscape(); },
                                 [this] { render(); }},
                                this);
    layout->addWidget(sgValores_);
    auto* timer = new QTimer(this);
    timer->setInterval(1000);
    connect(timer, &QTimer::timeout, this, [this] {
        logic_.Timer1Timer();
        render();
    });
    timer->start();
    resize(520, 260);
    render();
}

void FormCalibRTDView::render()
{
    setWindowTitle(qs(logic_.captions().caption));
    QStringList header;
    for (const std::string& h : logic_.captions().header)
        header << qs(h);
    sgValores_->setHorizontalHeaderLabels(header);
    const auto& rows = logic_.rows();
    sgValores_->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        for (int col = 0; col < 5; ++col) {
            auto* item = new QTableWidgetItem(qs(rows[static_cast<std::size_t>(r)][static_cast<std::size_t>(col)]));
            item->setTextAlignment(Qt::AlignCenter);
            if (col == 0)
                item->setBackground(QColor(192, 192, 192));
            sgValores_->setItem(r, col, item);
        }
    }
    edVal_->place(logic_.editing(), logic_.editRow() - 1, logic_.editColumn(), logic_.edVal());
}
