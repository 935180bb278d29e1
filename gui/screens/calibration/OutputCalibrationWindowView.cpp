#include "gui/screens/calibration/OutputCalibrationWindowView.h"

#include "gui/app/RadioGroupBox.h"
#include "gui/app/WidgetText.h"
#include "gui/screens/calibration/GridCellEditor.h"
#include "gui/screens/calibration/CalibrationPlot.h"
#include "screens/calibration/OutputCalibrationWindow.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

OutputCalibrationWindowView::OutputCalibrationWindowView(OutputCalibrationWindow& logic, QWidget* parent)
    : LogicDialog(logic, parent)
    , logic_(logic)
{
    setObjectName("OutputCalibrationWindowView");
    auto* layout = new QVBoxLayout(this);
    auto* top = new QGridLayout;
    outputLabel_ = new QLabel(this);
    outputCombo_ = new QComboBox(this);
    outputCombo_->setObjectName("outputCombo");
    outputCombo_->addItems({"1", "2", "3", "4"});
    connect(outputCombo_, &QComboBox::activated, this, [this](int i) {
        logic_.outputChosen(i);
        render();
    });
    rangeGroup_ = new RadioGroupBox("rangeGroup", 2, 2, this);
    connect(rangeGroup_, &RadioGroupBox::clicked, this, [this](int i) {
        logic_.rangeChosen(i);
        render();
    });
    pointCountLabel_ = new QLabel(this);
    pointCountEdit_ = namedEdit("pointCountEdit", this);
    pointCountEdit_->setMaximumWidth(60);
    forwardEdits(pointCountEdit_, [this](const std::string& t) { logic_.setPointCount(t); });
    connect(pointCountEdit_, &QLineEdit::editingFinished, this, [this] {
        logic_.pointCountLeft();
        render();
    });
    top->addWidget(outputLabel_, 0, 0);
    top->addWidget(outputCombo_, 0, 1);
    top->addWidget(rangeGroup_, 0, 2, 2, 1);
    top->addWidget(pointCountLabel_, 1, 0);
    top->addWidget(pointCountEdit_, 1, 1);
    layout->addLayout(top);

    auto* middle = new QHBoxLayout;
    valueGrid_ = new QTableWidget(0, 2, this);
    valueGrid_->setObjectName("valueGrid");
    valueGrid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    valueGrid_->setSelectionMode(QAbstractItemView::NoSelection);
    valueGrid_->verticalHeader()->hide();
    valueGrid_->setColumnWidth(0, 120);
    valueGrid_->setColumnWidth(1, 120);
    valueGrid_->setMinimumWidth(260);
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
    middle->addWidget(valueGrid_);
    plot_ = new CalibrationPlot(this);
    middle->addWidget(plot_, 1);
    layout->addLayout(middle);

    auto* fit = new QHBoxLayout;
    slopePanel_ = namedPanel("slopePanel", this);
    interceptPanel_ = namedPanel("interceptPanel", this);
    correlationPanel_ = namedPanel("correlationPanel", this);
    for (QLabel* l : {slopePanel_, interceptPanel_, correlationPanel_})
        fit->addWidget(l);
    layout->addLayout(fit);
    deviceCalibrationPanel_ = namedPanel("deviceCalibrationPanel", this);
    layout->addWidget(deviceCalibrationPanel_);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(makeButton(logic_.captions().saveCalibration, "saveCalibrationButton",
                                  [this] { logic_.saveCalibrationClicked(); }));
    buttons->addStretch(1);
    buttons->addWidget(makeButton("OK", "okButton", [this] { logic_.okClicked(); }));
    buttons->addWidget(makeButton("Cancel", "cancelButton", [this] { logic_.cancelClicked(); }));
    layout->addLayout(buttons);
    resize(680, 480);
    render();
}

void OutputCalibrationWindowView::render()
{
    const OutputCalibrationWindow::Captions& c = logic_.captions();
    setWindowTitle(qs(c.caption));
    outputLabel_->setText(qs(c.outputLabel));
    outputCombo_->setCurrentIndex(logic_.output());
    rangeGroup_->setTexts(c.range, {c.range32mA, c.range1_5mA});
    rangeGroup_->select(logic_.range());
    pointCountLabel_->setText(qs(c.pointCountLabel));
    setEditText(pointCountEdit_, logic_.pointCount());
    valueGrid_->setHorizontalHeaderLabels({qs(c.desiredColumn), qs(c.obtainedColumn)});
    const auto& rows = logic_.rows();
    valueGrid_->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        for (int col = 0; col < 2; ++col) {
            auto* item = new QTableWidgetItem(qs(rows[static_cast<std::size_t>(r)][static_cast<std::size_t>(col)]));
            item->setTextAlignment(Qt::AlignCenter);
            if (logic_.editing() && logic_.editRow() == r + 1)
                item->setBackground(QColor(192, 220, 192));
            valueGrid_->setItem(r, col, item);
        }
    }
    cellEditor_->place(logic_.editing(), logic_.editRow() - 1, logic_.editColumn(), logic_.cellText());
    slopePanel_->setText(qs(logic_.fitTexts().slope));
    interceptPanel_->setText(qs(logic_.fitTexts().intercept));
    correlationPanel_->setText(qs(logic_.fitTexts().correlation));
    deviceCalibrationPanel_->setText(qs(logic_.deviceCalibration()));
    std::vector<double> x;
    std::vector<double> y;
    logic_.points(x, y);
    plot_->setData(std::move(x), std::move(y), logic_.fit());
}
