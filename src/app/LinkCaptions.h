#pragma once

#include "app/LanguageText.h"

// Captions of a link's settings that the connect dialogs and the serial ports page
// word alike.
namespace linkcaption {

inline constexpr LangText Address{"Endereço", "Address", "Dirección"};
inline constexpr LangText Format{"Formato", "Format", "Formato"};

} // namespace linkcaption
