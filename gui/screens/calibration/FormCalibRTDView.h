#pragma once

#include "gui/app/LogicDialog.h"

class QLineEdit;
class QTableWidget;
class TFormCalibRTD;

// The RTD gain and offset table, with its edit box laid over the cell being edited
// and the readings refreshed every second.
class FormCalibRTDView final : public LogicDialog {
    Q_OBJECT
public:
    FormCalibRTDView(TFormCalibRTD& logic, QWidget* parent);

    void render() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void confirmEdit();

    TFormCalibRTD& logic_;
    QTableWidget* sgValores_ = nullptr;
    QLineEdit* edVal_ = nullptr;
    bool confirming_ = false;
};
