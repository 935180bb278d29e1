#pragma once

#include "app/LanguageText.h"

// Messages the QLX700-IRR's pages share.
namespace irr {

inline constexpr LangText ComandoEnviado{"Comando enviado", "Command sent", "Comando enviado"};

} // namespace irr
