#pragma once

#include "app/LanguageText.h"

// Texts the two value windows share: the send button, and the error when a row is not
// a number (the row's text follows).
inline constexpr LangText kValueWindowSend{"Envia", "Send", "Envia"};
inline constexpr LangText kInvalidValue{"Valor inválido: ", "Invalid value: ", "Valor inválido: "};
