#include "app/FormTrocarSenhaF.h"

#include "app/LanguageText.h"
#include "app/Ui.h"
#include "device/EquipCommF.h"

#include <array>

namespace {

constexpr int kPasswordRegister = 1600;
constexpr int kPasswordLength = 4;

constexpr LangText kCaption{"Trocar Senha", "Change Password", "Cambiar Clave"};
constexpr LangText kSenhaAtual{"Senha atual:", "Current Password:", "Clave actual:"};
constexpr LangText kSenhaNova{"Nova senha:", "New Password:", "Nueva Clave:"};
constexpr LangText kOk{"OK", "OK", "OK"};
constexpr LangText kCancelar{"Cancelar", "Cancel", "Cancelar"};
constexpr LangText kInvalid{"Senha inválida. Deve ter 4 caracteres apenas com letras.",
                            "Invalid password. It must have 4 characters, only letters.",
                            "Clave inválida. Debe tener 4 caracteres, solo letras."};
constexpr LangText kSendError{"Erro no envio do comando", "Error sending the command", "Error al enviar el comando."};

char toCapital(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

} // namespace

TFormTrocarSenha::TFormTrocarSenha(TEquipComm& comm, int language, Ui& ui)
    : TDialog({50, 50})
    , comm_(comm)
    , ui_(ui)
{
    SetIdioma(language);
}

void TFormTrocarSenha::SetIdioma(int language)
{
    language_ = language;
    caption_ = kCaption.in(language);
    lblSenhaAtual_ = kSenhaAtual.in(language);
    lblSenhaNova_ = kSenhaNova.in(language);
    bbOk_ = kOk.in(language);
    bbCancelar_ = kCancelar.in(language);
}

void TFormTrocarSenha::FormShow()
{
    comm_.readRegisters(kPasswordRegister, kPasswordLength);
    pnSenhaAtual_.clear();
    for (int i = 0; i < kPasswordLength; ++i) {
        const char c = comm_.image().Senha(i);
        if (static_cast<unsigned char>(c) >= 0x20)
            pnSenhaAtual_ += c;
    }
}

void TFormTrocarSenha::setEdSenhaNova(const std::string& text)
{
    edSenhaNova_.clear();
    for (char c : text.substr(0, kPasswordLength))
        edSenhaNova_ += toCapital(c);
}

void TFormTrocarSenha::bbOkClick()
{
    bool valid = edSenhaNova_.size() == kPasswordLength;
    for (char c : edSenhaNova_)
        valid = valid && c >= 'A' && c <= 'Z';
    if (!valid) {
        ui_.showMessage(MessageKind::Error, kInvalid.in(language_));
        return;
    }
    std::array<std::uint16_t, kPasswordLength> codes{};
    for (int i = 0; i < kPasswordLength; ++i)
        codes[static_cast<std::size_t>(i)] = static_cast<std::uint16_t>(edSenhaNova_[static_cast<std::size_t>(i)]);
    if (!comm_.writeRegisters(kPasswordRegister, codes)) {
        ui_.showMessage(MessageKind::Error, kSendError.in(language_));
        return;
    }
    close(mrOk);
}
