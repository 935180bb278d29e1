#pragma once

#include "app/LanguageText.h"

// The buttons that close the small dialogs.
namespace dialogbutton {

inline constexpr LangText Ok{"OK", "OK", "OK"};
inline constexpr LangText Cancel{"Cancelar", "Cancel", "Cancelar"};

} // namespace dialogbutton
