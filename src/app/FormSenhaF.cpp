#include "app/FormSenhaF.h"

#include "app/LanguageText.h"

namespace {
constexpr LangText kCaption{"Senha", "Password", "Clave"};
constexpr LangText kPrompt{"Entre com a senha:", "Enter the password:", "Introduce la clave:"};
} // namespace

TFormSenha::TFormSenha(int language)
    : TDialog({100, 100})
{
    SetIdioma(language);
}

void TFormSenha::SetIdioma(int language)
{
    caption_ = kCaption.in(language);
    lblEntreSenha_ = kPrompt.in(language);
}
