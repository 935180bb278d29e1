#pragma once

#include "gui/app/LogicDialog.h"

class GridCellEditor;
class QTableWidget;
class TFormCalibRTD;

// The RTD gain and offset table, with its edit box laid over the cell being edited
// and the readings refreshed every second.
class FormCalibRTDView final : public LogicDialog {
    Q_OBJECT
public:
    FormCalibRTDView(TFormCalibRTD& logic, QWidget* parent);

    void render() override;

private:
    TFormCalibRTD& logic_;
    QTableWidget* sgValores_ = nullptr;
    GridCellEditor* edVal_ = nullptr;
};
