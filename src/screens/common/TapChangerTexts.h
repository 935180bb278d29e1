#pragma once

#include "app/LanguageText.h"

// The tap changer's captions and messages, the same on the QLX700-R's settings, the
// QLX700-C's position indicator and the tap commands of the R and P general pages.
namespace tapchanger {

inline constexpr LangText Title{"Comutador", "Tap Changer", "Cambiador"};
inline constexpr LangText ResistancePerPosition{"Resistência por Posição (ohm)", "Resistance per Position (ohm)",
                                                "Resistencia por Posición (ohm)"};
inline constexpr LangText InvalidResistancePerPosition{
    "Valor de Resistência por Posição inválido. Deve ser um valor entre 3.0 e 20.0.",
    "Invalid Resistance per Position value. It must be a value between 3.0 and 20.0.",
    "Valor de Resistência por Posición inválido. Debe ser un valor entre 3.0 y 20.0."};
inline constexpr LangText PositionCount{"Num. Posições", "Num. Pos.", "Num. Posiciones"};
inline constexpr LangText InvalidPositionCount{"Número de posições inválido. Deve ser um inteiro entre 2 e 50.",
                                               "Invalid Number of Positions. It must be an integer between 2 and 50.",
                                               "Número de posiciones inválido. Debe ser un entero entre 2 y 50."};
inline constexpr LangText MinPosition{"Pos. Min.", "Min. Pos.", "Pos. Min."};
inline constexpr LangText InvalidMinPosition{"Posição Mínima inválida. Deve ser um inteiro entre 1 e 50.",
                                             "Invalid Min. Position. It must be an integer between 1 and 50.",
                                             "Posición Mínima inválida. Debe ser un entero entre 1 y 50."};
inline constexpr LangText MaxPosition{"Pos. Max.", "Max. Pos.", "Pos. Max."};
inline constexpr LangText InvalidMaxPosition{"Posição Máxima inválida. Deve ser um inteiro entre 1 e 50.",
                                             "Invalid Max. Position. It must be an integer between 1 and 50.",
                                             "Posición Máxima inválida. Debe ser un entero entre 1 y 50."};
inline constexpr LangText PositionUp{"Subir posição", "Position Up", "Subir posición"};
inline constexpr LangText PositionDown{"Baixar posição", "Position Down", "Bajar posición"};

} // namespace tapchanger
