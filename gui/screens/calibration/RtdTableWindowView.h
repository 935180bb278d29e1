#pragma once

#include "gui/app/LogicDialog.h"

class GridCellEditor;
class RtdTableWindow;
class ValueGrid;

// The RTD gain and offset table, with its edit box laid over the cell being edited
// and the readings refreshed every second.
class RtdTableWindowView final : public LogicDialog {
    Q_OBJECT
public:
    RtdTableWindowView(RtdTableWindow& logic, QWidget* parent);

    void render() override;

private:
    RtdTableWindow& logic_;
    ValueGrid* valueGrid_ = nullptr;
    GridCellEditor* cellEditor_ = nullptr;
};
