#pragma once

#include "gui/app/LogicDialog.h"

class QLabel;
class QLineEdit;
class QTimer;
class TFormChangeIp;

class FormChangeIpView final : public LogicDialog {
    Q_OBJECT
public:
    FormChangeIpView(TFormChangeIp& logic, QWidget* parent);

private:
    void firstShow() override;
    void render() override;

    TFormChangeIp& logic_;
    QLineEdit* edIp_;
    QLineEdit* edPort_;
    QLineEdit* edSSID_;
    QLineEdit* edPass_;
    QLineEdit* edPortWifi_;
    QLineEdit* edIpGot_;
    QLineEdit* edMac_;
    QLabel* pnWifiSignal_;
    QTimer* timer_;
};
