#pragma once

#include "gui/app/LogicDialog.h"

class QComboBox;
class QLineEdit;
class IpConnectDialog;

class IpConnectDialogView final : public LogicDialog {
    Q_OBJECT
public:
    IpConnectDialogView(IpConnectDialog& logic, QWidget* parent);

private:
    void render() override;

    IpConnectDialog& logic_;
    QComboBox* computerIpCombo_;
    QLineEdit* deviceIpEdit_;
    QLineEdit* portEdit_;
    QLineEdit* hostEdit_;
    QLineEdit* hostPortEdit_;
};
