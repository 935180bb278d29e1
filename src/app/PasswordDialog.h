#pragma once

#include "app/Dialog.h"

#include <string>

// The password asked after connecting. The check belongs to the connect flow; the
// dialog only collects the text.
class PasswordDialog final : public Dialog {
public:
    explicit PasswordDialog(int language);

    void setLanguage(int language);
    void setPassword(const std::string& text) { password_ = text; }
    void okClicked() { close(mrOk); }

    const std::string& caption() const { return caption_; }
    const std::string& promptLabel() const { return promptLabel_; }
    const std::string& password() const { return password_; }

private:
    std::string caption_;
    std::string promptLabel_;
    std::string password_ = "QWKZ";
};
