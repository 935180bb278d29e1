#pragma once

#include "app/TDialog.h"

#include <string>

class TEquipComm;
class Ui;

// Changes the device password (registers 1600..1603, one letter each).
class TFormTrocarSenha final : public TDialog {
public:
    TFormTrocarSenha(TEquipComm& comm, int language, Ui& ui);

    void SetIdioma(int language);
    // Reads the current password from the device.
    void FormShow();
    // At most four characters, letters in capitals.
    void setEdSenhaNova(const std::string& text);
    void bbOkClick();
    void bbCancelarClick() { close(mrCancel); }

    const std::string& caption() const { return caption_; }
    const std::string& lblSenhaAtual() const { return lblSenhaAtual_; }
    const std::string& lblSenhaNova() const { return lblSenhaNova_; }
    const std::string& bbOk() const { return bbOk_; }
    const std::string& bbCancelar() const { return bbCancelar_; }
    const std::string& pnSenhaAtual() const { return pnSenhaAtual_; }
    const std::string& edSenhaNova() const { return edSenhaNova_; }

private:
    TEquipComm& comm_;
    Ui& ui_;
    int language_ = 0;
    std::string caption_;
    std::string lblSenhaAtual_;
    std::string lblSenhaNova_;
    std::string bbOk_;
    std::string bbCancelar_;
    std::string pnSenhaAtual_;
    std::string edSenhaNova_;
};
