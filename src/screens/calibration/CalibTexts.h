#pragma once

#include "app/LanguageText.h"

// Texts the calibration windows share.
namespace calib {

inline constexpr LangText PerguntaSalvar{
    "A calibração calculada não foi salva no equipamento. Gostaria de salvar a calibração?",
    "The calibration was not saved on the device. Would you like to save the calibration?",
    "La calibración no fue salvada en lo dispositivo. Te gustaría salvar la calibración ahora?"};
inline constexpr LangText Atual{"Atual", "Current", "Actual"};
inline constexpr LangText Ganho{"Ganho:", "Gain:", "Ganancia:"};
inline constexpr LangText SalvarCalibracao{"Salvar Calibração", "Save Calibration", "Salvar Calibración"};
inline constexpr LangText ValorNumericoInvalido{"Valor numérico inválido.", "Invalid numeric value.",
                                                "Valor numérico inválido."};

} // namespace calib
