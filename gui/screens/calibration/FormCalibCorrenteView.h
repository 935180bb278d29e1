#pragma once

#include "gui/app/LogicDialog.h"

class CalibPlot;
class GridCellEditor;
class QComboBox;
class QLabel;
class QLineEdit;
class QTableWidget;
class RadioGroupBox;
class TFormCalibCorrente;

// The current output calibration window: output and range, the point grid with its
// edit box laid over the cell being edited, the fit and its plot.
class FormCalibCorrenteView final : public LogicDialog {
    Q_OBJECT
public:
    FormCalibCorrenteView(TFormCalibCorrente& logic, QWidget* parent);

    void render() override;

private:
    TFormCalibCorrente& logic_;
    QLabel* lblIndexSaida_ = nullptr;
    QComboBox* cbIndexSaida_ = nullptr;
    RadioGroupBox* rgEscala_ = nullptr;
    QLabel* lblNumPontos_ = nullptr;
    QLineEdit* edNumPontos_ = nullptr;
    QTableWidget* sgValores_ = nullptr;
    GridCellEditor* edVal_ = nullptr;
    QLabel* pnCoefAng_ = nullptr;
    QLabel* pnCoefLin_ = nullptr;
    QLabel* pnCorr_ = nullptr;
    QLabel* pnCalibAtual_ = nullptr;
    CalibPlot* plot_ = nullptr;
};
