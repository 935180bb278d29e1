#pragma once

#include "gui/app/LogicDialog.h"

class QComboBox;
class QLineEdit;
class SerialConnectDialog;

class SerialConnectDialogView final : public LogicDialog {
    Q_OBJECT
public:
    SerialConnectDialogView(SerialConnectDialog& logic, QWidget* parent);

private:
    SerialConnectDialog& logic_;
    QComboBox* portCombo_;
    QLineEdit* modbusAddressEdit_;
    QComboBox* baudRateCombo_;
    QComboBox* formatCombo_;
};
