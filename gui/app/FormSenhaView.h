#pragma once

#include "gui/app/LogicDialog.h"

class QLineEdit;
class TFormSenha;

class FormSenhaView final : public LogicDialog {
    Q_OBJECT
public:
    FormSenhaView(TFormSenha& logic, QWidget* parent);

    QLineEdit* edSenha() const { return edSenha_; }

private:
    TFormSenha& logic_;
    QLineEdit* edSenha_;
};
