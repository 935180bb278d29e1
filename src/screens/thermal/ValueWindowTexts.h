#pragma once

#include "app/LanguageText.h"

// The error of the two value windows when a row is not a number; the row's text follows.
inline constexpr LangText kInvalidValue{"Valor inválido: ", "Invalid value: ", "Valor inválido: "};
