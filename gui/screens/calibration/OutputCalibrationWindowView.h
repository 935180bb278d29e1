#pragma once

#include "gui/app/LogicDialog.h"

class CalibrationPlot;
class GridCellEditor;
class QComboBox;
class QLabel;
class QLineEdit;
class QTableWidget;
class RadioGroupBox;
class OutputCalibrationWindow;

// The current output calibration window: output and range, the point grid with its
// edit box laid over the cell being edited, the fit and its plot.
class OutputCalibrationWindowView final : public LogicDialog {
    Q_OBJECT
public:
    OutputCalibrationWindowView(OutputCalibrationWindow& logic, QWidget* parent);

    void render() override;

private:
    OutputCalibrationWindow& logic_;
    QLabel* outputLabel_ = nullptr;
    QComboBox* outputCombo_ = nullptr;
    RadioGroupBox* rangeGroup_ = nullptr;
    QLabel* pointCountLabel_ = nullptr;
    QLineEdit* pointCountEdit_ = nullptr;
    QTableWidget* valueGrid_ = nullptr;
    GridCellEditor* cellEditor_ = nullptr;
    QLabel* slopePanel_ = nullptr;
    QLabel* interceptPanel_ = nullptr;
    QLabel* correlationPanel_ = nullptr;
    QLabel* deviceCalibrationPanel_ = nullptr;
    CalibrationPlot* plot_ = nullptr;
};
