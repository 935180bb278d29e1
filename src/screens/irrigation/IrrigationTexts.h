#pragma once

#include "app/LanguageText.h"

// Messages the QLX700-IRR's pages share.
namespace irrigation {

inline constexpr LangText CommandSent{"Comando enviado", "Command sent", "Comando enviado"};

} // namespace irrigation
