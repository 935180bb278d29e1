#pragma once

#include "gui/app/LogicDialog.h"
#include "gui/screens/calibration/FitArea.h"

#include <optional>

class GridCellEditor;
class QComboBox;
class QLabel;
class QLineEdit;
class RadioGroupBox;
class OutputCalibrationWindow;
class ValueGrid;

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
    ValueGrid* valueGrid_ = nullptr;
    GridCellEditor* cellEditor_ = nullptr;
    std::optional<FitArea> fitArea_;
    QLabel* deviceCalibrationPanel_ = nullptr;
};
