#pragma once

#include "app/TDialog.h"

#include <string>

// The password asked after connecting. The check belongs to the connect flow; the
// dialog only collects the text.
class TFormSenha final : public TDialog {
public:
    explicit TFormSenha(int language);

    void SetIdioma(int language);
    void setEdSenha(const std::string& text) { edSenha_ = text; }
    void bbOkClick() { close(mrOk); }

    const std::string& caption() const { return caption_; }
    const std::string& lblEntreSenha() const { return lblEntreSenha_; }
    const std::string& edSenha() const { return edSenha_; }

private:
    std::string caption_;
    std::string lblEntreSenha_;
    std::string edSenha_ = "QWKZ";
};
