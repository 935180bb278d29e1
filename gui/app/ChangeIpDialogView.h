#pragma once

#include "gui/app/LogicDialog.h"

class QLabel;
class QLineEdit;
class QTimer;
class ChangeIpDialog;

class ChangeIpDialogView final : public LogicDialog {
    Q_OBJECT
public:
    ChangeIpDialogView(ChangeIpDialog& logic, QWidget* parent);

private:
    void firstShow() override;
    void render() override;

    ChangeIpDialog& logic_;
    QLineEdit* ipEdit_;
    QLineEdit* portEdit_;
    QLineEdit* ssidEdit_;
    QLineEdit* wifiPasswordEdit_;
    QLineEdit* wifiPortEdit_;
    QLineEdit* obtainedIpEdit_;
    QLineEdit* macEdit_;
    QLabel* wifiSignalPanel_;
    QTimer* timer_;
};
