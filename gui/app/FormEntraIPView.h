#pragma once

#include "gui/app/LogicDialog.h"

class QComboBox;
class QLineEdit;
class TFormEntraIP;

class FormEntraIPView final : public LogicDialog {
    Q_OBJECT
public:
    FormEntraIPView(TFormEntraIP& logic, QWidget* parent);

private:
    void render() override;

    TFormEntraIP& logic_;
    QComboBox* cbPCIP_;
    QLineEdit* edEquipIP_;
    QLineEdit* edPorta_;
    QLineEdit* edEndereco_;
    QLineEdit* edDominioPorta_;
};
