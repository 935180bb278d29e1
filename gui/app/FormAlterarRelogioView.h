#pragma once

#include "gui/app/LogicDialog.h"

class QDateEdit;
class QTimeEdit;
class TFormAlterarRelogio;

class FormAlterarRelogioView final : public LogicDialog {
    Q_OBJECT
public:
    FormAlterarRelogioView(TFormAlterarRelogio& logic, QWidget* parent);

private:
    TFormAlterarRelogio& logic_;
    QDateEdit* dtpData_;
    QTimeEdit* dtpHora_;
};
