#include "app/ChangePasswordDialog.h"

#include "app/DialogButtonTexts.h"
#include "app/LanguageText.h"
#include "app/Ui.h"
#include "device/DeviceLink.h"
#include "screens/common/GeneralPageTexts.h"

#include <array>

namespace {

constexpr int kPasswordRegister = 1600;
constexpr int kPasswordLength = 4;

constexpr LangText kChangePasswordCaption{"Trocar Senha", "Change Password", "Cambiar Clave"};
constexpr LangText kCurrentPassword{"Senha atual:", "Current Password:", "Clave actual:"};
constexpr LangText kNewPassword{"Nova senha:", "New Password:", "Nueva Clave:"};
constexpr LangText kInvalid{"Senha inválida. Deve ter 4 caracteres apenas com letras.",
                            "Invalid password. It must have 4 characters, only letters.",
                            "Clave inválida. Debe tener 4 caracteres, solo letras."};

char toCapital(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

} // namespace

ChangePasswordDialog::ChangePasswordDialog(DeviceLink& comm, int language, Ui& ui)
    : Dialog({50, 50})
    , comm_(comm)
    , ui_(ui)
{
    setLanguage(language);
}

void ChangePasswordDialog::setLanguage(int language)
{
    language_ = language;
    caption_ = kChangePasswordCaption.in(language);
    currentPasswordLabel_ = kCurrentPassword.in(language);
    newPasswordLabel_ = kNewPassword.in(language);
    okButton_ = dialogbutton::Ok.in(language);
    cancelButton_ = dialogbutton::Cancel.in(language);
}

void ChangePasswordDialog::readDevice()
{
    comm_.readRegisters(kPasswordRegister, kPasswordLength);
    currentPassword_.clear();
    for (int i = 0; i < kPasswordLength; ++i) {
        const char c = comm_.image().Password(i);
        if (static_cast<unsigned char>(c) >= 0x20)
            currentPassword_ += c;
    }
}

void ChangePasswordDialog::setNewPassword(const std::string& text)
{
    newPassword_.clear();
    for (char c : text.substr(0, kPasswordLength))
        newPassword_ += toCapital(c);
}

void ChangePasswordDialog::okClicked()
{
    bool valid = newPassword_.size() == kPasswordLength;
    for (char c : newPassword_)
        valid = valid && c >= 'A' && c <= 'Z';
    if (!valid) {
        ui_.showMessage(MessageKind::Error, kInvalid.in(language_));
        return;
    }
    std::array<std::uint16_t, kPasswordLength> codes{};
    for (int i = 0; i < kPasswordLength; ++i)
        codes[static_cast<std::size_t>(i)] = static_cast<std::uint16_t>(newPassword_[static_cast<std::size_t>(i)]);
    if (!comm_.writeRegisters(kPasswordRegister, codes)) {
        ui_.showMessage(MessageKind::Error, general::SendErrorSpanishStopped.in(language_));
        return;
    }
    close(mrOk);
}
