#include "gui/screens/calibration/OutputCalibrationWindowView.h"

#include "gui/app/ApplyEdit.h"
#include "gui/app/RadioGroupBox.h"
#include "gui/app/WidgetText.h"
#include "gui/screens/calibration/GridCellEditor.h"
#include "gui/screens/calibration/ValueGrid.h"
#include "screens/calibration/OutputCalibrationWindow.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
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
    // Enter applies the count and leaves the edit, as on the pages.
    auto* pointCountEdit = new ApplyEdit("pointCountEdit", this);
    pointCountEdit_ = pointCountEdit;
    pointCountEdit_->setMaximumWidth(60);
    forwardEdits(pointCountEdit_, [this](const std::string& t) { logic_.setPointCount(t); });
    connect(pointCountEdit, &ApplyEdit::applied, this, [this] {
        logic_.pointCountLeft();
        render();
    });
    top->addWidget(outputLabel_, 0, 0);
    top->addWidget(outputCombo_, 0, 1);
    top->addWidget(rangeGroup_, 0, 2, 2, 1);
    top->addWidget(pointCountLabel_, 1, 0);
    top->addWidget(pointCountEdit_, 1, 1);
    layout->addLayout(top);

    valueGrid_ = new ValueGrid({.columnWidths = {120, 120}, .minimumWidth = 260}, this);
    cellEditor_ = GridCellEditor::forWindow(valueGrid_, logic_, [this] { render(); }, this);
    fitArea_.emplace(layout, valueGrid_, this);
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
    valueGrid_->setTexts(c.header, logic_.rows());
    // The row whose desired current the output drives.
    if (logic_.editing())
        valueGrid_->shadeRow(logic_.cellEdit().row() - 1, QColor(192, 220, 192));
    cellEditor_->place();
    std::vector<double> x;
    std::vector<double> y;
    logic_.points(x, y);
    fitArea_->setFit(std::move(x), std::move(y), logic_.fit(), logic_.fitTexts());
    deviceCalibrationPanel_->setText(qs(logic_.deviceCalibration()));
}
