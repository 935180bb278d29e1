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

namespace calib {

inline constexpr LangText MedidoInvalido{"Valor inválido no campo \"Valor Medido\"", "Invalid value on \"Measured Value\"",
                                         "Valor inválido en \"Valor Medido\""};
inline constexpr LangText EsperadoInvalido{"Valor inválido no campo \"Valor Esperado\"",
                                           "Invalid value on \"Expected Value\"", "Valor inválido en \"Valor Esperado\""};
inline constexpr LangText MaxPontos{"Número máximo de pontos atingido", "Maximum number of points reached",
                                    "Número máximo de puntos alcanzado"};
inline constexpr LangText SelecioneLinha{"Selecione a linha que deseja remover", "Select the line to be removed",
                                         "Seleccione la línea que será retirada"};
inline constexpr LangText ErroEnvioCalib{"Erro ao enviar a calibração para o equipamento.",
                                         "Error sending the calibration to the device.",
                                         "Error al enviar la calibración a lo dispositivo"};
inline constexpr LangText CalibSalva{"Calibração salva com sucesso", "Calibration saved successfully",
                                     "Calibracion salva con éxito"};
inline constexpr LangText ErroLeituraCalib{"Erro na leitura da calibração do equipamento",
                                           "Error reading the calibration from the device",
                                           "Error al leer la calibración de lo dispositivo"};
inline constexpr LangText Proximo{"Próximo", "Next", "Siguiente"};
inline constexpr LangText Anterior{"Anterior", "Previous", "Anterior"};
inline constexpr LangText LblMedido{"Valor Medido:", "Measured Value:", "Valor Medido:"};
inline constexpr LangText LblEsperado{"Valor Esperado:", "Expected Value:", "Valor Esperado:"};
inline constexpr LangText Adicionar{"Adicionar", "Add", "Añadir"};
inline constexpr LangText Remover{"Remover", "Remove", "Retirar"};
inline constexpr LangText CopiaMedida{"Copia Medida", "Copy Measurement", "Copiar Medida"};
inline constexpr LangText Medido{"Medido", "Measured", "Medido"};

} // namespace calib
