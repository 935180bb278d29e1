#pragma once

#include "app/LanguageText.h"

// Messages of the QLX700-R general page beyond those every general page has.
namespace regulator {

inline constexpr LangText ResetQuestion{
    "Deseja resetar a memória de comutações e as posições máximas e mínimas?",
    "Would you like to reset the commutation count and the max and min positions?",
    "Quiere resetear la memoria de conmutaciones y las posiciones máxima y mínima?"};
inline constexpr LangText ResetError{"Erro ao apagar a memória", "Error erasing the memory",
                                     "Error al borrar la memoria"};
inline constexpr LangText MemoryReset{"Memória resetada", "Memory reseted", "Memoria reseteada"};
inline constexpr LangText CommandSent{"Comando enviado", "Command sent", "Comando enviado"};
// Follows the operation count: "%d milhões".
inline constexpr LangText Millions{"milhões", "millions", "millones"};

} // namespace regulator
