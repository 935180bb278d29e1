#pragma once

#include "gui/app/LogicDialog.h"

class QLabel;
class QLineEdit;
class TFormTrocarSenha;

class FormTrocarSenhaView final : public LogicDialog {
    Q_OBJECT
public:
    FormTrocarSenhaView(TFormTrocarSenha& logic, QWidget* parent);

private:
    void firstShow() override;
    void render() override;

    TFormTrocarSenha& logic_;
    QLabel* pnSenhaAtual_;
    QLineEdit* edSenhaNova_;
};
