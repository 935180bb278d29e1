#include "gui/screens/calibration/FormCalibRTDView.h"

#include "gui/app/WidgetText.h"
#include "screens/calibration/FormCalibRTDF.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
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
        if (logic_.editing()) {
            edVal_->setFocus();
            edVal_->selectAll();
        }
    });
    edVal_ = namedEdit("edVal", sgValores_->viewport());
    edVal_->hide();
    edVal_->installEventFilter(this);
    forwardEdits(edVal_, [this](const std::string& t) { logic_.setEdVal(t); });
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

void FormCalibRTDView::confirmEdit()
{
    if (confirming_ || !logic_.editing())
        return;
    confirming_ = true;
    logic_.setEdVal(edVal_->text().toStdString());
    if (!logic_.edValConfirm())
        edVal_->setFocus();
    confirming_ = false;
    render();
}

bool FormCalibRTDView::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == edVal_) {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                confirmEdit();
                return true;
            }
            if (key == Qt::Key_Escape) {
                logic_.edValEscape();
                render();
                return true;
            }
        } else if (event->type() == QEvent::FocusOut && edVal_->isVisible()) {
            confirmEdit();
        }
    }
    return LogicDialog::eventFilter(watched, event);
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
    if (logic_.editing()) {
        const QRect cell = sgValores_->visualRect(sgValores_->model()->index(logic_.editRow() - 1, logic_.editColumn()));
        edVal_->setGeometry(cell.adjusted(2, 2, 3, 3));
        if (!edVal_->hasFocus())
            edVal_->setText(qs(logic_.edVal()));
        edVal_->show();
    } else {
        edVal_->hide();
    }
}
