#include "app/PasswordDialog.h"

#include "app/LanguageText.h"

namespace {
constexpr LangText kPasswordCaption{"Senha", "Password", "Clave"};
constexpr LangText kPrompt{"Entre com a senha:", "Enter the password:", "Introduce la clave:"};
} // namespace

PasswordDialog::PasswordDialog(int language)
    : Dialog({100, 100})
{
    setLanguage(language);
}

void PasswordDialog::setLanguage(int language)
{
    caption_ = kPasswordCaption.in(language);
    promptLabel_ = kPrompt.in(language);
}
